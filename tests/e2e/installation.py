"""An installation made by Norvale-Setup.exe in a Wine prefix: its files, its
uninstall entry, its Start-menu shortcut and its logon task."""

import subprocess
from pathlib import Path

from wine_session import BUILD, ROOT

UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Norvale"
LABEL_FILES = ["str.ini"] + [f"str{n}.ini" for n in range(6)]
USER_FILES = [f"config{n}.bin" for n in range(6)] + LABEL_FILES + ["record.ini"]
PROGRAM_FILES = ["Norvale.exe", "Uninstall.exe", "config.bin", "Skins"]


def build_installer(emulated=False):
    """Norvale-Setup.exe (or the build whose utility talks to norvale-emulator)."""
    subprocess.run([str(ROOT / "scripts" / "package")] + (["--emulated"] if emulated else []),
                   check=True, capture_output=True)
    return BUILD / "win" / "bin" / ("Norvale-Setup-emulated.exe" if emulated else "Norvale-Setup.exe")


class Installation:
    def __init__(self, prefix):
        self.prefix = prefix
        drive = Path(prefix.env["WINEPREFIX"]) / "drive_c"
        self.folder = drive / "Program Files" / "Norvale"
        self.shortcut = drive / "ProgramData" / "Microsoft" / "Windows" / "Start Menu" / "Programs" / "Norvale.lnk"
        # Wine keeps the tasks in a folder of this spelling.
        self.task = drive / "windows" / "system32" / "tasks" / "Norvale"

    def run(self, program, *args):
        """Runs an installer or the uninstaller and waits until every program
        it started has ended (the uninstaller runs from a copy of itself)."""
        subprocess.run(["wine", str(program), *args], env=self.prefix.env, capture_output=True, timeout=180)
        self.prefix.wait_idle()

    def start(self, program, *args):
        return subprocess.Popen(["wine", str(program), *args], env=self.prefix.env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def uninstall_entry(self):
        """The values of the Apps & features entry, or None without one."""
        result = subprocess.run(["wine", "reg", "query", UNINSTALL_KEY], env=self.prefix.env,
                                capture_output=True, text=True, errors="replace")
        if result.returncode != 0:
            return None
        values = {}
        for line in result.stdout.splitlines():
            parts = line.strip().split(None, 2)
            if len(parts) >= 2 and parts[1].startswith("REG_"):
                values[parts[0]] = parts[2] if len(parts) == 3 else ""
        return values

    def language_codes(self):
        """The "Lan" line of every label file."""
        return {name: next((line for line in (self.folder / name).read_text(encoding="utf-16").splitlines()
                            if line.startswith("Lan=")), None) for name in LABEL_FILES}

    def user_file_bytes(self):
        return {name: (self.folder / name).read_bytes() for name in USER_FILES}

    def leftovers(self):
        """Whatever of ours is still there after an uninstall."""
        found = [str(path) for path in (self.folder, self.shortcut, self.task) if path.exists()]
        if self.uninstall_entry() is not None:
            found.append(UNINSTALL_KEY)
        return found
