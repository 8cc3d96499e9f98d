"""The mouse's own buttons and its plugging, as the real Norvale.exe under
Wine sees them through the emulated mouse: balloons, the commands they
cause, and the window and tray icon following the mouse."""

import pytest

from main_window import (MainWindow, command_bytes, double_click_tray, operations, park_pointer, settle,
                         tray_icon, wait_tray_icon)
from wine_session import wait_until

READ_PROFILE_INDEX = command_bytes(0x82)
READ_PROFILE_IMAGE = command_bytes(0x8C)
FUNCTION_OPTION = command_bytes(0x01)
MOUSE_MISSING = "The system did not detect the gaming mouse."
BALLOON_DELAY = 2.5  # the desktop's notification area shows a balloon about 2 s after it is asked


def event_line(code, value):
    return f"ReadThreadFun ReadBuffer[2]:0x{code:02x},ReadBuffer[3]:0x{value:02x}\n"


def commands(emulator):
    return [op for op in operations(emulator.control("trace")) if op.startswith("SET_FEATURE")]


def press(emulator, utility, code, value):
    """Presses a mouse button and waits until the window has handled its event."""
    before = utility.debug_lines().count(event_line(code, value))
    emulator.control(f"press {code} {value}")
    assert wait_until(lambda: utility.debug_lines().count(event_line(code, value)) > before, 10), \
        utility.debug_lines()


@pytest.fixture
def running(main, emulator):
    emulator.control("clear-trace")
    return main


def test_dpi_and_macro_buttons_show_balloons_and_read_only_what_the_stage_needs(running, emulator, screenshot):
    utility = running.utility
    press(emulator, utility, 2, 3)
    assert commands(emulator) == [], "stage 3 sends nothing"
    settle(BALLOON_DELAY)
    screenshot("balloon-dpi-stage-3")

    press(emulator, utility, 1, 4)
    assert [op[:len(READ_PROFILE_IMAGE)] for op in commands(emulator)] == [READ_PROFILE_IMAGE]

    emulator.control("clear-trace")
    press(emulator, utility, 9, 2)
    assert commands(emulator) == []
    settle(BALLOON_DELAY)
    screenshot("balloon-macro-key-2")
    assert emulator.control("violations") == []


def test_unplugging_hides_the_window_and_replugging_brings_the_mouse_back(
        running, emulator, display, tmp_path, screenshot):
    utility = running.utility
    emulator.control("unplug")
    assert wait_until(lambda: MOUSE_MISSING in utility.debug_lines(), 10), utility.debug_lines()
    assert wait_until(lambda: not running.shown(), 5), "the window stayed"
    assert wait_tray_icon(display, tmp_path / "tray.png", present=False), "the tray icon stayed"

    emulator.control("clear-trace")
    emulator.control("plug")
    assert wait_tray_icon(display, tmp_path / "tray.png"), "no tray icon after replugging"
    settle(BALLOON_DELAY)
    screenshot("balloon-mouse-detected")
    sent = [op[:len(FUNCTION_OPTION)] for op in commands(emulator)]
    assert sent[:2] == [READ_PROFILE_INDEX, FUNCTION_OPTION], sent

    # The listener reads from the new collection without a restart.
    press(emulator, utility, 9, 2)
    double_click_tray(display, tray_icon(display, tmp_path / "tray.png"))
    running.handle(timeout=5)


def test_a_start_without_the_mouse_stays_hidden_until_the_mouse_arrives(
        display, emulated_staging, emulator, launch, tmp_path):
    emulator.control("unplug")
    park_pointer(display)
    utility = launch(emulated_staging, emulator.env, desktop=True)
    assert wait_until(lambda: utility.debug_lines().count("FW version:00-00\n") == 2, 30), utility.debug_lines()
    window = MainWindow(display, utility, emulated_staging / "Skins")
    settle(1)
    assert not window.shown(), "the window showed without the mouse"
    assert tray_icon(display, tmp_path / "tray.png") is None, "a tray icon remained"

    emulator.control("plug")
    assert wait_tray_icon(display, tmp_path / "tray.png"), "the mouse's arrival went unnoticed"
    press(emulator, utility, 2, 3)  # the listener runs now
    double_click_tray(display, tray_icon(display, tmp_path / "tray.png"))
    window.handle(timeout=5)
