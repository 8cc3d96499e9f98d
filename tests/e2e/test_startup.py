"""Start-up, splash and single instance of the real Norvale.exe under Wine,
with the emulated mouse present (without it the window hides itself)."""

import time
import xml.etree.ElementTree as ET

from main_window import MAIN_TITLE
from wine_session import BUILD, wait_until


def main_windows(display):
    return display.windows(name=MAIN_TITLE)


def wait_main_window(display, timeout=15):
    return wait_until(lambda: main_windows(display), timeout)


def test_splash_shows_for_three_seconds_then_the_main_window(display, emulated_staging, emulator, launch, screenshot):
    launch(emulated_staging, emulator.env)
    splash = wait_until(lambda: display.windows(cls="norvale.exe"), 15, interval=0.05)
    assert splash, "no window of the utility appeared"
    shown = time.monotonic()
    assert not main_windows(display), "the main window showed during the splash"
    screenshot("splash")

    assert wait_main_window(display, timeout=10)
    waited = time.monotonic() - shown
    assert 2.5 <= waited <= 4.5, f"the splash showed for {waited:.1f} s"
    time.sleep(0.5)
    screenshot("main-window-shell")


def test_clicks_and_keys_do_not_end_the_splash(display, emulated_staging, emulator, launch):
    launch(emulated_staging, emulator.env)
    splash = wait_until(lambda: display.windows(cls="norvale.exe"), 15, interval=0.05)
    assert splash
    shown = time.monotonic()
    display.run("xdotool", "windowfocus", "--sync", str(splash[0]))
    display.run("xdotool", "mousemove", "--window", str(splash[0]), "20", "20", "click", "1")
    display.run("xdotool", "key", "Escape", "Return", "space")
    assert not main_windows(display)
    assert wait_main_window(display, timeout=10)
    assert time.monotonic() - shown >= 2.5


def test_second_copy_raises_the_first_and_ends_without_a_window(display, emulated_staging, emulator, launch):
    first = launch(emulated_staging, emulator.env)
    window = wait_main_window(display)[0]
    display.run("xdotool", "windowminimize", "--sync", str(window))
    assert wait_until(lambda: not main_windows(display), 5)

    second = launch(emulated_staging, emulator.env)
    assert second.wait_exit(timeout=15) is not None, "the second copy kept running"
    assert wait_until(lambda: main_windows(display), 5) == [window], "the first copy was not restored"
    assert len(display.windows(name=MAIN_TITLE, visible=False)) == 1
    assert first.process.poll() is None


def test_a_new_copy_starts_after_the_first_has_ended(display, emulated_staging, emulator, launch):
    first = launch(emulated_staging, emulator.env)
    window = wait_main_window(display)[0]
    display.run("xdotool", "windowactivate", "--sync", str(window))
    display.run("xdotool", "key", "alt+F4")
    assert first.wait_exit(timeout=10) is not None, "the first copy did not end"

    launch(emulated_staging, emulator.env)
    assert wait_main_window(display), "a copy started after the first ended shows no window"


def test_manifest_asks_for_administrator_dpi_awareness_and_common_controls_6():
    data = (BUILD / "win" / "bin" / "Norvale.exe").read_bytes()
    start = data.index(b"<?xml")
    end = data.index(b"</assembly>", start) + len(b"</assembly>")
    root = ET.fromstring(data[start:end])
    ns = {"v1": "urn:schemas-microsoft-com:asm.v1", "v3": "urn:schemas-microsoft-com:asm.v3",
          "ws": "http://schemas.microsoft.com/SMI/2005/WindowsSettings"}

    level = root.find(".//v3:requestedExecutionLevel", ns)
    assert level.get("level") == "requireAdministrator"
    assert level.get("uiAccess") == "false"
    assert root.find(".//ws:dpiAware", ns).text.strip().lower() == "true"
    controls = [a for a in root.iterfind(".//v1:dependentAssembly/v1:assemblyIdentity", ns)
                if a.get("name") == "Microsoft.Windows.Common-Controls"]
    assert controls and controls[0].get("version") == "6.0.0.0"
