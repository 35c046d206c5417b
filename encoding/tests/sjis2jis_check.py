#!/usr/bin/env python3
"""Round trip of the Shift-JIS to ISO-2022-JP stream converter through glibc iconv:
converting the output back to Shift-JIS gives the input, half-width katakana widened."""
import os
import random
import re
import subprocess
import sys
import unicodedata

root = os.environ.get("VELMAR_ROOT", os.path.join(os.path.dirname(__file__), "..", ".."))
tool = os.path.join(root, "build", "native", "tools", "sjis2jis_tool")

rng = random.Random(99)
full = "あいうえおがぱゃっアイヴガパヵヶ日本語漢字試験、。「」ー・"
ascii_chars = "abcXYZ019 .,!?-_()\r\n"
# Half-width katakana, with marks behind letters they combine with and behind some they do not.
half = [chr(c) for c in range(0xFF61, 0xFFA0) if chr(c) not in "ﾜｦ"]


def widen(text):
    def run(m):
        s = unicodedata.normalize("NFKC", m.group(0))
        return s.replace("\u3099", "\u309b").replace("\u309a", "\u309c")
    return re.sub("[\uff61-\uff9f]+", run, text)


failures = 0
for i in range(200):
    pieces = []
    for _ in range(rng.randint(0, 400)):
        r = rng.random()
        pieces.append(rng.choice(full) if r < 0.4 else rng.choice(half) if r < 0.7 else rng.choice(ascii_chars))
    text = "".join(pieces)
    sjis = text.encode("shift_jis")
    jis = subprocess.run([tool], input=sjis, capture_output=True, check=True).stdout
    if any(b >= 0x80 for b in jis):
        failures += 1
        print(f"FAIL #{i}: 8-bit byte in the output", file=sys.stderr)
        continue
    back = subprocess.run(["iconv", "-f", "ISO-2022-JP", "-t", "SHIFT_JIS"], input=jis,
                          capture_output=True, check=True).stdout
    want = widen(text).encode("shift_jis")
    if back != want:
        failures += 1
        print(f"FAIL #{i}: {sjis!r} -> {jis!r} -> {back!r}, want {want!r}", file=sys.stderr)

if failures:
    print(f"sjis2jis_check: {failures} failures", file=sys.stderr)
    sys.exit(1)
print("sjis2jis_check: ok")
