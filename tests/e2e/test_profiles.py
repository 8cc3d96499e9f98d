"""The profile list over the left column, driven as a user would."""

from main_window import settle


def test_explore(main, display, emulator, emulated_staging, tmp_path, screenshot):
    main.click_button("Config")
    settle(1)
    screenshot("explore-profiles-1")
    main.click(50, 586)  # New
    settle()
    main.click(60, 45, 3)
    settle()
    screenshot("explore-profiles-2")
