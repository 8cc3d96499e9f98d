"""The pieces of an end-to-end run: a virtual display, one Wine prefix, and
the utility started from a staging folder, observed through its windows, its
debug output and screenshots."""

import copy
import os
import re
import shutil
import socket
import subprocess
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
BUILD = ROOT / "build"


def wait_until(predicate, timeout, interval=0.1):
    """Polls predicate until it returns something truthy; returns that or None."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() >= deadline:
            return None
        time.sleep(interval)


class Display:
    """Xvfb with a small window manager, as Wine's own test runs use."""

    def __init__(self, width=1280, height=800):
        self.number = self._free_number()
        self.name = f":{self.number}"
        self.env = dict(os.environ, DISPLAY=self.name)
        self.xvfb = subprocess.Popen(
            ["Xvfb", self.name, "-screen", "0", f"{width}x{height}x24", "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if not wait_until(self._answers, 10):
            raise RuntimeError(f"Xvfb on {self.name} did not start")
        self.wm = subprocess.Popen(["openbox"], env=self.env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    @staticmethod
    def _free_number():
        for number in range(90, 200):
            if not Path(f"/tmp/.X{number}-lock").exists() and not Path(f"/tmp/.X11-unix/X{number}").exists():
                return number
        raise RuntimeError("no free X display number")

    def _answers(self):
        return subprocess.run(["xdpyinfo"], env=self.env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode == 0

    def run(self, *args, check=False):
        return subprocess.run(list(args), env=self.env, capture_output=True, text=True, check=check)

    def windows(self, name=None, cls=None, visible=True):
        """X window ids whose title matches the regular expression name (or class cls)."""
        args = ["xdotool", "search"]
        if visible:
            args.append("--onlyvisible")
        args += ["--class", cls] if cls else ["--name", name]
        out = self.run(*args).stdout.split()
        return [int(w) for w in out]

    def screenshot(self, path):
        path.parent.mkdir(parents=True, exist_ok=True)
        self.run("/usr/bin/import", "-window", "root", str(path), check=True)
        return path

    def close(self):
        for process in (self.wm, self.xvfb):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()


class WinePrefix:
    """One prefix for the whole run; every program in it shares one wineserver."""

    def __init__(self, path, display):
        shutil.rmtree(path, ignore_errors=True)
        path.parent.mkdir(parents=True, exist_ok=True)
        self.env = dict(display.env, WINEPREFIX=str(path), WINEDEBUG="-all,warn+seh",
                        WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d",
                        LANG="C.UTF-8", LC_ALL="C.UTF-8")
        subprocess.run([str(ROOT / "scripts" / "prepare-wine-prefix")], env=self.env, capture_output=True,
                       check=True)

    def on(self, display):
        """The same prefix with its programs shown on another display."""
        view = copy.copy(self)
        view.env = dict(self.env, DISPLAY=display.name)
        return view

    def wait_idle(self):
        subprocess.run(["wineserver", "-w"], env=self.env, capture_output=True)

    def kill_all(self):
        subprocess.run(["wineserver", "-k"], env=self.env, capture_output=True)
        self.wait_idle()


_DEBUG_LINE = re.compile(r'warn:seh:OutputDebugString[AW] "(.*)"$')


def unescape_wine(text):
    """Undoes the C-style escaping with which Wine prints debug strings."""
    out, i = [], 0
    simple = {"n": "\n", "r": "\r", "t": "\t", "\\": "\\", '"': '"', "'": "'", "a": "\a", "b": "\b", "f": "\f", "v": "\v"}
    while i < len(text):
        c = text[i]
        if c != "\\" or i + 1 == len(text):
            out.append(c)
            i += 1
            continue
        n = text[i + 1]
        if n in simple:
            out.append(simple[n])
            i += 2
        elif n == "x":
            m = re.match(r"[0-9a-fA-F]{1,2}", text[i + 2:])
            out.append(chr(int(m.group(0), 16)))
            i += 2 + len(m.group(0))
        elif n == "u":
            out.append(chr(int(text[i + 2:i + 6], 16)))
            i += 6
        elif n in "01234567":
            m = re.match(r"[0-7]{1,3}", text[i + 1:])
            out.append(chr(int(m.group(0), 8)))
            i += 1 + len(m.group(0))
        else:
            out.append(n)
            i += 2
    return "".join(out)


class Utility:
    """Norvale.exe started from a staging folder under the prefix."""

    def __init__(self, prefix, folder, extra_env=None, desktop=False):
        """desktop: inside a Wine virtual desktop, whose taskbar holds a
        notification area, so that the tray icon exists and can be clicked."""
        self.folder = folder
        self.log_path = folder / f"wine-{time.monotonic_ns()}.log"
        self._log = open(self.log_path, "wb")
        env = dict(prefix.env, **(extra_env or {}))
        command = ["wine", "explorer", "/desktop=Norvale,1280x800", "Norvale.exe"] if desktop else ["wine", "Norvale.exe"]
        self.process = subprocess.Popen(command, cwd=folder, env=env, stdout=self._log, stderr=subprocess.STDOUT)

    def debug_lines(self):
        """Everything the program wrote with OutputDebugStringW, in order."""
        self._log.flush()
        text = self.log_path.read_text(errors="replace")
        return [unescape_wine(m.group(1)) for line in text.splitlines()
                if (m := _DEBUG_LINE.search(line))]

    def wait_exit(self, timeout):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    @staticmethod
    def processes():
        """The ids of the live Norvale.exe processes, wherever they were started."""
        out = subprocess.run(["pgrep", "-x", "Norvale.exe"], capture_output=True, text=True).stdout.split()
        return {pid for pid in out if _alive(pid)}

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self._log.close()


def _alive(pid):
    try:
        status = Path(f"/proc/{pid}/status").read_text()
    except OSError:
        return False
    return "\nState:\tZ" not in status


class Emulator:
    """norvale-emulator serving one emulated mouse on a loopback port."""

    def __init__(self, log_path):
        self.port = self._free_port()
        self._log = open(log_path, "wb")
        self.process = subprocess.Popen(
            [str(BUILD / "host" / "bin" / "norvale-emulator"), "--port", str(self.port)],
            stdout=self._log, stderr=subprocess.STDOUT)
        if not wait_until(self._answers, 10):
            raise RuntimeError("norvale-emulator did not start")
        self.env = {"NORVALE_EMULATOR": f"127.0.0.1:{self.port}"}

    @staticmethod
    def _free_port():
        with socket.socket() as s:
            s.bind(("127.0.0.1", 0))
            return s.getsockname()[1]

    def _answers(self):
        try:
            self.control("violations")
            return True
        except OSError:
            return False

    def control(self, command):
        """Sends one control command; returns its lines without the closing OK."""
        with socket.create_connection(("127.0.0.1", self.port), timeout=5) as s:
            s.sendall(command.encode() + b"\n")
            data = b""
            while not (data.endswith(b"OK\n") or b"ERR" in data):
                chunk = s.recv(65536)
                if not chunk:
                    break
                data += chunk
        lines = data.decode().splitlines()
        if lines and lines[-1].startswith("ERR"):
            raise RuntimeError(f"{command}: {lines[-1]}")
        return lines[:-1]

    def close(self):
        self.process.terminate()
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            self.process.kill()
        self._log.close()


def pointer_settings(prefix, folder):
    """The system's pointer settings as its get calls report them, one
    "name value" line each (pointer_probe.exe, run in the prefix)."""
    exe = folder / "pointer_probe.exe"
    shutil.copy(BUILD / "win" / "bin" / "pointer_probe.exe", exe)
    result = subprocess.run(["wine", str(exe)], cwd=folder, env=prefix.env, capture_output=True, text=True,
                            timeout=60)
    assert result.returncode == 0, result.stdout + result.stderr
    return result.stdout.splitlines()
