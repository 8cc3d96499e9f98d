"""The device link of the real Norvale.exe under Wine: without a mouse, and
with the emulated mouse served by norvale-emulator."""

from wine_session import wait_until

FIRMWARE_READ = "SET_FEATURE 00 80 00 00 00 00 00 00 7F"


def test_production_build_reports_the_mouse_absent_without_hanging(display, staging, launch):
    utility = launch(staging)
    assert wait_until(lambda: "SetupDiEnumDeviceInterfaces failed.\n" in utility.debug_lines(), 20), \
        utility.debug_lines()
    # Both firmware reads still run, against no mouse, and read as zeros.
    assert wait_until(lambda: utility.debug_lines().count("FW version:00-00\n") == 2, 10), utility.debug_lines()
    assert utility.process.poll() is None


def test_emulated_build_finds_the_mouse_and_reads_its_firmware_twice(display, emulated_staging, emulator, launch):
    utility = launch(emulated_staging, emulator.env)
    assert wait_until(lambda: utility.debug_lines().count("FW version:01-07\n") == 2, 20), utility.debug_lines()
    lines = utility.debug_lines()
    assert "Find our hid device.Success\n" in lines

    trace = emulator.control("trace")
    reads = [line for line in trace if line.split(" ", 1)[1] == FIRMWARE_READ]
    assert len(reads) == 2, trace
    replies = [line for line in trace if " GET_FEATURE " in line]
    assert len(replies) == 2, trace
    assert emulator.control("violations") == []
