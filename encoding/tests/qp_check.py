#!/usr/bin/env python3
"""Round trip of the quoted-printable body encoder through Python's quopri decoder on
generated bodies: the decoded text is the body with each line end made one CR LF, and ">"
in front of every line that began with "From "; no encoded line starts with "From "."""
import os
import quopri
import random
import subprocess
import sys

root = os.environ.get("VELMAR_ROOT", os.path.join(os.path.dirname(__file__), "..", ".."))
tool = os.path.join(root, "build", "native", "tools", "qp_tool")

rng = random.Random(2047)
pieces = [b"From ", b"From", b"F", b"=", b" ", b"\t", b"\xe9", b"\x00", b"\x7f", b"\xff",
          b"word", b"Gr\xfc\xdfe", b"x" * 70, b"y" * 80]
line_ends = [b"\r\n", b"\n", b"\r", b"\n\r", b"\r\n\r\n", b"\n\n", b"\r\r"]


def body():
    """A body whose lines never end in a space or tab (quopri drops trailing white space)."""
    out = b""
    for _ in range(rng.randint(0, 120)):
        if rng.random() < 0.25:
            out = out.rstrip(b" \t") + rng.choice(line_ends)
        elif rng.random() < 0.3:
            out += bytes([rng.randrange(256)])
        else:
            out += rng.choice(pieces)
    return out.rstrip(b" \t")


def lines(data):
    """The body's lines: CR LF and LF CR are one line end, any other CR or LF one each."""
    result, current, i = [], b"", 0
    while i < len(data):
        c = data[i:i + 1]
        if c in (b"\r", b"\n"):
            result.append(current)
            current = b""
            if data[i + 1:i + 2] in (b"\r", b"\n") and data[i + 1:i + 2] != c:
                i += 1
        else:
            current += c
        i += 1
    result.append(current)
    return result


failures = 0
for n in range(400):
    data = body()
    out = subprocess.run([tool], input=data, capture_output=True, check=True).stdout
    problem = None
    if not (out.startswith(b"\n") and out.endswith(b"\n")):
        problem = "no leading or closing line feed"
    elif any(b >= 0x80 for b in out):
        problem = "8-bit byte in the output"
    elif any(len(line) > 76 for line in out[1:-1].split(b"\r\n")):
        problem = "line longer than 76 characters"
    else:
        want = b"\r\n".join(b">" + line if line.startswith(b"From ") else line for line in lines(data))
        got = quopri.decodestring(out[1:-1])
        if b"\r\nFrom " in out or out.startswith(b"\nFrom "):
            problem = "an encoded line starts with From"
        if got != want and problem is None:
            problem = f"decoded {got!r}, want {want!r}"
    if problem:
        failures += 1
        print(f"FAIL #{n}: {data!r}: {problem}", file=sys.stderr)

if failures:
    print(f"qp_check: {failures} failures", file=sys.stderr)
    sys.exit(1)
print("qp_check: ok")
