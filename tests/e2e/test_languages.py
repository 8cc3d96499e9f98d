"""The main window in the languages whose captions are longest: every
command caption whole (the screenshots are for the eye)."""

import pytest

from main_window import park_pointer, settle


def set_language(folder, code):
    """Points the Skins/Lan key of every label file at another language."""
    for labels in folder.glob("str*.ini"):
        text = labels.read_text(encoding="utf-16")
        labels.write_text(text.replace("Lan=EN", f"Lan={code}"), encoding="utf-16")


@pytest.mark.parametrize("code", ["DE", "CHT"])
def test_the_main_window_shows_its_captions_in_the_language(code, display, emulated_staging, start_main,
                                                            screenshot):
    set_language(emulated_staging, code)
    main = start_main(emulated_staging)
    main.click_button("Button Assignment")
    park_pointer(display)
    settle()
    screenshot(f"main-window-{code}")
    assert f"Lan={code}" in (emulated_staging / "str0.ini").read_text(encoding="utf-16")
