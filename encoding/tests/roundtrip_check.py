#!/usr/bin/env python3
"""Round trips of the encoders through independent decoders, on generated input:
quoted-printable bodies through quopri, Shift-JIS to ISO-2022-JP through glibc iconv,
header words through the email package, base64 parts through `base64 -d` and uuencoded
blocks through `uudecode` (base64 carries a file's exact bytes; a uuencoded or inline text
attachment is read in text mode: CR LF becomes LF, 0x1A ends)."""
import os, quopri, random, re, subprocess, sys, tempfile, unicodedata
from email.header import decode_header

root = os.environ.get("VELMAR_ROOT", os.path.join(os.path.dirname(__file__), "..", ".."))
failures = 0


def tool(name, *args, data=b""):
    path = os.path.join(root, "build", "native", "tools", name + "_tool")
    return subprocess.run([path, *map(str, args)], input=data, capture_output=True, check=True).stdout


def check(name, got, want):
    global failures
    if got != want:
        failures += 1
        print(f"FAIL {name}: got {got!r:.160} want {want!r:.160}", file=sys.stderr)


# Quoted-printable: the decoded text is the body with each line end made one CR LF (CR LF
# and LF CR are one line end) and ">" before each line that began "From ". Bodies never
# end a line in a space or tab, which quopri drops.
rng = random.Random(2047)
pieces = [b"From ", b"From", b"F", b"=", b" ", b"\t", b"\xe9", b"\x00", b"\x7f", b"\xff", b"word", b"x" * 70, b"y" * 80]
line_ends = [b"\r\n", b"\n", b"\r", b"\n\r", b"\r\n\r\n", b"\n\n", b"\r\r"]
for n in range(400):
    data = b""
    for _ in range(rng.randint(0, 120)):
        r = rng.random()
        data = data.rstrip(b" \t") + rng.choice(line_ends) if r < 0.25 else data + (
            bytes([rng.randrange(256)]) if r < 0.45 else rng.choice(pieces))
    data = data.rstrip(b" \t")
    out = tool("qp", data=data)
    inner = out[1:-1]  # framing, 7-bit, line length, no line starting "From "
    check(f"qp #{n} shape", (out[:1], out[-1:], [b for b in inner if b >= 0x80],
                             [l for l in inner.split(b"\r\n") if len(l) > 76], b"\nFrom " in out),
          (b"\n", b"\n", [], [], False))
    lines = re.split(rb"\r\n|\n\r|\r|\n", data)
    check(f"qp #{n}", quopri.decodestring(inner), b"\r\n".join(b">" + l if l.startswith(b"From ") else l for l in lines))

# Shift-JIS to ISO-2022-JP: iconv gives back the input, half-width katakana widened.
rng = random.Random(99)
full = "あいうえおがぱゃっアイヴガパヵヶ日本語漢字試験、。「」ー・"
half = [chr(c) for c in range(0xFF61, 0xFFA0) if chr(c) not in "ﾜｦ"]  # wo and wa: unit table
ascii_chars = "abcXYZ019 .,!?-_()\r\n"


def widen(text):
    def run(m):
        return unicodedata.normalize("NFKC", m.group(0)).replace("\u3099", "\u309b").replace("\u309a", "\u309c")
    return re.sub("[\uff61-\uff9f]+", run, text)


for i in range(200):
    text = "".join(rng.choice(rng.choice((full, half, ascii_chars))) for _ in range(rng.randint(0, 400)))
    jis = tool("sjis2jis", data=text.encode("shift_jis"))
    check(f"sjis #{i} 7-bit", [b for b in jis if b >= 0x80], [])
    back = subprocess.run(["iconv", "-f", "ISO-2022-JP", "-t", "SHIFT_JIS"], input=jis, capture_output=True).stdout
    check(f"sjis #{i}", back, widen(text).encode("shift_jis"))


# Header words: decoding gives back the original bytes (on code page 932, the JIS text
# the encoder converted in place, which itself decodes to the original characters).
def words(mode, code_page, text, charset="ISO-8859-1"):
    result, _, converted = tool("headerword", mode, code_page, 4095, charset, data=text).partition(b"\0")
    folded = result.decode("ascii").replace("\r\n ", " ").removesuffix("\r\n")
    return result, b"".join(p if isinstance(p, bytes) else p.encode() for p, _ in decode_header(folded)), converted


rng = random.Random(1234)
latin = [bytes([b]) for b in range(0xA0, 0x100)] + [b"a", b"b", b"Z", b"9", b"-", b"!"]
for i in range(300):
    word = b"".join(rng.choice(latin) for _ in range(rng.randint(1, 150)))  # spaces only between words
    for mode in ("whole", "after"):
        _, got, converted = words(mode, 1252, b"Subj " + word)
        check(f"{mode} 1252 #{i}", (got, converted), (b"Subj " + word,) * 2)
    check(f"folded #{i}", words("folded", 1250, word, "ISO-8859-2")[1], word)
    utf = "".join(rng.choice("éüßøあ€😀x") for _ in range(rng.randint(1, 80))).encode()
    result, got, _ = words("whole", 65001, utf)
    check(f"utf-8 #{i}", got, utf)
    [part.decode(cs) for part, cs in decode_header(result.decode("ascii").strip()) if cs]  # no character split
    chars = "".join(rng.choice("あいうえおかきくけこ日本語漢字テスト、。「」ー") for _ in range(rng.randint(1, 100)))
    result, got, converted = words("after", 932, b"Re: " + chars.encode("shift_jis"))
    # Every word returns to ASCII at its end and re-opens the run in the next one.
    check(f"932 words #{i}", got.replace(b"\x1b(B\x1b$B", b"").replace(b"\x1b$B\x1b(B", b""), converted)
    check(f"932 text #{i}", converted.decode("iso-2022-jp"), "Re: " + chars)
    check(f"932 line length #{i}", [l for l in result.split(b"\r\n") if len(l) > 78], [])

# Attachment parts: base64 and uuencode of binary and text files at line-length boundaries.
rng = random.Random(1341)
with tempfile.TemporaryDirectory() as tmp:
    path, out = os.path.join(tmp, "file.dat"), os.path.join(tmp, "decoded")
    for size in [0, 1, 2, 3, 44, 45, 46, 53, 54, 55, 89, 90, 91, 107, 108, 109, 1000, 4097, 70000]:
        binary = b"\x00" + bytes(rng.randrange(256) for _ in range(size))[1:] if size else b""
        text = b""
        while len(text) < size:
            text += bytes(rng.choice(b"abc XYZ 0123 .,;\t") for _ in range(rng.randint(0, 80))) + b"\r\n"
        for kind, data in (("binary", binary), ("text", text[:size])):
            open(path, "wb").write(data)
            want = data if kind == "binary" else data.split(b"\x1a", 1)[0].replace(b"\r\n", b"\n")
            encoded = tool("attachpart", "base64", path, "file.dat").partition(b"base64\n\n")[2]
            check(f"base64 {kind} {size} line length", [l for l in encoded.split(b"\n") if len(l) > 72], [])
            check(f"base64 {kind} {size}", subprocess.run(["base64", "-d"], input=encoded, capture_output=True).stdout, data)
            block = tool("attachpart", "uuencode", path, "file.dat")
            subprocess.run(["uudecode"], input=block.replace(b"begin 644 file.dat", b"begin 644 " + out.encode()), check=True)
            check(f"uuencode {kind} {size}", open(out, "rb").read(), want)
            os.remove(out)
            if kind == "text" and size:
                check(f"inline {size}", tool("attachpart", "text", path, "file.dat"),
                      b'\n--==Velmar_v8.2==\nContent-Type: text/plain; name="file.dat"\n'
                      b"Content-Transfer-Encoding: 7bit\n\n" + want + b"\n")

print(f"roundtrip_check: {failures} failures" if failures else "roundtrip_check: ok",
      file=sys.stderr if failures else None)
sys.exit(1 if failures else 0)
