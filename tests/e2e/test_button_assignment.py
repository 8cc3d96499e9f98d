"""Button assignment: a button's function menu, the key dialog and the macro
dialog, driven as a user would. Every choice reaches the mouse on Apply
exactly as the host tool sends the saved files."""

import subprocess

from main_window import (apply_operations, centre, command_bytes, function_button_rect, menu_shown, operations,
                         oracle_operations, set_language, settle)
from wine_session import wait_until

SETTINGS = 1  # config0.bin holds the first-run byte before the record
BUTTON_KIND, KEY_CODE, MACRO_INDEX, MACRO_MODE = 83, 161, 225, 233

# Items of the top-level menu and of the multimedia submenu.
MULTIMEDIA, KEYBOARD_KEY, MACRO = 9, 12, 13
PLAY_PAUSE = 4
DIALOG_SIZE = (392, 290)


def record(staging):
    return (staging / "config0.bin").read_bytes()[SETTINGS:]


def labels(staging, language="EN"):
    """The captions the label file keeps for a language, Item1 first."""
    text = (staging / "str0.ini").read_text(encoding="utf-16")
    section = text.split(f"[Setting-{language}]")[1].split("[")[0]
    return dict(line.split("=", 1) for line in section.splitlines() if "=" in line)


def key_matrix(sent):
    """The seven button words of the key matrix, in the mouse's slot order."""
    start = next(i for i, op in enumerate(sent) if op.startswith(command_bytes(0x0D) + " 01 80"))
    data = sent[start + 1].split()[2:]  # after the operation name and the report id
    return [" ".join(data[4 * slot:4 * slot + 4]) for slot in range(7)]


def open_menu(main, row, open_section=True):
    """Opens the function menu of a screen row (opening the assignment
    section first unless it is open); returns where its items start, in
    main-window client pixels: the menu opens 5 pixels right of the
    function button, level with it, inside a 3-pixel border."""
    if open_section:
        main.click_button("Button Assignment")
        settle()
    rect = function_button_rect(row)
    main.click(*centre(rect))
    settle()
    return rect[2] + 5 + 3, rect[1] + 3


def item(origin, index, width=120):
    """The middle of a menu item; items are 20 pixels high."""
    return origin[0] + width // 2, origin[1] + 20 * index + 10


def submenu_of(menu, index):
    return menu[0] + 120 + 3, menu[1] + 20 * index


def dialog_point(main, x, y):
    """A point of the key or macro dialog, which opens centred on the main
    window, in main-window client pixels."""
    geometry = main.display.run("xdotool", "getwindowgeometry", "--shell", str(main.handle())).stdout
    values = dict(line.split("=") for line in geometry.split())
    width, height = int(values["WIDTH"]), int(values["HEIGHT"])
    return (width - DIALOG_SIZE[0]) // 2 + x, (height - DIALOG_SIZE[1]) // 2 + y


def choose_dialog_item(main, row, index, open_section=True):
    menu = open_menu(main, row, open_section)
    main.click(*item(menu, index))
    settle(1)


def dialog_click(main, x, y):
    main.click(*dialog_point(main, x, y))
    settle()


DIALOG_OK, DIALOG_CANCEL = (276, 262), (342, 262)


def test_play_pause_from_the_multimedia_submenu_reaches_the_key_matrix_and_the_label_file(
        main, emulator, emulated_staging, tmp_path, screenshot):
    menu = open_menu(main, 4)
    main.hover(*item(menu, MULTIMEDIA))
    settle(1)
    screenshot("function-menu-multimedia-EN")
    main.click(*item(submenu_of(menu, MULTIMEDIA), PLAY_PAUSE, 100))
    settle()

    sent = apply_operations(main, emulator)
    saved = record(emulated_staging)
    assert (saved[BUTTON_KIND + 4], saved[113 + 4]) == (7, 0xCD)
    assert key_matrix(sent)[3] == "03 00 CD 00"  # screen row 4 is the mouse's fourth slot
    assert labels(emulated_staging)["Item5"] == "Play/Pause"
    assert sent == oracle_operations(emulated_staging, tmp_path)


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
    from PIL import Image
    image = Image.open(shot).convert("L").crop(box)
    dark = [x for x in range(image.width) for y in range(image.height) if image.getpixel((x, y)) < 128]
    return max(dark) + 1 if dark else 0


def test_a_key_typed_into_the_dialog_reaches_the_key_matrix_and_no_other_window(
        main, display, prefix, emulator, emulated_staging, tmp_path, screenshot):
    start_notepad(prefix)
    text_box = place_notepad(display)

    choose_dialog_item(main, 2, KEYBOARD_KEY)
    display.run("xdotool", "key", "F5")
    settle()
    screenshot("key-dialog-F5-EN")
    # Notepad in front, as a user who clicked into it: the dialog still
    # takes the key, and Notepad never sees it.
    display.run("xdotool", "mousemove", str(text_box[0] + 20), str(text_box[1] + 10), "click", "1")
    settle()
    display.run("xdotool", "type", "q")
    settle()
    screenshot("key-dialog-Q-with-notepad-in-front")
    dialog_click(main, 150, 60)  # back to the dialog, at a free point
    dialog_click(main, *DIALOG_OK)

    sent = apply_operations(main, emulator)
    saved = record(emulated_staging)
    assert (saved[BUTTON_KIND + 1], saved[KEY_CODE + 1]) == (10, 0x14)  # Q
    assert labels(emulated_staging)["Item2"] == "Assign Keyboard Key-Q"
    assert sent == oracle_operations(emulated_staging, tmp_path)
    # Once the dialog is gone the keyboard types again, and Notepad shows
    # only what was typed since: one letter and the caret, no "q" before it.
    display.run("xdotool", "mousemove", str(text_box[0] + 20), str(text_box[1] + 10), "click", "1")
    display.run("xdotool", "type", "z")
    settle()
    width = typed_width(screenshot("notepad-typed"), text_box)
    assert 0 < width <= 11, width


MACRO_STORE = """[MacroName]
MacroCount=2
0=Alpha
1=Beta
[Alpha]
DelayTimeSelStatus=0
MacroLoopTimes=1
ItemCount=2
Item0=A   Dn
Item1=A   Up
[Beta]
DelayTimeSelStatus=1
MacroLoopTimes=3
ItemCount=3
Item0=B   Dn
Item1=50 ms
Item2=B   Up
"""


def write_macro_store(folder):
    (folder / "record.ini").write_text(MACRO_STORE.replace("\n", "\r\n"), encoding="utf-16")


def test_a_macro_chosen_with_its_repeat_mode_reaches_the_key_matrix(
        start_main, emulator, emulated_staging, tmp_path, screenshot):
    write_macro_store(emulated_staging)
    main = start_main(emulated_staging)
    choose_dialog_item(main, 7, MACRO)
    dialog_click(main, 90, 136)   # the drop-down field
    settle()
    screenshot("macro-dialog-list-EN")
    dialog_click(main, 90, 168)   # the second macro
    dialog_click(main, 228, 186)  # "until button is released"
    screenshot("macro-dialog-chosen-EN")
    dialog_click(main, *DIALOG_OK)

    sent = apply_operations(main, emulator)
    saved = record(emulated_staging)
    assert (saved[BUTTON_KIND + 6], saved[MACRO_INDEX + 6], saved[MACRO_MODE + 6]) == (11, 1, 2)
    assert labels(emulated_staging)["Item7"] == "Macro:Beta"
    assert sent == oracle_operations(emulated_staging, tmp_path)


def test_the_last_click_cannot_be_taken_away(main, display, emulator, emulated_staging, tmp_path, screenshot):
    open_menu(main, 1)
    assert wait_until(lambda: display.windows(name="^ATTENTION!!$"), 10), "no message box"
    screenshot("last-click-message")
    display.run("xdotool", "key", "Return")
    assert wait_until(lambda: not display.windows(name="^ATTENTION!!$"), 10)
    assert not menu_shown(display, screenshot("last-click-no-menu"), (390, 290, 540, 600))

    # With a second Click the first button's menu opens.
    menu = (function_button_rect(3)[2] + 8, function_button_rect(3)[1] + 3)
    main.click(*centre(function_button_rect(3)))
    settle()
    main.click(*item(menu, 0))
    settle()
    main.click(*centre(function_button_rect(1)))
    settle()
    assert menu_shown(display, screenshot("first-button-menu"), (390, 230, 540, 560))
    display.run("xdotool", "key", "Escape")
    settle()
    sent = apply_operations(main, emulator)
    assert record(emulated_staging)[BUTTON_KIND + 2] == 0
    assert sent == oracle_operations(emulated_staging, tmp_path)


def test_menu_and_dialogs_in_traditional_chinese(start_main, emulator, emulated_staging, tmp_path, screenshot):
    set_language(emulated_staging, "CHT")
    write_macro_store(emulated_staging)
    main = start_main(emulated_staging)
    menu = open_menu(main, 4)
    main.hover(*item(menu, MULTIMEDIA))
    settle(1)
    screenshot("function-menu-multimedia-CHT")
    main.display.run("xdotool", "key", "Escape", "Escape")
    settle()

    choose_dialog_item(main, 2, KEYBOARD_KEY, open_section=False)
    screenshot("key-dialog-CHT")
    dialog_click(main, *DIALOG_CANCEL)
    choose_dialog_item(main, 2, MACRO, open_section=False)
    dialog_click(main, 90, 136)
    screenshot("macro-dialog-list-CHT")
    dialog_click(main, *DIALOG_CANCEL)

    # Nothing was chosen: the mouse gets what the files held.
    sent = apply_operations(main, emulator)
    assert record(emulated_staging)[BUTTON_KIND + 1] == 1
    assert sent == oracle_operations(emulated_staging, tmp_path)
