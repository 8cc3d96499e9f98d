"""The profile list over the left column, driven as a user would: profiles
are made, renamed, switched, exported, imported and deleted, and what Apply
sends is what the host tool sends for the files the utility saved."""

import pytest

from main_window import apply_operations, oracle_operations, set_language, settle
from wine_session import wait_until

SETTINGS = 1  # a settings file holds the first-run byte before the record
REPORT_RATE = 5
CLOSE, NEW, DELETE = (247, 15), (50, 586), (150, 586)
# Items of the list's context menu, which opens at the pointer.
MENU_DELETE, MENU_LOAD, MENU_SAVE = 0, 3, 4


def row(index):
    """The middle of a row of the profile list; rows are 16 pixels high."""
    return 60, 39 + 16 * index


def open_profiles(main):
    main.click_button("Config")
    settle(1)


def context_command(main, index, item):
    """A command of the context menu of a row that is already chosen (a
    left click on it would rename it)."""
    x, y = row(index)
    main.click(x, y, 3)
    settle()
    main.click(x + 30, y + 11 + 16 * item)
    settle(1)


def settings_byte(folder, name, offset):
    return (folder / name).read_bytes()[SETTINGS + offset]


def set_settings_byte(folder, name, offset, value):
    data = bytearray((folder / name).read_bytes())
    data[SETTINGS + offset] = value
    (folder / name).write_bytes(bytes(data))


def profile_section(folder):
    text = (folder / "str.ini").read_text(encoding="utf-16")
    section = text.split("[Profile]")[1].split("[")[0]
    return dict(line.split("=", 1) for line in section.splitlines() if "=" in line)


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


def choose_file(display, path):
    """Types a path into the file dialog that has just opened and confirms it."""
    display.run("xdotool", "key", "ctrl+a")
    display.run("xdotool", "type", "--delay", "20", windows_path(path))
    display.run("xdotool", "key", "Return")
    settle(1)


def test_a_new_renamed_profile_is_switched_to_and_applied(start_main, emulator, emulated_staging, tmp_path,
                                                          screenshot):
    set_settings_byte(emulated_staging, "config1.bin", REPORT_RATE, 4)  # the second profile polls at 250 Hz
    main = start_main(emulated_staging)
    open_profiles(main)
    main.click(*NEW)                 # "Profile 2", selected
    main.click(*row(1))              # chosen
    main.click(*row(1))              # and renamed in place
    main.display.run("xdotool", "key", "ctrl+a")
    main.display.run("xdotool", "type", "Gaming")
    main.display.run("xdotool", "key", "Tab")
    settle()
    screenshot("profiles-renamed-EN")
    main.click(*CLOSE)
    settle(1)

    assert profile_section(emulated_staging) == {"CurProfileName": "Gaming", "ItemCount": "2",
                                                  "Item0": "Profile 1", "Item1": "Gaming"}
    sent = apply_operations(main, emulator)
    assert settings_byte(emulated_staging, "config1.bin", REPORT_RATE) == 4
    assert sent == oracle_operations(emulated_staging, tmp_path)


def test_an_exported_pair_comes_back_through_the_file_dialogs(main, display, emulator, emulated_staging, tmp_path,
                                                              screenshot):
    exported = tmp_path / "backup"
    open_profiles(main)
    context_command(main, 0, MENU_SAVE)
    choose_file(display, exported)
    assert wait_until(lambda: (tmp_path / "backup.bin").exists() and (tmp_path / "backup.ini").exists(), 10)
    assert len((tmp_path / "backup.bin").read_bytes()) == 1805
    set_settings_byte(tmp_path, "backup.bin", REPORT_RATE, 2)  # 500 Hz, as the polling page can set it

    context_command(main, 0, MENU_LOAD)
    screenshot("import-dialog-EN")
    choose_file(display, tmp_path / "backup.bin")
    main.click(*CLOSE)  # the imported settings stay live
    settle(1)

    sent = apply_operations(main, emulator)
    assert (emulated_staging / "config0.bin").read_bytes()[SETTINGS:] == (tmp_path / "backup.bin").read_bytes()[SETTINGS:]
    assert sent == oracle_operations(emulated_staging, tmp_path)


def test_deleting_a_middle_profile_keeps_every_other_profiles_settings(start_main, emulator, emulated_staging,
                                                                       tmp_path, screenshot):
    for name, rate in (("config1.bin", 2), ("config2.bin", 4)):
        set_settings_byte(emulated_staging, name, REPORT_RATE, rate)
    third = (emulated_staging / "config2.bin").read_bytes()
    factory = (emulated_staging / "config.bin").read_bytes()
    main = start_main(emulated_staging)
    open_profiles(main)
    main.click(*NEW)
    main.click(*NEW)
    settle()
    main.click(*row(1))
    main.click(*DELETE)
    screenshot("profiles-after-delete-EN")
    main.click(*CLOSE)
    settle(1)

    assert (emulated_staging / "config1.bin").read_bytes()[SETTINGS:] == third[SETTINGS:]
    assert (emulated_staging / "config2.bin").read_bytes()[SETTINGS:] == factory[SETTINGS:]
    section = profile_section(emulated_staging)
    assert (section["ItemCount"], section["Item0"], section["Item1"]) == ("2", "Profile 1", "Profile 3")
    assert apply_operations(main, emulator) == oracle_operations(emulated_staging, tmp_path)


@pytest.mark.parametrize("language", ["DE", "CHS"])
def test_the_profile_window_its_menu_and_the_import_dialog(start_main, emulated_staging, screenshot, language):
    set_language(emulated_staging, language)
    main = start_main(emulated_staging)
    open_profiles(main)
    main.click(*row(0), 3)
    settle()
    screenshot(f"profile-menu-{language}")
    main.display.run("xdotool", "key", "Escape")
    settle()
    context_command(main, 0, MENU_LOAD)
    screenshot(f"import-dialog-{language}")
    main.display.run("xdotool", "key", "Escape")
    settle()
    main.click(*CLOSE)
