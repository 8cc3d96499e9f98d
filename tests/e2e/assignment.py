"""Button assignment as the end-to-end tests drive it: where a function
menu opens, its items, and the key and macro dialogs centred on the main
window; what the saved files and the key matrix say afterwards."""

from main_window import centre, command_bytes, function_button_rect, settle

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
