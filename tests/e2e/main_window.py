"""The main window and its tray icon as a test sees them: where to click,
what is shown, and the emulated mouse's trace without its time stamps."""

import subprocess
import time
from pathlib import Path

from PIL import Image, ImageChops, ImageStat

from wine_session import BUILD, wait_until

MAIN_TITLE = "^Norvale$"

# Client rectangles of the window's controls (left, top, right, bottom).
BUTTONS = {
    "Reset": (798, 604, 855, 634),
    "Cancel": (860, 604, 917, 634),
    "Apply": (923, 604, 980, 634),
    "Config": (18, 604, 90, 634),
    "Help": (937, 5, 952, 20),
    "Close": (979, 5, 994, 20),
    "Top View": (447, 527, 509, 556),
    "Side View": (513, 527, 575, 556),
    "Button Assignment": (20, 107, 262, 127),
    "Macro Manager": (20, 132, 262, 170),
    "Axis Sensitivity": (20, 175, 262, 195),
}


def function_button_rect(row):
    return (120, 134 + 20 * row, 250, 150 + 20 * row)


# The settings column's place in the main window, and its headers (column
# client coordinates: left 0, 25 pixels apart while every section is closed).
COLUMN_ORIGIN = (735, 32)
COLUMN_HEADER_HEIGHT = 20


def column_header_rect(top):
    """A column header whose top edge is at `top` in the column, in main-window client coordinates."""
    x, y = COLUMN_ORIGIN
    return (x, y + top, x + 242, y + top + COLUMN_HEADER_HEIGHT)


def centre(rect):
    return ((rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2)


def operations(trace):
    """Trace lines without their time stamps."""
    return [line.split(" ", 1)[1] for line in trace if " " in line]


def command_bytes(opcode):
    """The start of the feature report that carries a command."""
    return f"SET_FEATURE 00 {opcode:02X}"


class MainWindow:
    def __init__(self, display, utility, skins):
        self.display = display
        self.utility = utility
        self.skins = Path(skins)

    def handle(self, timeout=20):
        windows = wait_until(lambda: self.display.windows(name=MAIN_TITLE), timeout)
        assert windows, "the main window is not shown"
        return windows[0]

    def shown(self):
        return bool(self.display.windows(name=MAIN_TITLE))

    def click(self, x, y, button=1):
        # Arriving by a move lets the image buttons see the pointer before the press.
        window = str(self.handle())
        self.display.run("xdotool", "mousemove", "--window", window, str(x - 2), str(y))
        self.display.run("xdotool", "mousemove", "--window", window, str(x), str(y), "click", str(button))

    def click_button(self, name):
        self.click(*centre(BUTTONS[name]))

    def hover(self, x, y):
        self.display.run("xdotool", "mousemove", "--window", str(self.handle()), str(x), str(y))

    def origin(self):
        """The window's client origin on the screen."""
        self.hover(0, 0)
        out = self.display.run("xdotool", "getmouselocation", "--shell").stdout
        values = dict(line.split("=") for line in out.split())
        return int(values["X"]), int(values["Y"])

    def difference(self, shot, rect, at, picture):
        """How far what the window shows at the client rectangle is from the
        skin picture's part that starts at `at`: the largest mean channel
        difference over the picture's opaque pixels."""
        x, y = self.origin()
        left, top, right, bottom = rect
        box = (at[0], at[1], at[0] + right - left, at[1] + bottom - top)
        seen = Image.open(shot).convert("RGB").crop((x + left, y + top, x + right, y + bottom))
        expected = Image.open(self.skins / picture).convert("RGBA").crop(box)
        opaque = expected.getchannel("A").point(lambda a: 255 if a == 255 else 0)
        return max(ImageStat.Stat(ImageChops.difference(seen, expected.convert("RGB")), opaque).mean)

    def shows_picture(self, shot, rect, at, picture, tolerance=6):
        return self.difference(shot, rect, at, picture) <= tolerance

    def shows_lit(self, shot, rect, at, normal, lit):
        """Whether the part looks like the lit picture rather than the normal one."""
        return self.difference(shot, rect, at, lit) < self.difference(shot, rect, at, normal)


def right_strip(rect, width):
    """The right end of a control, clear of its caption, and where it starts in the picture."""
    left, top, right, bottom = rect
    return (right - width, top, right, bottom), (right - left - width, 0)


# The notification area sits at the right end of the virtual desktop's
# taskbar; the icon is the only thing there with the brand's red.
TRAY_AREA = (1120, 780, 1280, 800)


def tray_icon(display, shot_path):
    """The screen point of the utility's tray icon, or None."""
    display.screenshot(shot_path)
    image = Image.open(shot_path).convert("RGB").crop(TRAY_AREA)
    red = [(x, y) for x in range(image.width) for y in range(image.height)
           if (lambda p: p[0] > 140 and p[1] < 90 and p[2] < 90)(image.getpixel((x, y)))]
    if len(red) < 4:
        return None
    x = sum(p[0] for p in red) // len(red) + TRAY_AREA[0]
    y = sum(p[1] for p in red) // len(red) + TRAY_AREA[1]
    return x, y


def wait_tray_icon(display, shot_path, present=True, timeout=10):
    return wait_until(lambda: (tray_icon(display, shot_path) is not None) == present, timeout, interval=0.5)


def double_click_tray(display, point):
    display.run("xdotool", "mousemove", str(point[0]), str(point[1]), "click", "--repeat", "2",
                "--delay", "80", "1")


def right_click_tray(display, point):
    display.run("xdotool", "mousemove", str(point[0]), str(point[1]), "click", "3")


def until(action, done, tries=3, timeout=5):
    """Repeats an input until its effect shows: Wine now and then drops a
    click that arrives while it is still activating a window."""
    for _ in range(tries):
        action()
        result = wait_until(done, timeout)
        if result:
            return result
    return None


def menu_shown(display, shot_path, area):
    """Whether a skinned popup menu, drawn in the brand's dark red, is in the area."""
    display.screenshot(shot_path)
    image = Image.open(shot_path).convert("RGB").crop(area)
    return sum(1 for r, g, b in image.getdata() if r > 90 and g < 60 and b < 60) > 200


def park_pointer(display):
    """Moves the pointer off every window: one left over a button by an
    earlier test would light that button (and hand it the mouse capture) as
    soon as the window shows."""
    display.run("xdotool", "mousemove", "2", "2")


def settle(seconds=0.5):
    """Lets a repaint land before a screenshot of it."""
    time.sleep(seconds)


def oracle_operations(folder, tmp_path):
    """What the host tool sends for the files of an installation folder: the
    bytes every Apply of the utility must match."""
    copy = tmp_path / f"oracle-{time.monotonic_ns()}"
    subprocess.run(["cp", "-r", str(folder), str(copy)], check=True)
    out = subprocess.run([str(BUILD / "host" / "bin" / "norvalectl"), "apply", "--emulated", "--dir", str(copy)],
                         capture_output=True, text=True, check=True).stdout
    return operations(out.splitlines())


def apply_operations(main, emulator):
    """Clicks Apply and returns what reached the emulated mouse, once the last
    macro block is on the wire."""
    emulator.control("clear-trace")
    main.click_button("Apply")
    last_block = command_bytes(0x0F) + " 0C"
    assert wait_until(lambda: any(op.startswith(last_block) for op in operations(emulator.control("trace"))), 20), \
        emulator.control("trace")
    settle(1)
    return operations(emulator.control("trace"))


def set_language(folder, code):
    """Points the Skins/Lan key of every label file at another language."""
    for labels in folder.glob("str*.ini"):
        text = labels.read_text(encoding="utf-16")
        labels.write_text(text.replace("Lan=EN", f"Lan={code}"), encoding="utf-16")


def start_notepad(prefix):
    """Another program in the utility's desktop, with a text field; the
    prefix's programs all end with the test."""
    subprocess.Popen(["wine", "explorer", "/desktop=Norvale,1280x800", "notepad"], env=prefix.env,
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


NOTEPAD_PLACE = (980, 0, 300, 110)  # up in the corner, clear of everything the test clicks


def place_notepad(display):
    """Notepad's window, moved to its place; returns a screen box inside
    its edit control."""
    window = wait_until(lambda: display.windows(name="Notepad"), 20)
    assert window, "Notepad did not open"
    x, y, width, height = NOTEPAD_PLACE
    display.run("xdotool", "windowsize", str(window[0]), str(width), str(height))
    display.run("xdotool", "windowmove", str(window[0]), str(x), str(y))
    settle(1)
    return x + 10, y + 46, x + 160, y + 70


def typed_width(shot, box):
    """How far the dark pixels of a text (and its caret) reach into a white box."""
    image = Image.open(shot).convert("L").crop(box)
    dark = [x for x in range(image.width) for y in range(image.height) if image.getpixel((x, y)) < 128]
    return max(dark) + 1 if dark else 0
