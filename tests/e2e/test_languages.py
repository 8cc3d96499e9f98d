"""The main window in the languages whose captions are longest: every
command caption whole (the screenshots are for the eye)."""

import pytest

from main_window import park_pointer, set_language, settle


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
