#!/usr/bin/env python3
"""Whole batch sends of the Windows build under Wine against Python's email package.

Each case is one `velmar1.exe -t ... -s ... -f BODY [-a FILE]` run that queues a message in
C:\\MAIL\\spool of a private Wine prefix (build/wineprefix-bench) on the built-in default
configuration, timed from the start of `wine` to the end of the client's process, against
Python building the same message (same charset and transfer encoding) and writing it to
a file. Bodies of 1, 16 and 64 MiB, ASCII (sent as it is, 7bit) and Latin-1 (8-bit, so
quoted-printable), and a 16 MiB binary attachment (base64) behind a small body.

Every send must queue exactly one control file and one data file at least as large as
its input, exit 0 and reach the pipe server stand-in; otherwise the script stops with an
error, since a timing of a failed send means nothing. Targets are reported, not enforced:
a missed one prints "BELOW".

    scripts/bench_send.py          (after scripts/build.sh windows)

    VELMAR_BENCH_SEND_RUNS=3          runs of each side per case (the median counts)
    VELMAR_BENCH_SEND_SIZES="1 16 64" body sizes in MiB
MB in the printout is 10^6 bytes; sizes of inputs are in MiB (2^20 bytes).
"""
import ctypes
import os
import random
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

MB = 1e6
PR_SET_CHILD_SUBREAPER = 36


def build_with_python(kind, out_path, body_path, attachment_path=None):
    """Python's email package builds the message the client sends and writes it to a file
    with CR LF line ends (runs in its own process, see --python-build below)."""
    from email import policy
    from email.generator import BytesGenerator
    from email.message import EmailMessage
    from email.utils import formatdate, make_msgid

    with open(body_path, "rb") as f:
        body = f.read()
    message = EmailMessage(policy=policy.SMTP)
    message["Date"] = formatdate()
    message["Message-Id"] = make_msgid(domain="localhost")
    message["From"] = "<root@localhost>"
    message["To"] = "<bob@example.com>"
    message["Subject"] = "Benchmark"
    if kind == "latin1":
        message.set_content(body.decode("latin-1"), charset="iso-8859-1", cte="quoted-printable")
    else:
        message.set_content(body.decode("ascii"), charset="us-ascii", cte="7bit")
    if attachment_path is not None:
        with open(attachment_path, "rb") as f:
            data = f.read()
        # Python writes 76-character base64 lines where the client writes 72.
        message.add_attachment(data, maintype="application", subtype="octet-stream",
                               filename=os.path.basename(attachment_path))
    with open(out_path, "wb") as f:
        BytesGenerator(f, policy=policy.SMTP).flatten(message)
    # The peak of this process's own memory: VmHWM starts afresh at exec, where the usage
    # figures of wait4 would carry over the parent's peak.
    with open("/proc/self/status") as f:
        print(next(line.split()[1] for line in f if line.startswith("VmHWM:")))


if len(sys.argv) > 1 and sys.argv[1] == "--python-build":
    build_with_python(*sys.argv[2:])
    sys.exit(0)

root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
bin_dir = os.path.join(root, "build", "windows", "bin")
client = os.path.join(bin_dir, "velmar1.exe")
runs = int(os.environ.get("VELMAR_BENCH_SEND_RUNS", "3"))
sizes = [int(m) for m in os.environ.get("VELMAR_BENCH_SEND_SIZES", "1 16 64").split()]
if not os.path.exists(client):
    sys.exit(f"bench: {client} is missing: run scripts/build.sh windows first")

# One Wine environment for every step (scripts/wine-env.sh), with a prefix of its own.
prefix = os.path.join(root, "build", "wineprefix-bench")
env = subprocess.run(["bash", "-c", 'source "$1" && env -0', "bash", os.path.join(root, "scripts", "wine-env.sh")],
                     env=dict(os.environ, VELMAR_ROOT=root, WINEPREFIX=prefix),
                     check=True, capture_output=True).stdout.decode()
env = dict(item.split("=", 1) for item in env.split("\0") if item)
drive_c = os.path.join(prefix, "drive_c")
spool = os.path.join(drive_c, "MAIL", "spool")
inputs = os.path.join(drive_c, "bench")


def write_text(path, lines, encoding, size):
    """About `size` bytes of the `lines` over and over, CR LF line ends, each line whole.
    No line starts with "From " and no byte is 0x1A, which the client would treat apart."""
    block = "".join(line + "\r\n" for line in lines).encode(encoding)
    block = block * ((1 << 20) // len(block))
    with open(path, "wb") as f:
        for _ in range(size >> 20):
            f.write(block)


ascii_lines = ["Dear all, the minutes of Monday's meeting follow below; please check them.",
               "1. The budget for the next quarter was approved (total = 12,500 units).",
               "2. Deliveries to the north depot move to Thursdays, starting next month.",
               ""]
latin1_lines = ["Sehr geehrte Damen und Herren, anbei die \u00dcbersicht f\u00fcr M\u00e4rz (Kosten = 1.250 DM).",
                "Gr\u00fc\u00dfe aus M\u00fcnchen; bitte pr\u00fcfen Sie die Angaben bis Freitag, danke.",
                "Caf\u00e9, na\u00efve, se\u00f1or: eine l\u00e4ngere Zeile, die f\u00fcr die Zeilenl\u00e4nge der Kodierung "
                "umbrochen werden muss, weil sie deutlich mehr als sechsundsiebzig Zeichen enth\u00e4lt.",
                ""]


class Sender:
    """Runs the client under Wine and reaps its process itself: Wine starts the program in
    a process of its own that leaves the `wine` launcher's tree, so this process makes
    itself the subreaper of its descendants to wait for the client's process and read its
    peak memory: the Linux peak resident set of that process, which holds the program with
    Wine's loader and DLLs (about the same at every size) and is never below the resident
    set of the launcher it was forked from (about 14 MiB)."""

    def __init__(self, log):
        self.log = log
        libc = ctypes.CDLL(None, use_errno=True)
        if libc.prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0) != 0:
            sys.exit(f"bench: prctl: {os.strerror(ctypes.get_errno())}")

    def spawn(self, args):
        out = os.open(self.log, os.O_WRONLY | os.O_CREAT | os.O_APPEND, 0o600)
        try:
            return os.posix_spawnp("wine", ["wine"] + args, env,
                                   file_actions=[(os.POSIX_SPAWN_OPEN, 0, os.devnull, os.O_RDONLY, 0),
                                                 (os.POSIX_SPAWN_DUP2, out, 1), (os.POSIX_SPAWN_DUP2, out, 2)])
        finally:
            os.close(out)

    def reap(self, block):
        """One exited descendant as (pid, its command name, exit code, peak KiB), or None."""
        try:
            info = os.waitid(os.P_ALL, 0, os.WEXITED | os.WNOWAIT | (0 if block else os.WNOHANG))
        except ChildProcessError:
            return None
        if info is None:
            return None
        try:
            with open(f"/proc/{info.si_pid}/comm") as f:
                name = f.read().strip()
        except OSError:
            name = "?"
        pid, status, usage = os.wait4(info.si_pid, 0)
        return pid, name, os.waitstatus_to_exitcode(status), usage.ru_maxrss

    def send(self, args, program=None, name="velmar1.exe"):
        """Wall time, exit code and peak memory (KiB, or None) of one client run (or of
        another program's, whose process goes by `name`)."""
        start = time.perf_counter()
        launcher = self.spawn([program or client] + args)
        code = peak = None
        ended = start
        deadline = None
        # The launcher returns when Wine reports the program ended; the program's own Unix
        # process may exit a moment later (or be the launcher itself).
        while code is None or (peak is None and time.perf_counter() < deadline):
            got = self.reap(block=code is None)
            if got is None:
                if code is None:
                    sys.exit(f"bench: the launcher of {name} vanished")
                time.sleep(0.001)
                continue
            pid, process, status, rss = got
            if pid == launcher:
                code, ended = status, max(ended, time.perf_counter())
                deadline = time.perf_counter() + 5
            if process == name:
                peak, ended = rss, max(ended, time.perf_counter())
        return ended - start, code, peak


def spool_files():
    return sorted(os.listdir(spool))


def clean_spool():
    for name in spool_files():
        os.remove(os.path.join(spool, name))


def lines_of(path):
    try:
        with open(path, "rb") as f:
            return f.read().count(b"\n")
    except FileNotFoundError:
        return 0


def check_queued(label, code, least, record, notified, encoding=None):
    """Stops the benchmark unless the send queued exactly one message of at least `least`
    bytes, in the transfer encoding `encoding` (None: the body as it is), and the pipe
    server stand-in recorded its notification."""
    files = spool_files()
    controls = [n for n in files if n.upper().startswith("Q") and n.upper().endswith(".GSC")]
    datas = [n for n in files if n.upper().startswith("D") and n.upper().endswith(".GSC")]
    if code != 0 or len(controls) != 1 or len(datas) != 1 or len(files) != 2:
        sys.exit(f"bench: send of {label} failed: exit code {code}, spool holds {files}")
    size = os.path.getsize(os.path.join(spool, datas[0]))
    if size < least:
        sys.exit(f"bench: send of {label} queued a data file of {size} bytes, less than its {least} bytes of input")
    with open(os.path.join(spool, datas[0]), "rb") as f:
        head = f.read(8192).lower()
    given = next((e for e in ("quoted-printable", "base64") if f"content-transfer-encoding: {e}".encode() in head), None)
    if given != encoding:
        sys.exit(f"bench: send of {label} went out as {given or 'it is'}, not {encoding or 'as it is'}")
    deadline = time.perf_counter() + 10
    while lines_of(record) < notified and time.perf_counter() < deadline:
        time.sleep(0.01)
    if lines_of(record) != notified:
        sys.exit(f"bench: send of {label}: the pipe server stand-in has {lines_of(record)} notifications, "
                 f"not {notified}")
    return size


def python_build(args, least, report):
    """Wall time and peak memory (KiB) of Python building one message into a file."""
    out = args[1]
    start = time.perf_counter()
    pid = os.posix_spawnp(sys.executable, [sys.executable, os.path.abspath(__file__), "--python-build"] + args,
                          os.environ,
                          file_actions=[(os.POSIX_SPAWN_OPEN, 1, report, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o600)])
    _, status = os.waitpid(pid, 0)
    elapsed = time.perf_counter() - start
    if status != 0 or os.path.getsize(out) < least:
        sys.exit(f"bench: Python failed to build {args}")
    os.remove(out)
    with open(report) as f:
        return elapsed, int(f.read().split()[-1])


def main():
    subprocess.run([os.path.join(root, "scripts", "wine-prefix.sh"), "create"], env=env, check=True)
    tmp = tempfile.mkdtemp(prefix="velmar-bench-send-")
    try:
        run_cases(tmp)
    finally:
        subprocess.run([os.path.join(root, "scripts", "wine-prefix.sh"), "stop"], env=env, check=False)
        shutil.rmtree(tmp, ignore_errors=True)
        shutil.rmtree(inputs, ignore_errors=True)


def run_cases(tmp):
    os.makedirs(spool, exist_ok=True)
    os.makedirs(inputs, exist_ok=True)
    # (label, kind, body MiB, attachment MiB or 0)
    cases = [(f"ASCII body {m} MiB (7bit)", "ascii", m, 0) for m in sizes]
    cases += [(f"Latin-1 body {m} MiB (quoted-printable)", "latin1", m, 0) for m in sizes]
    cases += [("16 MiB attachment (base64), small body", "ascii", 0, 16)]
    for _, kind, m, attach in cases:
        if m:
            write_text(os.path.join(inputs, f"{kind}{m}.txt"), ascii_lines if kind == "ascii" else latin1_lines,
                       "latin-1", m << 20)
    with open(os.path.join(inputs, "small.txt"), "wb") as f:
        f.write("".join(line + "\r\n" for line in ascii_lines).encode("ascii"))
    with open(os.path.join(inputs, "attach.bin"), "wb") as f:
        f.write(random.Random(1).randbytes(16 << 20))

    # The pipe server stand-in takes every notification (without it each send would spend
    # its connection attempts on a missing pipe), then ends by itself.
    records = os.path.join(tmp, "records")
    os.makedirs(records)
    record = os.path.join(records, "pipeserver.log")
    env["VELMAR_RECORD_DIR"] = "Z:" + records.replace("/", "\\")
    sender = Sender(os.path.join(tmp, "wine.log"))
    sends = 1 + runs * len(cases)
    sender.spawn([os.path.join(bin_dir, "pipeserver.exe"), "-n", str(sends)])
    time.sleep(1)

    # One throw-away send warms Wine (the wineserver is already up: wine-prefix.sh -p).
    notified = 0
    base = ["-t", "bob@example.com", "-s", "Benchmark"]
    clean_spool()
    _, code, _ = sender.send(base + ["-f", "C:\\bench\\small.txt"])
    notified += 1
    check_queued("the warm-up", code, 0, record, notified)
    clean_spool()

    print(f"== whole batch sends under Wine (build/windows, velmar1.exe) against Python {sys.version.split()[0]} "
          f"email building the same message into a file; median of {runs} runs; MB/s of the body or "
          f"attachment, MB = 10^6 bytes")
    # Wine's own cost of starting and ending a program, which every send pays.
    idle = statistics.median(sender.send(["/c", "exit"], program="cmd", name="cmd.exe")[0] for _ in range(runs))
    print(f"  Wine starting and ending a program that does nothing (wine cmd /c exit): {idle:.3f} s")
    print(f"  {'message':<42}{'client':>22}{'Python email':>22}{'client faster':>15}{'peak client':>13}"
          f"{'peak Python':>13}")
    results = {}
    for label, kind, m, attach in cases:
        if attach:
            body, path = os.path.join(inputs, "small.txt"), os.path.join(inputs, "attach.bin")
            args = base + ["-f", "C:\\bench\\small.txt", "-a", "C:\\bench\\attach.bin"]
            py_args = [kind, os.path.join(tmp, "python.eml"), body, path]
            encoding = "base64"
        else:
            path = os.path.join(inputs, f"{kind}{m}.txt")
            args = base + ["-f", f"C:\\bench\\{kind}{m}.txt"]
            py_args = [kind, os.path.join(tmp, "python.eml"), path]
            encoding = "quoted-printable" if kind == "latin1" else None
        size = os.path.getsize(path)
        ours, ours_peaks, theirs, their_peaks = [], [], [], []
        for _ in range(runs):
            elapsed, code, peak = sender.send(args)
            notified += 1
            check_queued(label, code, size, record, notified, encoding)
            clean_spool()
            ours.append(elapsed)
            ours_peaks.append(peak)
            elapsed, peak = python_build(py_args, size, os.path.join(tmp, "python.peak"))
            theirs.append(elapsed)
            their_peaks.append(peak)
        t_ours, t_theirs = statistics.median(ours), statistics.median(theirs)
        peak = max((p for p in ours_peaks if p is not None), default=None)
        results[kind, m, attach] = (size / t_ours, t_theirs / t_ours, peak, size, t_ours, t_theirs)
        print(f"  {label:<42}{t_ours:>8.3f} s {size / t_ours / MB:>6.0f} MB/s"
              f"{t_theirs:>8.3f} s {size / t_theirs / MB:>6.0f} MB/s{t_theirs / t_ours:>14.2f}x"
              f"{mib_text(peak):>13}{mib_text(max(their_peaks)):>13}")

    print("  (peak: the largest resident set of the process, Wine's loader and DLLs included for the client)")
    report_targets(results)


def mib_text(kib):
    return "n/a" if kib is None else f"{kib / 1024:.1f} MiB"


def report_targets(results):
    lines = []
    # Every time above includes what each side pays for any message whatever its size
    # (for the client Wine's start and end, about 0.1 to 0.2 s here and far from steady).
    # The growth from the 1 MiB message to the larger one is what the body itself costs.
    def growth(kind, m):
        small, large = results.get((kind, 1, 0)), results.get((kind, m, 0))
        if small is None or large is None:
            return None
        ours, theirs = max(large[4] - small[4], 1e-3), max(large[5] - small[5], 1e-3)
        return (large[3] - small[3]) / ours, theirs / ours

    if ("ascii", 16, 0) in results:
        ratio = results["ascii", 16, 0][1]
        line = f"16 MiB ASCII body sent {ratio:.2f}x faster than Python builds it ({verdict(ratio >= 3, '3x')})"
        if growth("ascii", 16):
            net_ratio = growth("ascii", 16)[1]
            line += f"; from 1 to 16 MiB the time grows {net_ratio:.1f}x less ({verdict(net_ratio >= 3, '3x')})"
        lines.append(line)
    if ("latin1", 64, 0) in results:
        rate = results["latin1", 64, 0][0] / MB
        line = f"64 MiB Latin-1 body sent at {rate:.0f} MB/s ({verdict(rate >= 300, '300 MB/s')})"
        if growth("latin1", 64):
            net_rate = growth("latin1", 64)[0] / MB
            line += f"; from 1 to 64 MiB at {net_rate:.0f} MB/s ({verdict(net_rate >= 300, '300 MB/s')})"
        lines.append(line)
    # The client's memory as the body grows: flat means within 1 MiB of the 1 MiB figure.
    for kind, title in (("ascii", "ASCII"), ("latin1", "Latin-1")):
        small, large = (results.get((kind, m, 0), (0, 0, None))[2] for m in (1, 64))
        if small is not None and large is not None:
            growth = large - small
            flat = "flat" if abs(growth) <= 1024 else "NOT flat"
            lines.append(f"client peak memory, {title} body: {mib_text(small)} at 1 MiB, {mib_text(large)} "
                         f"at 64 MiB ({flat}: {growth:+d} KiB)")
    for line in lines:
        print("  " + line)


def verdict(met, target):
    return f"target {target}: {'meets' if met else 'BELOW'}"


main()
