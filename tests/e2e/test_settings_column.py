"""The settings column at the right of the main window: its headers open
and close the pages below them, the wheel scrolls it, and no key in it
closes the window."""

import pytest

from main_window import centre, column_header_rect, park_pointer, right_strip, set_language, settle

HEADER = "ItemBK.png"
CLOSED_TOPS = [2 + 25 * k for k in range(7)]
DPI_PAGE_HEIGHT = 232


def header_shown(main, shot, top):
    return main.shows_picture(shot, *right_strip(column_header_rect(top), 40), HEADER)


def test_opening_dpi_setting_moves_the_headers_below_it_and_closing_brings_them_back(main, screenshot):
    shot = screenshot("column-closed")
    assert all(header_shown(main, shot, top) for top in CLOSED_TOPS)

    main.click(*centre(column_header_rect(CLOSED_TOPS[0])))
    settle()
    shot = screenshot("column-dpi-open")
    moved = [top + DPI_PAGE_HEIGHT for top in CLOSED_TOPS[1:]]  # the 5-pixel gaps stay
    assert all(header_shown(main, shot, top) for top in moved), "the headers below did not move down"
    assert not header_shown(main, shot, CLOSED_TOPS[1])

    main.click(*centre(column_header_rect(CLOSED_TOPS[0])))
    settle()
    shot = screenshot("column-dpi-closed-again")
    assert all(header_shown(main, shot, top) for top in CLOSED_TOPS)


def test_the_wheel_scrolls_the_column_by_sixty_pixels_a_notch(main, display, screenshot):
    for top in (2, 259, 406):  # DPI, then Lighting and Polling Rate where the opened pages push them
        main.click(*centre(column_header_rect(top)))
    settle()
    polling = 406
    shot = screenshot("column-three-open")
    assert header_shown(main, shot, polling)

    main.hover(*centre(column_header_rect(polling)))
    display.run("xdotool", "click", "5")  # one notch towards the user
    settle()
    shot = screenshot("column-scrolled")
    assert header_shown(main, shot, polling - 60), "one notch did not scroll by 60 pixels"
    assert not header_shown(main, shot, polling)


def test_enter_and_escape_in_the_column_leave_the_main_window_open(main, display):
    main.click(*centre(column_header_rect(CLOSED_TOPS[0])))
    main.click(850, 500)  # the column's background, below the headers
    display.run("xdotool", "key", "Return", "Escape", "space")
    settle(1)
    assert main.shown(), "a key in the column closed the main window"


@pytest.mark.parametrize("code", ["EN", "CHS"])
def test_the_dpi_page_in_english_and_simplified_chinese(code, display, emulated_staging, start_main, screenshot):
    set_language(emulated_staging, code)
    main = start_main(emulated_staging)
    main.click(*centre(column_header_rect(CLOSED_TOPS[0])))
    park_pointer(display)
    settle()
    shot = screenshot(f"column-dpi-page-{code}")
    assert header_shown(main, shot, CLOSED_TOPS[1] + DPI_PAGE_HEIGHT)


def test_the_skinned_bar_scrolls_the_column_by_arrow_track_and_thumb(main, display, screenshot):
    for top in (2, 259, 406):  # DPI, Lighting and Polling Rate open: 79 pixels to scroll
        main.click(*centre(column_header_rect(top)))
    settle()
    polling = 406
    bar_x = 735 + 260 - 7  # the middle of the 13-pixel bar at the column's right edge

    main.click(bar_x, 593 - 6)  # the down arrow: one line
    settle()
    shot = screenshot("column-bar-arrow")
    assert header_shown(main, shot, polling - 60), "the down arrow did not scroll one line"

    main.click(bar_x, 32 + 540)  # the track below the thumb: a page, held at the end
    settle()
    shot = screenshot("column-bar-track")
    assert header_shown(main, shot, polling - 79), "the track did not scroll to the end"

    window = str(main.handle())
    display.run("xdotool", "mousemove", "--window", window, str(bar_x), str(32 + 300), "mousedown", "1")
    display.run("xdotool", "mousemove", "--window", window, str(bar_x), str(32 + 250))
    display.run("xdotool", "mousemove", "--window", window, str(bar_x), str(32 + 150), "mouseup", "1")
    settle()
    shot = screenshot("column-bar-thumb")
    assert header_shown(main, shot, polling), "dragging the thumb up did not bring the column back to the top"
