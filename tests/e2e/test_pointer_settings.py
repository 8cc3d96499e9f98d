"""The Windows pointer settings belong to the user: an installation whose
settings file is missing must leave every one of them as it was."""

from wine_session import pointer_settings, wait_until

KEPT = " is out of range; the system's value is kept.\n"


def test_a_missing_settings_file_changes_none_of_the_pointer_settings(prefix, staging, launch, tmp_path):
    (staging / "config0.bin").unlink()
    before = pointer_settings(prefix, tmp_path)
    utility = launch(staging)
    assert wait_until(lambda: f"doubleClickLevel 0{KEPT}" in utility.debug_lines(), 30), utility.debug_lines()

    assert pointer_settings(prefix, tmp_path) == before
    named = [line for line in utility.debug_lines() if line.endswith(KEPT)]
    assert named == [f"{field} 0{KEPT}" for field in
                     ("pointerPrecision", "pointerSpeed", "wheelLines", "doubleClickLevel")]
