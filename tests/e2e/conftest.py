import re
import subprocess

import pytest

from main_window import MainWindow, park_pointer, settle
from wine_session import BUILD, ROOT, Display, Emulator, Utility, WinePrefix, wait_until

SCREENSHOTS = BUILD / "e2e" / "screenshots"
FAILURES = BUILD / "e2e" / "failures"


@pytest.fixture(scope="session")
def prepared_prefix():
    """The Wine prefix, booted once for the run."""
    boot = Display()
    try:
        yield WinePrefix(BUILD / "e2e" / "prefix", boot)
    finally:
        boot.close()


@pytest.fixture
def display():
    """A fresh X display per test: pointer, focus and window placement left
    behind by one test's Wine desktop must not steer the next one's input."""
    d = Display()
    yield d
    d.close()


@pytest.fixture
def prefix(prepared_prefix, display):
    return prepared_prefix.on(display)


def stage(folder, emulated=False):
    args = [str(ROOT / "scripts" / "stage"), str(folder)] + (["--emulated"] if emulated else [])
    subprocess.run(args, check=True)
    return folder


@pytest.fixture
def staging(tmp_path):
    """A fresh installation folder with the production Norvale.exe."""
    return stage(tmp_path / "Norvale")


@pytest.fixture
def emulated_staging(tmp_path):
    """A fresh installation folder with the build that talks to norvale-emulator."""
    return stage(tmp_path / "Norvale", emulated=True)


@pytest.fixture
def emulator(tmp_path):
    e = Emulator(tmp_path / "emulator.log")
    yield e
    e.close()


@pytest.fixture
def launch(prefix):
    """Starts copies of the utility; ends every program of the prefix afterwards."""
    started = []

    def start(folder, extra_env=None, desktop=False):
        utility = Utility(prefix, folder, extra_env, desktop)
        started.append(utility)
        return utility

    yield start
    prefix.kill_all()
    for utility in started:
        utility.close()


@pytest.fixture
def start_main(display, emulator, launch):
    """Starts the emulated build of a staged folder in a Wine desktop with the
    mouse present and waits until its initialisation has run to the end (both
    firmware reads logged)."""
    def start(folder):
        park_pointer(display)
        utility = launch(folder, emulator.env, desktop=True)
        window = MainWindow(display, utility, folder / "Skins")
        window.handle(timeout=30)
        assert wait_until(lambda: utility.debug_lines().count("FW version:01-07\n") == 2, 30), utility.debug_lines()
        settle()
        return window
    return start


@pytest.fixture
def main(emulated_staging, start_main):
    """The emulated build of a fresh installation, started."""
    return start_main(emulated_staging)


@pytest.fixture
def screenshot(display, request):
    """Saves a screenshot of the whole display under build/e2e/screenshots."""
    def take(name):
        return display.screenshot(SCREENSHOTS / f"{name}.png")
    return take


@pytest.hookimpl(hookwrapper=True)
def pytest_runtest_makereport(item, call):
    outcome = yield
    report = outcome.get_result()
    if report.when == "call" and report.failed and "display" in item.fixturenames:
        name = re.sub(r"[^A-Za-z0-9_.-]+", "_", item.nodeid)
        try:
            item.funcargs["display"].screenshot(FAILURES / f"{name}.png")
        except Exception as error:  # a failed screenshot must not hide the test's own failure
            report.sections.append(("screenshot", f"no screenshot: {error}"))
