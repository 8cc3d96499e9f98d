"""The DPI page in the settings column: a typed value and a dragged stage
slider change the settings, and Apply sends what the host tool sends for
the saved files."""

from main_window import apply_operations, centre, column_header_rect, oracle_operations, settle
from wine_session import wait_until

# The DPI page lies under its header, at the column's (0, 22); stages are
# 30 pixels apart.
PAGE = (735, 32 + 22)
SETTINGS = 1  # config0.bin holds the first-run byte before the record
DPI_VALUE, DPI_IN_USE, DPI_COLOUR = 7, 14, 21


def on_page(x, y):
    return PAGE[0] + x, PAGE[1] + y


def value_box(stage):
    return on_page(32 + 30 * stage, 188)


def slider(stage, y):
    return on_page(28 + 30 * stage, y)


def record(staging):
    return (staging / "config0.bin").read_bytes()[SETTINGS:]


def open_dpi_page(main):
    main.click(*centre(column_header_rect(2)))
    settle()


def type_value(main, display, stage, text):
    main.click(*value_box(stage))  # shows the stage's editor
    main.click(*value_box(stage))  # and puts the caret in it
    display.run("xdotool", "key", "End", *["BackSpace"] * 5)
    display.run("xdotool", "type", text)
    display.run("xdotool", "key", "Return")
    settle()


def test_typed_values_and_a_dragged_slider_reach_the_mouse_as_the_saved_files_say(
        main, display, emulator, emulated_staging, tmp_path, screenshot):
    open_dpi_page(main)
    type_value(main, display, 1, "800")
    type_value(main, display, 2, "800")  # the same text into another stage is taken too
    type_value(main, display, 4, "75")   # below the lowest: 50

    window = str(main.handle())
    start, end = slider(5, 160), slider(5, 40)
    display.run("xdotool", "mousemove", "--window", window, *map(str, start), "mousedown", "1")
    display.run("xdotool", "mousemove", "--window", window, *map(str, end))
    display.run("xdotool", "mousemove", "--window", window, *map(str, end), "mouseup", "1")
    settle()
    screenshot("dpi-page-edited")

    sent = apply_operations(main, emulator)
    saved = record(emulated_staging)
    assert saved[DPI_VALUE + 1] == 16 and saved[DPI_VALUE + 2] == 16, list(saved[DPI_VALUE:DPI_VALUE + 7])
    assert saved[DPI_VALUE + 4] == 1
    assert saved[DPI_VALUE + 5] > 100 and saved[DPI_IN_USE + 5] == 1, list(saved[DPI_VALUE:DPI_IN_USE + 7])
    assert sent == oracle_operations(emulated_staging, tmp_path)
    assert main.shown()



def test_a_colour_chosen_in_the_colour_dialog_reaches_the_profile_image(
        main, display, emulator, emulated_staging, tmp_path, screenshot):
    before = record(emulated_staging)[DPI_COLOUR:DPI_COLOUR + 3]
    open_dpi_page(main)
    main.click(*on_page(30, 220))  # the first stage's swatch
    dialog = wait_until(lambda: display.windows(name="^Color$"), 10)
    assert dialog, "no colour dialog"
    screenshot("colour-dialog")
    # The bright blue of the basic colours (fourth row, fifth column), then OK.
    display.run("xdotool", "mousemove", "--window", str(dialog[0]), "122", "112", "click", "1")
    display.run("xdotool", "key", "Return")
    assert wait_until(lambda: not display.windows(name="^Color$"), 5)
    settle()
    screenshot("dpi-page-recoloured")

    sent = apply_operations(main, emulator)
    red, green, blue = record(emulated_staging)[DPI_COLOUR:DPI_COLOUR + 3]
    assert (red, green, blue) != tuple(before) and blue > 200 and red < 60, (red, green, blue)
    assert sent == oracle_operations(emulated_staging, tmp_path)
