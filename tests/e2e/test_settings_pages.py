"""The settings pages below the DPI page, driven as a user would: each
change reaches the mouse on Apply exactly as the host tool sends the saved
files."""

import pytest

from main_window import (apply_operations, centre, column_header_rect, oracle_operations, park_pointer, set_language,
                         settle)
from wine_session import pointer_settings

COLUMN = (735, 32)
SETTINGS = 1  # config0.bin holds the first-run byte before the record
REPORT_RATE, ANGLE_SNAPPING = 5, 78
LIGHT_A_MODE, LIGHT_B_MODE, LIGHT_B_PARAM2 = 43, 48, 50
WHEEL_LINES, POINTER_SPEED, DOUBLE_CLICK_LEVEL = 75, 74, 76
# Where each header sits while every section is closed.
POLLING, SPEED, DOUBLE_CLICK, WHEEL, ANGLE = 52, 77, 102, 127, 152


def open_section(main, closed_top):
    """Opens the section whose header sits at `closed_top` while all are
    closed; returns where its page starts, in main-window client pixels."""
    main.click(*centre(column_header_rect(closed_top)))
    settle()
    return COLUMN[0], COLUMN[1] + closed_top + 20


def record(staging):
    return (staging / "config0.bin").read_bytes()[SETTINGS:]


def test_lighting_respiration_and_its_period_reach_both_groups(main, display, emulator, emulated_staging, tmp_path,
                                                               screenshot):
    x, y = open_section(main, 27)
    main.click(x + 15, y + 43)   # the "Respiration" indicator
    main.click(x + 207, y + 43)  # its period slider, near the right end
    settle()
    screenshot("lighting-respiration")

    sent = apply_operations(main, emulator)
    saved = record(emulated_staging)
    assert saved[LIGHT_B_MODE] == 2 and saved[LIGHT_A_MODE] == 2, list(saved[LIGHT_A_MODE:LIGHT_B_MODE + 4])
    assert saved[LIGHT_B_PARAM2] >= 5
    assert sent == oracle_operations(emulated_staging, tmp_path)


def close_section(main, closed_top):
    main.click(*centre(column_header_rect(closed_top)))
    settle()


def test_polling_rate_and_angle_snapping_reach_the_mouse(main, emulator, emulated_staging, tmp_path, screenshot):
    x, y = open_section(main, POLLING)
    main.click(x + 161, y + 56)  # the quarter of 1000 reports a second
    settle()
    screenshot("polling-rate-1000")
    close_section(main, POLLING)
    x, y = open_section(main, ANGLE)
    main.click(x + 30, y + 35)  # ON
    settle()
    screenshot("angle-snapping-on")

    sent = apply_operations(main, emulator)
    saved = record(emulated_staging)
    assert (saved[REPORT_RATE], saved[ANGLE_SNAPPING]) == (1, 1)
    assert sent == oracle_operations(emulated_staging, tmp_path)


def test_the_pointer_pages_change_what_apply_hands_to_the_system(main, prefix, emulator, emulated_staging, tmp_path,
                                                                 screenshot):
    x, y = open_section(main, SPEED)
    main.click(x + 181, y + 91)  # the right end of the dial: fastest
    settle()
    screenshot("mouse-speed-fastest")
    close_section(main, SPEED)
    x, y = open_section(main, DOUBLE_CLICK)
    main.click(x + 61, y + 91)  # the left end: slowest
    settle()
    screenshot("double-click-slowest")
    close_section(main, DOUBLE_CLICK)
    x, y = open_section(main, WHEEL)
    main.click(x + 195, y + 18)  # one line more
    settle()
    screenshot("wheel-one-line-more")

    sent = apply_operations(main, emulator)
    saved = record(emulated_staging)
    assert (saved[POINTER_SPEED], saved[DOUBLE_CLICK_LEVEL], saved[WHEEL_LINES]) == (11, 1, 4)
    assert sent == oracle_operations(emulated_staging, tmp_path)
    # Wine reads the speed back wrongly; the wheel and the double-click time it reports as set.
    system = pointer_settings(prefix, tmp_path)
    assert "wheel 4" in system and "double-click 900" in system, system


@pytest.mark.parametrize("code", ["EN", "DE", "CHS"])
def test_every_page_in_english_german_and_simplified_chinese(code, display, emulated_staging, start_main, screenshot):
    set_language(emulated_staging, code)
    main = start_main(emulated_staging)
    for number, top in enumerate([2, 27, POLLING, SPEED, DOUBLE_CLICK, WHEEL, ANGLE], start=1):
        open_section(main, top)
        park_pointer(display)
        settle()
        screenshot(f"page-{number}-{code}")
        close_section(main, top)
    assert main.shown()
