"""The INI case table that the host tests run against our own INI code, run
here against the Windows profile functions under Wine: both must agree."""

import shutil
import subprocess

from wine_session import BUILD


def test_windows_profile_functions_pass_the_shared_ini_cases(prefix, tmp_path):
    exe = tmp_path / "ini_conformance.exe"
    shutil.copy(BUILD / "win" / "bin" / "ini_conformance.exe", exe)
    result = subprocess.run(["wine", str(exe)], cwd=tmp_path, env=prefix.env,
                            capture_output=True, text=True, timeout=120)
    assert result.returncode == 0, result.stdout + result.stderr
    assert "0 of" in result.stdout, result.stdout
