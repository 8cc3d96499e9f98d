"""Norvale-Setup.exe under Wine, each test in a fresh prefix: a silent install
whose utility starts in the chosen language, an interactive install and
uninstall in German, and an upgrade over a changed installation."""

import subprocess

import pytest

from installation import LABEL_FILES, PROGRAM_FILES, USER_FILES, Installation, build_installer
from main_window import MainWindow, park_pointer, settle
from wine_session import BUILD, Utility, WinePrefix, wait_until

DESKTOP = "/desktop=Norvale,1280x800"


@pytest.fixture
def fresh_prefix(display, tmp_path):
    prefix = WinePrefix(tmp_path / "prefix", display)
    yield prefix
    prefix.kill_all()


@pytest.fixture
def installation(fresh_prefix):
    return Installation(fresh_prefix)


def started_utility(installation, display, emulator):
    """The installed utility with the emulated mouse, once its window is up."""
    park_pointer(display)
    utility = Utility(installation.prefix, installation.folder, emulator.env, desktop=True)
    MainWindow(display, utility, installation.folder / "Skins").handle(timeout=30)
    assert wait_until(lambda: utility.debug_lines().count("FW version:01-07\n") == 2, 30), utility.debug_lines()
    settle(1)
    return utility


def end(utility):
    """Ends the utility and takes its log out of the installation folder."""
    utility.close()
    utility.log_path.unlink()


def test_a_silent_install_starts_in_the_chosen_language_and_a_silent_uninstall_leaves_nothing(
        installation, display, emulator, screenshot):
    installation.run(build_installer(emulated=True), "/S", "/LANG=CHS", "/LOGON=1")

    for name in PROGRAM_FILES + USER_FILES:
        assert (installation.folder / name).exists(), name
    for name in LABEL_FILES + ["record.ini"]:
        assert (installation.folder / name).read_bytes()[:2] == b"\xff\xfe", f"{name} is not UTF-16LE"
    assert set(installation.language_codes().values()) == {"Lan=CHS"}
    entry = installation.uninstall_entry()
    assert entry["DisplayName"] == "Norvale" and entry["DisplayVersion"] == "1.4.0.0"
    assert entry["UninstallString"] == '"C:\\Program Files\\Norvale\\Uninstall.exe"'
    assert entry["DisplayIcon"] == "C:\\Program Files\\Norvale\\Norvale.exe,0"
    assert entry["Publisher"] and int(entry["EstimatedSize"], 16) > 1000
    assert installation.shortcut.exists() and installation.task.exists()

    utility = started_utility(installation, display, emulator)
    screenshot("installed-CHS")
    installation.prefix.kill_all()
    end(utility)

    installation.run(installation.folder / "Uninstall.exe", "/S")
    assert installation.leftovers() == []


# The language list is sorted: Deutsch, English, 简体中文, 繁體中文.
@pytest.mark.parametrize("code, downs", [("DE", 0), ("CHS", 2)])
def test_an_interactive_install_and_an_uninstall_that_keeps_the_settings(
        code, downs, installation, display, screenshot):
    installation.start(build_installer())
    assert wait_until(lambda: display.windows(name="^Installer Language$"), 30), "the language choice did not show"
    settle(1)
    display.run("xdotool", "key", "alt+Down")
    settle(1)
    screenshot(f"installer-1-language-{code}")
    display.run("xdotool", "key", "Home", *["Down"] * downs, "Return", "Return")

    assert wait_until(lambda: not display.windows(name="^Installer Language$")
                      and display.windows(name="Norvale"), 20), "the wizard did not show"
    for number, page in enumerate(["welcome", "folder", "components"], start=2):
        settle(1.5)
        screenshot(f"installer-{number}-{page}-{code}")
        if page == "components":
            display.run("xdotool", "key", "space")  # the logon task
            settle(0.5)
            screenshot(f"installer-{number}-{page}-ticked-{code}")
        display.run("xdotool", "key", "Return")
    assert wait_until(lambda: (installation.folder / "Uninstall.exe").exists(), 60)
    settle(2)
    screenshot(f"installer-5-finish-{code}")
    display.run("xdotool", "key", "Return")  # Finish, with "run Norvale" ticked
    # Without the mouse the utility runs with its window hidden.
    assert wait_until(lambda: display.windows(name="^Norvale$", visible=False), 30), \
        "the finish page did not start the utility"

    assert set(installation.language_codes().values()) == {f"Lan={code}"}
    assert installation.task.exists() and installation.uninstall_entry() is not None
    sections = subprocess.run(["x86_64-w64-mingw32-objdump", "-h", str(installation.folder / "Norvale.exe")],
                              capture_output=True, text=True, check=True).stdout
    assert ".debug" not in sections, "the installed program is not stripped"

    kept = installation.user_file_bytes()
    installation.start(installation.folder / "Uninstall.exe")
    assert wait_until(lambda: display.windows(name="Norvale"), 30)
    settle(1.5)
    screenshot(f"uninstaller-1-confirm-{code}")
    display.run("xdotool", "key", "Return")
    settle(2)
    screenshot(f"uninstaller-2-question-{code}")
    display.run("xdotool", "key", "Return")  # "No" is the default answer: keep the settings
    settle(2)
    screenshot(f"uninstaller-3-done-{code}")
    display.run("xdotool", "key", "Return")
    installation.prefix.wait_idle()

    assert sorted(p.name for p in installation.folder.iterdir()) == sorted(USER_FILES)
    assert installation.user_file_bytes() == kept
    assert not installation.shortcut.exists() and not installation.task.exists()
    assert installation.uninstall_entry() is None


def ini_lines(text):
    return [line.strip() for line in text.splitlines()]


def changed(data):
    return data[:100] + bytes(b ^ 0x5A for b in data[100:110]) + data[110:]


def test_an_upgrade_ends_the_running_copy_keeps_the_owners_files_and_replaces_the_program(
        installation, display, emulator):
    setup = build_installer(emulated=True)
    installation.run(setup, "/S", "/LANG=EN")
    folder = installation.folder
    (folder / "config2.bin").write_bytes(changed((folder / "config2.bin").read_bytes()))
    for name in ("str2.ini", "record.ini"):
        text = (folder / name).read_text(encoding="utf-16")
        (folder / name).write_text(text + "[Owner]\r\nName=左键连点\r\n", encoding="utf-16")
    (folder / "config.bin").write_bytes(b"old factory settings")
    skin = next((folder / "Skins").rglob("*.png"))
    skin.write_bytes(b"an older picture")
    with open(folder / "Norvale.exe", "ab") as program:
        program.write(b"an older build")
    kept = installation.user_file_bytes()

    utility = started_utility(installation, display, emulator)
    subprocess.run(["wine", "explorer", DESKTOP, str(setup), "/S"], env=installation.prefix.env,
                   capture_output=True, timeout=60)
    assert utility.wait_exit(timeout=60) is not None, "the running copy was not ended"
    installation.prefix.wait_idle()
    end(utility)

    assert installation.user_file_bytes() == kept
    assert (folder / "Norvale.exe").read_bytes() == (BUILD / "win" / "bin" / "Norvale-emulated.exe").read_bytes()
    assert (folder / "config.bin").read_bytes() == (BUILD / "package" / "Norvale-Setup-emulated" / "config.bin").read_bytes()
    assert skin.read_bytes()[:4] == b"\x89PNG"

    # Another language rewrites the label files through the profile
    # functions, which drop the blanks at the ends of values as they read them.
    installation.run(setup, "/S", "/LANG=CHT")
    for name in LABEL_FILES:
        before = kept[name].decode("utf-16").replace("Lan=EN", "Lan=CHT")
        assert ini_lines((folder / name).read_bytes().decode("utf-16")) == ini_lines(before), name
    assert "左键连点" in (folder / "record.ini").read_text(encoding="utf-16")
