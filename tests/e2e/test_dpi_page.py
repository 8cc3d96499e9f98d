"""The DPI page in the settings column: a typed value and a dragged stage
slider change the settings, and Apply sends what the host tool sends for
the saved files."""

from PIL import Image

from main_window import apply_operations, centre, column_header_rect, oracle_operations, settle, until
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


def window_box(display, window):
    """An X window's place on the screen: left, top, right, bottom. The
    pointer finds its corner: the position xdotool reports for a window
    inside Wine's desktop is not the one on the screen."""
    display.run("xdotool", "mousemove", "--window", str(window), "0", "0")
    pointer = dict(line.split("=") for line in display.run("xdotool", "getmouselocation", "--shell").stdout.split())
    geometry = dict(line.split("=") for line in
                    display.run("xdotool", "getwindowgeometry", "--shell", str(window)).stdout.split())
    x, y = int(pointer["X"]), int(pointer["Y"])
    return x, y, x + int(geometry["WIDTH"]), y + int(geometry["HEIGHT"])


def window_image(display, window, shot):
    """The pixels of an X window, as bytes."""
    display.screenshot(shot)
    return Image.open(shot).convert("RGB").crop(window_box(display, window)).tobytes()


def pure_blue_centre(display, window, shot):
    """The screen point in the middle of the window's pure blue."""
    display.screenshot(shot)
    box = window_box(display, window)
    image = Image.open(shot).convert("RGB").crop(box)
    blue = [(x, y) for x in range(image.width) for y in range(image.height)
            if (lambda r, g, b: r < 16 and g < 16 and b > 240)(*image.getpixel((x, y)))]
    assert blue, f"the colour dialog at {box} shows no pure blue"
    return box[0] + sum(x for x, _ in blue) // len(blue), box[1] + sum(y for _, y in blue) // len(blue)


def painted_alike(display, window, shot):
    """The window's pixels once two looks half a second apart agree; None before."""
    first = window_image(display, window, shot)
    settle()
    return first if window_image(display, window, shot) == first else None


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
    shot = tmp_path / "colour-dialog.png"
    looks = wait_until(lambda: painted_alike(display, dialog[0], shot), 10)
    assert looks, "the colour dialog does not come to rest"
    screenshot("colour-dialog")
    # The bright blue of the basic colours, then OK. The choice draws a frame
    # round the colour; Wine may drop a click that comes while it still
    # activates the dialog.
    blue = pure_blue_centre(display, dialog[0], shot)
    chosen = until(lambda: display.run("xdotool", "mousemove", *map(str, blue), "click", "1"),
                   lambda: window_image(display, dialog[0], shot) != looks, timeout=3)
    assert chosen, "the click on the colour did not reach the dialog"
    display.run("xdotool", "key", "Return")
    assert wait_until(lambda: not display.windows(name="^Color$"), 5)
    settle()
    screenshot("dpi-page-recoloured")

    sent = apply_operations(main, emulator)
    red, green, blue = record(emulated_staging)[DPI_COLOUR:DPI_COLOUR + 3]
    assert (red, green, blue) != tuple(before) and blue > 200 and red < 60, (red, green, blue)
    assert sent == oracle_operations(emulated_staging, tmp_path)
