#!/usr/bin/env python3
"""The project's encoders (the Release tools) against independent tools on the same inputs.

Prints, for each encoder, the median wall time of our tool and of each reference tool,
the ratio (reference time / project time, higher is better) with its target, our
throughput as a share of a plain memory copy of the same size (the limit no encoder can
beat), and the peak memory of our tools as the input grows. Targets are reported, never
enforced: a missed one prints "BELOW" and the script still succeeds. It fails only when a
tool fails.

    bench_compare.py TOOLS_DIR [MIB]

    VELMAR_BENCH_RUNS=5       runs of each of our tools (the median counts)
    VELMAR_BENCH_REF_RUNS=3   runs of each reference tool
MB in the printout is 10^6 bytes; input sizes are in MiB (2^20 bytes).
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

tools = sys.argv[1]
mib = int(sys.argv[2]) if len(sys.argv) > 2 else 128
our_runs = int(os.environ.get("VELMAR_BENCH_RUNS", "5"))
ref_runs = int(os.environ.get("VELMAR_BENCH_REF_RUNS", "3"))
here = os.path.dirname(os.path.abspath(__file__))
MB = 1e6


def run(cmd, path, report):
    """Wall time of one run with `path` on standard input and the output thrown away."""
    actions = [(os.POSIX_SPAWN_OPEN, 0, path, os.O_RDONLY, 0),
               (os.POSIX_SPAWN_OPEN, 1, os.devnull, os.O_WRONLY, 0),
               (os.POSIX_SPAWN_OPEN, 2, report, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o600)]
    start = time.perf_counter()
    pid = os.posix_spawnp(cmd[0], cmd, os.environ, file_actions=actions)
    _, status = os.waitpid(pid, 0)
    elapsed = time.perf_counter() - start
    if status != 0:
        with open(report) as f:
            sys.exit(f"bench: {' '.join(cmd)} failed: {f.read()}")
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


def memcpy_limit(tmp, path):
    """Bytes per second of the fastest in-memory copy of the file at `path`."""
    program = os.path.join(tmp, "bench_memcpy")
    subprocess.run(["gcc", "-O2", "-o", program, os.path.join(here, "bench_memcpy.c")], check=True)
    out = subprocess.run([program, path, "7"], check=True, capture_output=True, text=True).stdout
    return float(out.split()[0])


# Latin-1 text with CR LF line ends (8-bit letters, "=" and long lines to wrap).
text = ("Sehr geehrte Damen und Herren, anbei die \u00dcbersicht f\u00fcr M\u00e4rz (Kosten = 1.250 \u20ac).\r\n"
        "From the office: bitte pr\u00fcfen Sie die Angaben bis Freitag.\r\n\r\n").encode("cp1252")
binary = bytes((i * 131 + 7) & 0xFF for i in range(4093))
# No half-width katakana: ISO-2022-JP cannot hold them, and iconv, nkf and Python would
# each do something different with them (widen, refuse or write an escape of their own).
sjis = ("\u65e5\u672c\u8a9e\u306e\u30c6\u30b9\u30c8 abc \u30ac\u30d1 \u6f22\u5b57\r\n").encode("shift_jis")

# Reference commands; `p` is the input file, which is also on standard input.
qp_py = ["python3", "-c", "import binascii,sys; sys.stdout.buffer.write(binascii.b2a_qp(sys.stdin.buffer.read()))"]
# Perl takes "\n" as the line end, so each CR before it goes out as "=0D": the same scan,
# slightly more output than the others write.
qp_perl = ["perl", "-MMIME::QuotedPrint", "-e", "binmode STDIN; binmode STDOUT; local $/; print encode_qp(<STDIN>)"]
# qprint reads standard input and writes standard output when given no file names; -e
# encodes text (CR LF line ends stay hard line breaks).
qp_qprint = ["qprint", "-e"]
iconv = ["iconv", "-f", "SHIFT_JIS", "-t", "ISO-2022-JP"]
# nkf: -S Shift-JIS in, -j ISO-2022-JP out, -m0 no MIME decoding of "=?...?=" in the
# input (on by default: an extra scan the others do not make). Line ends are left alone
# unless -L is given. On this input all four write the same bytes.
nkf = ["nkf", "-S", "-j", "-m0"]
sjis_py = ["python3", "-c",
           "import sys; sys.stdout.buffer.write(sys.stdin.buffer.read().decode('shift_jis').encode('iso2022_jp'))"]


def attach(mode):
    # attachpart_tool takes its file as an argument; standard input is not read.
    return lambda p: [os.path.join(tools, "attachpart_tool"), mode, p, "input.bin"]


def tool(name):
    return lambda p: [os.path.join(tools, name)]


def same(cmd):
    return lambda p: cmd


# (title, input kind, our tool, [(reference name, command, target ratio or None)])
cases = [
    ("quoted-printable", "text", "qp_tool", tool("qp_tool"),
     [("Python binascii.b2a_qp", same(qp_py), 10.0),
      ("Perl MIME::QuotedPrint encode_qp", same(qp_perl), 4.0),
      ("qprint -e", same(qp_qprint), None)]),
    ("base64 (72-character lines)", "binary", "attachpart_tool base64", attach("base64"),
     [("coreutils base64 -w 72", lambda p: ["base64", "-w", "72", p], 2.5)]),
    ("uuencode", "binary", "attachpart_tool uuencode", attach("uuencode"),
     [("sharutils uuencode", lambda p: ["uuencode", p, "input.bin"], 2.5)]),
    ("Shift-JIS to ISO-2022-JP", "sjis", "sjis2jis_tool", tool("sjis2jis_tool"),
     [("iconv -f SHIFT_JIS -t ISO-2022-JP", same(iconv), 10.0),
      ("nkf -S -j -m0", same(nkf), None),
      ("Python codecs shift_jis -> iso2022_jp", same(sjis_py), None)]),
]

size = mib << 20
peak_sizes = sorted({1, 16, 64, mib})
with tempfile.TemporaryDirectory() as tmp:
    report = os.path.join(tmp, "report")
    inputs = {}
    for name, pattern in (("text", text), ("binary", binary), ("sjis", sjis)):
        for m in peak_sizes:
            path = os.path.join(tmp, f"{name}-{m}")
            fill(path, pattern, m << 20)
            inputs[name, m] = path

    limit = memcpy_limit(tmp, inputs["binary", mib])
    print(f"== encoders against independent tools: {mib} MiB inputs, median of {our_runs} runs of ours "
          f"and {ref_runs} of each reference (MB = 10^6 bytes)")
    print(f"the limit: memcpy of {mib} MiB in memory at {limit / MB:.0f} MB/s (fastest of 7 copies)")

    met = missed = 0
    for title, kind, _, ours, references in cases:
        path = inputs[kind, mib]
        ours_times, ref_times = [], [[] for _ in references]
        # Rounds that alternate ours and the references, so that a slow spell of the
        # machine hits both sides alike.
        for i in range(max(our_runs, ref_runs)):
            if i < our_runs:
                ours_times.append(run(ours(path), path, report))
            if i < ref_runs:
                for times, (_, cmd, _) in zip(ref_times, references):
                    times.append(run(cmd(path), path, report))
        ours_time = statistics.median(ours_times)
        rate = size / ours_time
        print(f"{title}: ours {ours_time:.3f} s, {rate / MB:.0f} MB/s, "
              f"{100 * rate / limit:.1f}% of memcpy")
        for (name, _, target), times in zip(references, ref_times):
            ref_time = statistics.median(times)
            ratio = ref_time / ours_time
            if target is None:
                verdict = "report only"
            elif ratio >= target:
                verdict, met = f"target {target:g}x: meets", met + 1
            else:
                verdict, missed = f"target {target:g}x: BELOW", missed + 1
            print(f"  vs {name}: {ref_time:.3f} s ({size / ref_time / MB:.0f} MB/s), "
                  f"ours {ratio:.2f}x faster ({verdict})")

    print(f"targets: {met} met, {missed} BELOW")
    print("peak memory of our tools (KiB, GNU time %M) by input size; flat = within 1 MiB of the 1 MiB figure")
    print("  " + " " * 24 + "".join(f"{str(m) + ' MiB':>10}" for m in peak_sizes))
    for _, kind, label, ours, _ in cases:
        peaks = [peak(ours(inputs[kind, m]), inputs[kind, m], report) for m in peak_sizes]
        growth = max(abs(k - peaks[0]) for k in peaks)
        flat = "flat" if growth <= 1024 else f"NOT flat (up to {growth} KiB off)"
        print(f"  {label:<24}" + "".join(f"{k:>10}" for k in peaks) + f"   {flat}")
