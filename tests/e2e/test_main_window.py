"""The main window of the real Norvale.exe under Wine with the emulated
mouse: start-up, Apply, Reset, hiding to the tray and coming back, and the
views with a selected button."""

from main_window import (BUTTONS, TRAY_AREA, apply_operations, command_bytes, double_click_tray, function_button_rect,
                         menu_shown, operations, oracle_operations, park_pointer, right_click_tray, right_strip, settle,
                         tray_icon, until, wait_tray_icon)
from wine_session import wait_until

FIRMWARE_READ = command_bytes(0x80)
FUNCTION_OPTION = command_bytes(0x01)
DROPDOWN = "ButtonAssignment/DropdownBox-normal.png"
DROPDOWN_LIT = "ButtonAssignment/DropdownBox-over.png"


def wait_trace(emulator, predicate, timeout=20):
    return wait_until(lambda: predicate(operations(emulator.control("trace"))), timeout)


def test_start_shows_the_top_view_with_closed_sections_after_reading_the_firmware(main, emulator, screenshot):
    ops = [op for op in operations(emulator.control("trace")) if op.startswith("SET_FEATURE")]
    assert [op[:len(FIRMWARE_READ)] for op in ops] == [FIRMWARE_READ, FUNCTION_OPTION, FIRMWARE_READ], ops
    assert emulator.control("violations") == []

    shot = screenshot("main-window-start")
    assert main.shows_picture(shot, *right_strip(BUTTONS["Button Assignment"], 60), "ItemBK.png")
    # All sections closed: no function buttons, the Axis header right below Macro Manager.
    assert not main.shows_picture(shot, *right_strip(function_button_rect(1), 20), DROPDOWN)
    assert main.shows_picture(shot, *right_strip(BUTTONS["Axis Sensitivity"], 60), "ItemBK.png")
    assert main.shows_lit(shot, *right_strip(BUTTONS["Top View"], 5), "button-mouse-normal.png",
                          "button-mouse-over.png"), "the top view is not lit"


def test_apply_sends_what_the_files_hold_and_rewrites_the_settings_file(main, emulator, emulated_staging, tmp_path):
    expected = oracle_operations(emulated_staging, tmp_path)
    settings_file = emulated_staging / "config0.bin"
    before = settings_file.stat().st_mtime_ns

    assert apply_operations(main, emulator) == expected
    assert emulator.control("violations") == []
    assert settings_file.stat().st_mtime_ns > before
    assert not [line for line in main.utility.debug_lines() if "failed" in line]


def confirm_reset(main, display, key):
    """Clicks Reset and answers its question with a key."""
    question = until(lambda: main.click_button("Reset"), lambda: display.windows(name="^ATTENTION!!$"))
    assert question, "no confirmation"
    display.run("xdotool", "key", "--window", str(question[0]), key)
    assert wait_until(lambda: not display.windows(name="^ATTENTION!!$"), 5)


def test_reset_answered_with_cancel_changes_nothing(main, emulator, emulated_staging, display, screenshot):
    settings = (emulated_staging / "config0.bin").read_bytes()
    emulator.control("clear-trace")
    question = until(lambda: main.click_button("Reset"), lambda: display.windows(name="^ATTENTION!!$"))
    screenshot("reset-question")
    display.run("xdotool", "key", "--window", str(question[0]), "Escape")
    assert wait_until(lambda: not display.windows(name="^ATTENTION!!$"), 5)
    settle(1)
    assert emulator.control("trace") == []
    assert (emulated_staging / "config0.bin").read_bytes() == settings


def test_reset_answered_with_ok_restores_applies_and_closes_the_sections(
        main, emulator, emulated_staging, display, screenshot, tmp_path):
    settings_file = emulated_staging / "config0.bin"
    changed = bytearray(settings_file.read_bytes())
    changed[1 + 87] = 11  # sensitivityX, away from its factory value
    settings_file.write_bytes(bytes(changed))
    main.click_button("Button Assignment")
    park_pointer(display)
    emulator.control("clear-trace")

    confirm_reset(main, display, "Return")
    last_block = command_bytes(0x0F) + " 0C"
    assert wait_trace(emulator, lambda ops: any(op.startswith(last_block) for op in ops))
    settle(1)
    shot = screenshot("after-reset")
    assert not main.shows_picture(shot, *right_strip(function_button_rect(1), 20), DROPDOWN), \
        "the sections stayed open"
    assert main.shows_lit(shot, *right_strip(BUTTONS["Top View"], 5), "button-mouse-normal.png",
                          "button-mouse-over.png")
    # The settings are the factory ones again (byte 1 is the profile slot, kept).
    factory = (emulated_staging / "config.bin").read_bytes()
    assert settings_file.read_bytes()[2:] == factory[2:]
    assert operations(emulator.control("trace")) == oracle_operations(emulated_staging, tmp_path)


def test_close_and_cancel_hide_to_the_tray_and_a_double_click_brings_it_back(main, display, tmp_path, screenshot):
    main.click_button("Button Assignment")
    main.click_button("Close")
    assert wait_until(lambda: not main.shown(), 5), "Close did not hide the window"
    icon = tray_icon(display, tmp_path / "tray.png")
    assert icon, "no tray icon"
    screenshot("tray-icon")

    double_click_tray(display, icon)
    main.handle(timeout=5)
    settle()
    shot = screenshot("restored-from-tray")
    assert not main.shows_picture(shot, *right_strip(function_button_rect(1), 20), DROPDOWN), \
        "the sections stayed open"
    assert main.origin() == ((1280 - 1000) // 2, (800 - 640) // 2), "not centred"

    main.click_button("Cancel")
    assert wait_until(lambda: not main.shown(), 5), "Cancel did not hide the window"
    double_click_tray(display, icon)
    main.handle(timeout=5)


def test_exit_in_the_tray_menu_ends_the_utility(main, display, tmp_path, screenshot):
    utility = main.utility.processes()
    assert utility
    icon = tray_icon(display, tmp_path / "tray.png")
    above_icon = (icon[0] - 200, icon[1] - 150, min(icon[0] + 200, 1280), TRAY_AREA[1])
    assert until(lambda: right_click_tray(display, icon), lambda: menu_shown(display, tmp_path / "menu.png", above_icon))
    screenshot("tray-menu")
    display.run("xdotool", "key", "Down", "Return")
    assert wait_until(lambda: not (main.utility.processes() & utility), 15), "Norvale.exe is still running"
    assert wait_tray_icon(display, tmp_path / "tray.png", present=False), "the tray icon stayed"


def hot_spot(x, y, size=20):
    return (x, y, x + size, y + size), (0, 0)


# A spot in the empty right-hand column: the pointer there lights nothing.
EMPTY = (950, 300)


def test_a_function_button_ends_unlit_after_its_menu_closed_without_a_choice(main, display, screenshot):
    main.click_button("Button Assignment")
    main.click(*function_button_rect(4)[:2])  # screen row 4 is internal button 4
    settle()
    display.run("xdotool", "key", "Escape")
    main.hover(*EMPTY)
    settle()
    shot = screenshot("top-view-row-4-clicked")
    assert not main.shows_lit(shot, *right_strip(function_button_rect(4), 20), DROPDOWN, DROPDOWN_LIT)
    assert not main.shows_lit(shot, *hot_spot(350, 222), "Mouse/Front/F-4-normal.png", "Mouse/Front/F-4-over.png")

    main.click_button("Side View")
    main.hover(*EMPTY)
    settle()
    shot = screenshot("side-view")
    assert main.shows_picture(shot, *hot_spot(400, 154), "Mouse/Side/S-1-normal.png"), "the side view is not shown"
    assert not main.shows_lit(shot, *hot_spot(480, 140), "Mouse/Side/S-6-normal.png", "Mouse/Side/S-6-over.png")


def test_config_covers_the_left_column_until_the_profile_list_closes(main, screenshot):
    main.click_button("Button Assignment")
    main.click_button("Config")
    main.hover(*EMPTY)
    settle()
    shot = screenshot("config-clicked")
    assert not main.shows_picture(shot, *right_strip(BUTTONS["Button Assignment"], 60), "ItemBK.png")
    assert not main.shows_picture(shot, *right_strip(function_button_rect(1), 20), DROPDOWN)

    main.click(247, 15)  # the profile list's close button
    main.hover(*EMPTY)
    settle()
    shot = screenshot("config-closed")
    assert main.shows_picture(shot, *right_strip(BUTTONS["Button Assignment"], 60), "ItemBK.png")
    assert main.shows_picture(shot, *right_strip(function_button_rect(1), 20), DROPDOWN), "the function buttons hid"


def test_buttons_light_under_the_pointer_and_help_opens_the_skinned_menu(main, display, screenshot):
    main.hover(*BUTTONS["Apply"][:2])
    main.hover(950, 615)
    settle()
    shot = screenshot("apply-hover")
    assert main.shows_lit(shot, *right_strip(BUTTONS["Apply"], 10), "button-cancel-normal.png",
                          "button-cancel-over.png")

    main.click_button("Help")
    settle(1)
    screenshot("help-menu")
    display.run("xdotool", "key", "Escape")
