"""Button assignment: a button's function menu, the key dialog and the macro
dialog, driven as a user would. Every choice reaches the mouse on Apply
exactly as the host tool sends the saved files."""

from assignment import (BUTTON_KIND, DIALOG_CANCEL, DIALOG_OK, KEY_CODE, KEYBOARD_KEY, MACRO, MACRO_INDEX, MACRO_MODE,
                        MULTIMEDIA, PLAY_PAUSE, choose_dialog_item, dialog_click, item, key_matrix, labels, open_menu,
                        record, submenu_of)
from main_window import (apply_operations, centre, function_button_rect, menu_shown, oracle_operations, place_notepad,
                         set_language, settle, start_notepad, typed_width)
from wine_session import wait_until


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
