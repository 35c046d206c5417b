"""The server library exports its three entry points by ordinal only, and the client and
its test program import them by ordinal."""
import os, re, subprocess, sys

root = os.environ.get("VELMAR_ROOT", os.path.join(os.path.dirname(__file__), "..", ".."))
build = os.environ.get("VELMAR_WINDOWS_BUILD", "windows")  # or "windows32", the shipped build
bin_dir = os.path.join(root, "build", build, "bin")
objdump = "i686-w64-mingw32-objdump" if build == "windows32" else "x86_64-w64-mingw32-objdump"


def dump(name):
    run = subprocess.run([objdump, "-p", os.path.join(bin_dir, name)], check=True, capture_output=True, text=True)
    return run.stdout


failures = []
exports = dump("Velmarsec.dll")
ordinals = sorted(int(n) for n in re.findall(r"\+base\[\s*(\d+)\]", exports))
if ordinals != [100, 210, 421]:
    failures.append(f"Velmarsec.dll exports ordinals {ordinals}, want [100, 210, 421]")
# The count of named exports must be zero.
named = re.search(r"\[Name Pointer/Ordinal\] Table\s+([0-9a-fA-F]+)", exports)
if named is None or int(named.group(1), 16) != 0:
    failures.append("Velmarsec.dll exports names")

imports = dump("velmar1.exe")
block = imports.split("DLL Name: Velmarsec.dll")
if len(block) < 2:
    failures.append("velmar1.exe does not import Velmarsec.dll")
else:
    entries = block[1].split("DLL Name:")[0]
    # An import by ordinal is a thunk with the top bit set and the ordinal in its low 16
    # bits, and has no member name (objdump prints the ordinal column in hexadecimal for
    # 64-bit programs and in decimal for 32-bit ones, so it is read from the thunk).
    members = re.findall(r"^\s+([0-9a-f]{8,})\s+[0-9a-f]+\s+(\S+)\s*$", entries, re.M)
    got = sorted(int(thunk, 16) & 0xFFFF for thunk, name in members if name == "<none>")
    if got != [100, 210, 421] or any(name != "<none>" for _, name in members):
        failures.append("velmar1.exe imports from Velmarsec.dll:\n" + entries)

print("\n".join(failures) if failures else f"ordinals ({build}): Velmarsec.dll exports 100, 210, 421 by ordinal only;"
      " velmar1.exe imports them by ordinal")
sys.exit(1 if failures else 0)
