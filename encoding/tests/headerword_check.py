#!/usr/bin/env python3
"""Round trip of the header-word encoders through Python's RFC 2047 decoder: decoding the
encoded words gives back the original bytes (on code page 932, the converted JIS text)."""
import os
import random
import subprocess
import sys
from email.header import decode_header

root = os.environ.get("VELMAR_ROOT", os.path.join(os.path.dirname(__file__), "..", ".."))
tool = os.path.join(root, "build", "native", "tools", "headerword_tool")
failures = 0


def run(mode, code_page, capacity, text, charset="ISO-8859-1"):
    out = subprocess.run([tool, mode, str(code_page), str(capacity), charset], input=text,
                         capture_output=True, check=True).stdout
    result, _, converted = out.partition(b"\0")
    return result, converted


def decoded(header):
    text = header.decode("ascii")
    # Folded words: a header line continues after CR LF and a space.
    text = text.replace("\r\n ", " ")
    if text.endswith("\r\n"):
        text = text[:-2]
    parts = decode_header(text)
    return b"".join(p if isinstance(p, bytes) else p.encode("ascii") for p, _ in parts)


def check(name, got, want):
    global failures
    if got != want:
        failures += 1
        print(f"FAIL {name}: got {got!r} want {want!r}", file=sys.stderr)


rng = random.Random(1234)
latin = [bytes([b]) for b in range(0xA0, 0x100)] + [b"a", b"b", b"Z", b"9", b"-", b"!"]
jis_chars = "あいうえおかきくけこ日本語漢字テスト、。「」ー"

for i in range(300):
    # ISO-8859 text: must hold an 8-bit byte; spaces only between words (decoders
    # fold runs of white space around words).
    word = b"".join(rng.choice(latin) for _ in range(rng.randint(1, 150)))
    text = b"Subj " + word
    for mode in ("whole", "after"):
        result, converted = run(mode, 1252, 4095, text)
        check(f"{mode} 1252 #{i}", decoded(result), text)
        check(f"{mode} text unchanged #{i}", converted, text)
    result, _ = run("folded", 1250, 4096, word, "ISO-8859-2")
    check(f"folded #{i}", decoded(result), word)

    # UTF-8: decoding as bytes and as text both succeed (no character is split).
    utf = "".join(rng.choice("éüßøあ€😀x") for _ in range(rng.randint(1, 80))).encode()
    result, _ = run("whole", 65001, 4095, utf)
    check(f"utf-8 #{i}", decoded(result), utf)
    for part, charset in decode_header(result.decode("ascii").strip()):
        if charset:
            part.decode(charset)

    # Shift-JIS on code page 932: the words decode to the converted JIS text, which
    # itself decodes to the original characters.
    chars = "".join(rng.choice(jis_chars) for _ in range(rng.randint(1, 100)))
    sjis = chars.encode("shift_jis")
    result, converted = run("after", 932, 4095, b"Re: " + sjis)
    # Every word returns to ASCII at its end and re-opens the run in the next one.
    joined = decoded(result).replace(b"\x1b(B\x1b$B", b"").replace(b"\x1b$B\x1b(B", b"")
    check(f"932 words #{i}", joined, converted)
    check(f"932 text #{i}", converted.decode("iso-2022-jp"), "Re: " + chars)
    for line in result.split(b"\r\n"):
        check(f"932 line length #{i}", len(line) <= 78, True)

if failures:
    print(f"headerword_check: {failures} failures", file=sys.stderr)
    sys.exit(1)
print("headerword_check: ok")
