"""The server library exports its three entry points by ordinal only, and the client and
its test program import them by ordinal."""
import os
import re
import subprocess
import sys

root = os.environ.get("VELMAR_ROOT", os.path.join(os.path.dirname(__file__), "..", ".."))
bin_dir = os.path.join(root, "build", "windows", "bin")


def dump(name):
    return subprocess.run(["x86_64-w64-mingw32-objdump", "-p", os.path.join(bin_dir, name)],
                          check=True, capture_output=True, text=True).stdout


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
    # Each import by ordinal shows its ordinal in hexadecimal and no member name.
    members = re.findall(r"^\s+[0-9a-f]{8,}\s+([0-9a-f]+)\s+(\S+)\s*$", entries, re.M)
    got = sorted(int(ordinal, 16) for ordinal, name in members if name == "<none>")
    if got != [100, 210, 421] or any(name != "<none>" for _, name in members):
        failures.append("velmar1.exe imports from Velmarsec.dll:\n" + entries)

if failures:
    print("\n".join(failures))
    sys.exit(1)
print("ordinals: Velmarsec.dll exports 100, 210, 421 by ordinal only; velmar1.exe imports them by ordinal")
