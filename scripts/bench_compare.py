#!/usr/bin/env python3
"""The project's encoders (the Release tools) against independent tools on the same input:
prints the time of each, the ratio (reference time / project time, higher is better) and
the project tool's peak memory at 1 MiB and at the full size."""
import os
import sys
import tempfile
import time

tools = sys.argv[1]
mib = int(sys.argv[2]) if len(sys.argv) > 2 else 64


def run(cmd, path, report):
    """Wall time of one run with `path` on standard input."""
    actions = [(os.POSIX_SPAWN_OPEN, 0, path, os.O_RDONLY, 0),
               (os.POSIX_SPAWN_OPEN, 1, os.devnull, os.O_WRONLY, 0),
               (os.POSIX_SPAWN_OPEN, 2, report, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o600)]
    start = time.perf_counter()
    pid = os.posix_spawnp(cmd[0], cmd, os.environ, file_actions=actions)
    _, status = os.waitpid(pid, 0)
    elapsed = time.perf_counter() - start
    if status != 0:
        with open(report) as f:
            sys.exit(f"bench: {cmd[0]} failed: {f.read()}")
    return elapsed


def peak(cmd, path, report):
    """Peak resident memory (KiB) of one run, as GNU time measures it from its own fork
    (a child of this process would inherit this process's peak at exec)."""
    run(["/usr/bin/time", "-f", "%M"] + cmd, path, report)
    with open(report) as f:
        return int(f.read().split()[-1])


def fill(path, pattern, size):
    """About `size` bytes of whole copies of `pattern` (no character is cut)."""
    block = pattern * ((1 << 20) // len(pattern))
    with open(path, "wb") as f:
        for _ in range(size >> 20):
            f.write(block)


text = ("Sehr geehrte Damen und Herren, anbei die \u00dcbersicht f\u00fcr M\u00e4rz (Kosten = 1.250 \u20ac).\r\n"
        "From the office: bitte pr\u00fcfen Sie die Angaben bis Freitag.\r\n\r\n").encode("cp1252")
binary = bytes((i * 131 + 7) & 0xFF for i in range(4093))
# No half-width katakana: iconv cannot write them in ISO-2022-JP (the converter widens them).
sjis = ("\u65e5\u672c\u8a9e\u306e\u30c6\u30b9\u30c8 abc \u30ac\u30d1 \u6f22\u5b57\r\n").encode("shift_jis")

qp_py = ["python3", "-c", "import binascii,sys; sys.stdout.buffer.write(binascii.b2a_qp(sys.stdin.buffer.read()))"]
qp_perl = ["perl", "-MMIME::QuotedPrint", "-e", "binmode STDIN; binmode STDOUT; local $/; print encode_qp(<STDIN>)"]

with tempfile.TemporaryDirectory() as tmp:
    inputs = {}
    for name, pattern in (("text", text), ("binary", binary), ("sjis", sjis)):
        for size in (1 << 20, mib << 20):
            path = os.path.join(tmp, f"{name}-{size}")
            fill(path, pattern, size)
            inputs[name, size] = path

    def attach(mode):
        # attachpart_tool takes its file as an argument; standard input is not read.
        return lambda path: [os.path.join(tools, "attachpart_tool"), mode, path, "input.bin"]

    cases = [
        ("quoted-printable", "text", lambda p: [os.path.join(tools, "qp_tool")],
         [("Python binascii.b2a_qp", lambda p: qp_py, 4.0), ("Perl encode_qp", lambda p: qp_perl, 2.0)]),
        ("base64 (72-character lines)", "binary", attach("base64"),
         [("coreutils base64 -w 72", lambda p: ["base64", "-w", "72", p], 1.0)]),
        ("uuencode", "binary", attach("uuencode"),
         [("sharutils uuencode", lambda p: ["uuencode", p, "input.bin"], 1.0)]),
        ("Shift-JIS to ISO-2022-JP", "sjis", lambda p: [os.path.join(tools, "sjis2jis_tool")],
         [("iconv", lambda p: ["iconv", "-f", "SHIFT_JIS", "-t", "ISO-2022-JP"], 5.0)]),
    ]
    size = mib << 20
    for title, kind, ours, references in cases:
        path = inputs[kind, size]
        report = os.path.join(tmp, "report")
        ours_time = run(ours(path), path, report)
        ours_peak = peak(ours(path), path, report)
        small_peak = peak(ours(inputs[kind, 1 << 20]), inputs[kind, 1 << 20], report)
        print(f"{title}: {mib} MiB in {ours_time:.3f} s ({mib / ours_time:.0f} MiB/s); "
              f"peak memory {small_peak} KiB at 1 MiB, {ours_peak} KiB at {mib} MiB")
        for name, cmd, target in references:
            ref_time = run(cmd(path), path, report)
            ratio = ref_time / ours_time
            verdict = "meets" if ratio >= target else "BELOW"
            print(f"  vs {name}: {ref_time:.3f} s, ratio {ratio:.2f} (target {target:g}: {verdict})")
