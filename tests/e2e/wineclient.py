"""Shared set-up of the checks that run the real client under Wine in the test run's
prefix: the environment, a clean spool directory and scratch folder, and the one data
file a send leaves."""
import os
import shutil
import subprocess

ROOT = os.environ.get("VELMAR_ROOT", os.path.join(os.path.dirname(__file__), "..", ".."))
PREFIX = os.environ.get("WINEPREFIX", os.path.join(ROOT, "build", "wineprefix"))
# "windows" (64-bit) or "windows32" (the shipped 32-bit build).
BUILD = os.environ.get("VELMAR_WINDOWS_BUILD", "windows")
CLIENT = os.path.join(ROOT, "build", BUILD, "bin", "velmar1.exe")
SPOOL = os.path.join(PREFIX, "drive_c", "MAIL", "spool")


def wine_env(**extra):
    env = dict(os.environ, WINEPREFIX=PREFIX, WINEDEBUG="-all", WINEARCH="win64", **extra)
    env.pop("DISPLAY", None)
    return env


def fresh_machine(env, scratch):
    """No server configuration, an empty spool directory and an empty C:\\<scratch>."""
    subprocess.run(["wine", "reg", "delete", r"HKLM\SOFTWARE\Brindle", "/f"], env=env, capture_output=True)
    work = os.path.join(PREFIX, "drive_c", scratch)
    for d in (SPOOL, work):
        shutil.rmtree(d, ignore_errors=True)
        os.makedirs(d)
    return work


def run_client(env, *arguments):
    return subprocess.run(["wine", CLIENT, *arguments], env=env, capture_output=True, timeout=120)


def only_data_file():
    """The bytes of the one data file in the spool directory, or None."""
    names = [n for n in os.listdir(SPOOL) if n.startswith("D")]
    if len(names) != 1:
        return None
    with open(os.path.join(SPOOL, names[0]), "rb") as f:
        return f.read()


def clean_up(work):
    shutil.rmtree(work, ignore_errors=True)
    for name in os.listdir(SPOOL):
        os.remove(os.path.join(SPOOL, name))
