"""norvalectl changes an installation folder, then the utility starts on that
folder: it shows what the tool set and sends what the tool sends."""

import subprocess

from PIL import Image, ImageChops, ImageStat

from main_window import (apply_operations, centre, column_header_rect, function_button_rect, oracle_operations,
                         settle)
from wine_session import BUILD

NORVALECTL = BUILD / "host" / "bin" / "norvalectl"
DPI_PAGE = (735, 32 + 22)  # under its header, in main-window client pixels


def norvalectl(*args):
    return subprocess.run([str(NORVALECTL), *args], capture_output=True, text=True, check=True).stdout


def dpi_value_box(stage):
    """Where the DPI page writes a stage's value (stages from 0)."""
    x, y = DPI_PAGE
    return (x + 20 + 30 * stage, y + 182, x + 45 + 30 * stage, y + 194)


def unlike(shot, origin, first, second):
    """How far two client rectangles of the same size look apart: the largest
    mean channel difference."""
    image = Image.open(shot).convert("RGB")

    def part(rect):
        left, top, right, bottom = rect
        return image.crop((origin[0] + left, origin[1] + top, origin[0] + right, origin[1] + bottom))

    return max(ImageStat.Stat(ImageChops.difference(part(first), part(second))).mean)


def test_what_norvalectl_sets_the_utility_shows_and_applies_byte_for_byte(
        emulated_staging, start_main, emulator, tmp_path, screenshot):
    folder = str(emulated_staging)
    # Stage 2 takes the value stage 3 has; rows 6 and 7 take one caption.
    for key, value in [("dpi.2", "2400"), ("dpi.6.use", "off"), ("dpi.1.colour", "#00C0FF"),
                       ("polling-rate", "1000"), ("lighting", "respiration"), ("lighting.speed", "4"),
                       ("button.6", "Play/Pause"), ("button.7", "Play/Pause")]:
        norvalectl("set", "--dir", folder, key, value)
    shown = norvalectl("show", "--dir", folder)
    assert "  2:  2400 DPI, in use" in shown and "  6: Play/Pause" in shown, shown
    sent_by_the_tool = oracle_operations(emulated_staging, tmp_path)

    main = start_main(emulated_staging)
    main.click_button("Button Assignment")
    main.click(*centre(column_header_rect(2)))  # the DPI page
    settle()
    origin = main.origin()  # also takes the pointer off the buttons
    shot = screenshot("norvalectl-set-then-utility")

    assert unlike(shot, origin, dpi_value_box(1), dpi_value_box(2)) < 1, "stage 2 does not show 2400"
    assert unlike(shot, origin, dpi_value_box(0), dpi_value_box(1)) > 5
    assert unlike(shot, origin, function_button_rect(6), function_button_rect(7)) < 1, "rows 6 and 7 differ"
    assert unlike(shot, origin, function_button_rect(5), function_button_rect(6)) > 5

    sent = apply_operations(main, emulator)
    assert sent == sent_by_the_tool
    assert sent == oracle_operations(emulated_staging, tmp_path)
