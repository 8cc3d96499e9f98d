"""The macro manager, driven as a user would: a macro recorded by typing,
edited by hand and assigned to a button reaches the mouse on Apply exactly as
the host tool sends the saved files."""

from assignment import BUTTON_KIND, MACRO, MACRO_INDEX, choose_dialog_item, dialog_click, DIALOG_OK, record
from main_window import (apply_operations, oracle_operations, place_notepad, set_language, settle, start_notepad,
                         typed_width)

WINDOW_SIZE = (492, 436)
NEW, RECORD, OK, DELAY_OPTION = (46, 380), (340, 99), (325, 408), (377, 151)


def window_point(main, x, y):
    """A point of the macro manager, which opens centred on the main window,
    in main-window client pixels."""
    geometry = main.display.run("xdotool", "getwindowgeometry", "--shell", str(main.handle())).stdout
    values = dict(line.split("=") for line in geometry.split())
    width, height = int(values["WIDTH"]), int(values["HEIGHT"])
    return (width - WINDOW_SIZE[0]) // 2 + x, (height - WINDOW_SIZE[1]) // 2 + y


def click(main, point, button=1):
    main.click(*window_point(main, *point), button)
    settle()


def line(row):
    """The middle of a line of the event list; lines are 12 pixels high."""
    return 200, 90 + 12 * row


def double_click(main, point):
    x, y = window_point(main, *point)
    main.hover(x, y)
    main.display.run("xdotool", "click", "--repeat", "2", "--delay", "60", "1")
    settle()


def shows_new_button(main, shot):
    """Whether the manager's New button is on the screen (its left end, clear of the caption)."""
    left, top = window_point(main, 17, 367)
    return main.shows_picture(shot, (left, top, left + 8, top + 25), (0, 0), "MacroManagement/button-new-normal.png")


def stored_macro(folder, name):
    text = (folder / "record.ini").read_text(encoding="utf-16")
    section = text.split(f"[{name}]")[1].split("\n[")[0]
    return dict(entry.strip().split("=", 1) for entry in section.splitlines() if "=" in entry)


def test_a_recorded_and_edited_macro_reaches_the_mouse_through_a_button(
        main, display, prefix, emulator, emulated_staging, tmp_path, screenshot):
    start_notepad(prefix)
    text_box = place_notepad(display)
    main.click_button("Macro Manager")
    settle(1)
    click(main, NEW)
    click(main, DELAY_OPTION)  # after New, which reads the new macro's (missing) option as off
    click(main, RECORD)
    # Notepad in front while recording: the keys go into the macro only.
    display.run("xdotool", "mousemove", str(text_box[0] + 20), str(text_box[1] + 10), "click", "1")
    settle()
    display.run("xdotool", "type", "--delay", "200", "ab")
    settle()
    assert typed_width(screenshot("recording-with-notepad-in-front"), text_box) <= 3, "Notepad received the keys"
    click(main, (300, 20))  # back to the manager, at a free point
    click(main, RECORD)     # stop: A Dn, pause, A Up, pause, B Dn, pause, B Up
    screenshot("macro-recorded-EN")

    # Enter and Esc change nothing: the manager stays open.
    display.run("xdotool", "key", "Return", "Escape")
    settle()
    assert shows_new_button(main, screenshot("macro-after-enter-and-esc")), "Enter or Esc closed the manager"

    double_click(main, line(1))  # arms the pause line
    double_click(main, line(1))  # and opens its editor
    display.run("xdotool", "key", "ctrl+a")
    display.run("xdotool", "type", "500")
    display.run("xdotool", "key", "Tab")
    settle()

    click(main, line(0))           # "A   Dn"
    click(main, line(0), button=3)
    screenshot("macro-context-menu-EN")
    x, y = window_point(main, *line(0))
    main.click(x + 60, y + 3 + 20 + 10)  # "Insert Left Button", the second item
    settle()
    screenshot("macro-edited-EN")
    click(main, OK)

    stored = stored_macro(emulated_staging, "Macro_1")
    lines = [stored[f"Item{i}"] for i in range(int(stored["ItemCount"]))]
    assert lines[:4] == ["A   Dn", "L-Button   Dn", "L-Button   Up", "500 ms"], lines
    assert [entry for entry in lines if "ms" not in entry] == \
        ["A   Dn", "L-Button   Dn", "L-Button   Up", "A   Up", "B   Dn", "B   Up"], lines

    choose_dialog_item(main, 7, MACRO)
    dialog_click(main, 90, 136)  # the drop-down field
    dialog_click(main, 90, 153)  # the first macro
    dialog_click(main, *DIALOG_OK)
    sent = apply_operations(main, emulator)
    saved = record(emulated_staging)
    assert (saved[BUTTON_KIND + 6], saved[MACRO_INDEX + 6]) == (11, 0)
    assert sent == oracle_operations(emulated_staging, tmp_path)


STORE = """[MacroName]
MacroCount=1
0=宏_1
[宏_1]
DelayTimeSelStatus=1
MacroLoopTimes=2
ItemCount=3
Item0=A   Dn
Item1=120 ms
Item2=A   Up
"""


def test_the_manager_and_its_context_menu_in_simplified_chinese(start_main, emulated_staging, screenshot):
    set_language(emulated_staging, "CHS")
    (emulated_staging / "record.ini").write_text(STORE.replace("\n", "\r\n"), encoding="utf-16")
    main = start_main(emulated_staging)
    main.click_button("Macro Manager")
    settle(1)
    click(main, line(1))
    main.hover(*window_point(main, 300, 20))
    settle()
    screenshot("macro-manager-CHS")
    click(main, line(1), button=3)
    screenshot("macro-context-menu-CHS")
    main.display.run("xdotool", "key", "Escape")
    settle()
    click(main, (380, 408))  # Cancel
