"""The settings pages below the DPI page, driven as a user would: each
change reaches the mouse on Apply exactly as the host tool sends the saved
files."""

from main_window import apply_operations, centre, column_header_rect, oracle_operations, settle

COLUMN = (735, 32)
SETTINGS = 1  # config0.bin holds the first-run byte before the record
LIGHT_A_MODE, LIGHT_B_MODE, LIGHT_B_PARAM2 = 43, 48, 50


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
