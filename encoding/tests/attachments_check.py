#!/usr/bin/env python3
"""Round trip of attachment parts through independent decoders: base64 parts through
coreutils `base64 -d`, uuencoded blocks through sharutils `uudecode`, on generated binary
and text files. A text file is read in text mode (CR LF becomes LF, 0x1A ends it)."""
import os
import random
import subprocess
import sys
import tempfile

root = os.environ.get("VELMAR_ROOT", os.path.join(os.path.dirname(__file__), "..", ".."))
tool = os.path.join(root, "build", "native", "tools", "attachpart_tool")

rng = random.Random(1341)
sizes = [0, 1, 2, 3, 44, 45, 46, 53, 54, 55, 89, 90, 91, 107, 108, 109, 1000, 4097, 70000]


def text_mode(data):
    return data.split(b"\x1a", 1)[0].replace(b"\r\n", b"\n")


def binary_file(size):
    data = bytes(rng.randrange(256) for _ in range(size))
    return data if size == 0 else b"\x00" + data[1:]


def text_file(size):
    alphabet = b"abc XYZ 0123 .,;\t"
    out = b""
    while len(out) < size:
        out += bytes(rng.choice(alphabet) for _ in range(rng.randint(0, 80))) + b"\r\n"
    return out[:size]


def run(mode, path):
    return subprocess.run([tool, mode, path, "file.dat"], capture_output=True, check=True).stdout


failures = 0


def check(name, got, want):
    global failures
    if got != want:
        failures += 1
        print(f"FAIL {name}: got {got[:80]!r}..., want {want[:80]!r}...", file=sys.stderr)


with tempfile.TemporaryDirectory() as tmp:
    path = os.path.join(tmp, "file.dat")
    for size in sizes:
        for kind, data in (("binary", binary_file(size)), ("text", text_file(size))):
            with open(path, "wb") as f:
                f.write(data)
            want = data if kind == "binary" or size == 0 else text_mode(data)

            part = run("base64", path)
            header, _, encoded = part.partition(b"base64\n\n")
            if any(len(line) > 72 for line in encoded.split(b"\n")):
                check(f"base64 {kind} {size} line length", b"long line", b"")
            decoded = subprocess.run(["base64", "-d"], input=encoded, capture_output=True, check=True).stdout
            check(f"base64 {kind} {size}", decoded, want)

            block = run("uuencode", path)
            out = os.path.join(tmp, "decoded")
            block = block.replace(b"begin 644 file.dat", b"begin 644 " + out.encode())
            subprocess.run(["uudecode"], input=block, capture_output=True, check=True)
            with open(out, "rb") as f:
                check(f"uuencode {kind} {size}", f.read(), want)
            os.remove(out)

            if kind == "text" and size > 0:
                inline = run("text", path)
                head = (b"\n--==Velmar_v8.2==\nContent-Type: text/plain; name=\"file.dat\"\n"
                        b"Content-Transfer-Encoding: 7bit\n\n")
                check(f"inline {size}", inline, head + text_mode(data) + b"\n")

if failures:
    print(f"attachments_check: {failures} failures", file=sys.stderr)
    sys.exit(1)
print("attachments_check: ok")
