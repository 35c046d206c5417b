"""Messages the real velmar1.exe sends in batch under Wine (in the test run's prefix) parse
cleanly with Python's email package and decode to what was sent: Latin-1 with attachments,
Japanese on code page 932 (a private locale), Cyrillic switches and file names beyond the
ANSI code page; the window's golden files of typed Unicode decode to the typed text."""
import email
import email.policy
import os
import pathlib
import shutil
import subprocess
import sys
import unicodedata

ROOT = os.environ.get("VELMAR_ROOT", os.path.join(os.path.dirname(__file__), "..", ".."))
PREFIX = os.environ.get("WINEPREFIX", os.path.join(ROOT, "build", "wineprefix"))
SPOOL = os.path.join(PREFIX, "drive_c", "MAIL", "spool")
WORK = os.path.join(PREFIX, "drive_c", "mailcheck")
BUILD = os.environ.get("VELMAR_WINDOWS_BUILD", "windows")  # or "windows32", the shipped 32-bit build
CLIENT = os.path.join(ROOT, "build", BUILD, "bin", "velmar1.exe")
failures = []


def parse(raw):
    message = email.message_from_bytes(raw, policy=email.policy.default)
    return message, [d for part in message.walk() for d in part.defects]


def send(files, *arguments, **env_extra):
    """A machine without server configuration, `files` in C:\\mailcheck, one send: the data file."""
    env = dict(os.environ, WINEPREFIX=PREFIX, WINEDEBUG="-all", WINEARCH="win64", **env_extra)
    env.pop("DISPLAY", None)
    # A bare `wine reg` is the 32-bit tool when the 32-bit Wine is installed: name the build's view.
    view = "/reg:32" if BUILD == "windows32" else "/reg:64"
    subprocess.run(["wine", "reg", "delete", r"HKLM\SOFTWARE\Brindle", "/f", view], env=env, capture_output=True)
    for d in (SPOOL, WORK):
        shutil.rmtree(d, ignore_errors=True)
        os.makedirs(d)
    for name, data in files.items():
        pathlib.Path(WORK, name).write_bytes(data)
    run = subprocess.run(["wine", CLIENT, *arguments], env=env, capture_output=True, timeout=120)
    if run.returncode != 0:
        failures.append(f"velmar1.exe exited {run.returncode}")
    names = [n for n in os.listdir(SPOOL) if n.startswith("D")]
    if len(names) != 1:
        sys.exit(f"client_email_check: expected one data file, found {os.listdir(SPOOL)}")
    raw = pathlib.Path(SPOOL, names[0]).read_bytes()
    for d in (WORK, SPOOL):
        shutil.rmtree(d, ignore_errors=True)
    os.makedirs(SPOOL)
    message, defects = parse(raw)
    if defects:
        failures.append(f"defects: {defects}")
    return raw, message


# A Latin-1 body (sent quoted-printable), an attachment with a line that reads as the message's
# boundary (sent base64: its exact bytes), an 8-bit subject with its charset.
body = b"Gr\xfc\xdfe, caf\xe9 = na\xefve\r\n\tplain line\r\n"
text = b"line of the report\r\n--==Velmar_v8.2==\r\n"
job = (b"T:Bob <bob@example.com>\r\nS:Gr\xfc\xdfe aus K\xf6ln\r\nLS:iso-8859-1\r\nLB:iso-8859-1\r\n"
       b"F:C:\\mailcheck\\body.txt\r\nA:C:\\mailcheck\\report.txt::report.txt\r\n")
_, message = send({"body.txt": body, "report.txt": text, "job~NEX.txt": job}, r"C:\mailcheck\job~NEX.txt")
if str(message["Subject"]) != "Gr\xfc\xdfe aus K\xf6ln" or message["To"].addresses[0].addr_spec != "bob@example.com":
    failures.append(f"subject {message['Subject']!r}, to {message['To']!r}")
parts = list(message.iter_parts())
# The encoder's own leading line end is extra.
if len(parts) != 2 or parts[0].get_payload(decode=True).strip(b"\r\n") != body.strip(b"\r\n"):
    failures.append(f"{len(parts)} parts, or the text part differs from the body")
elif parts[1].get_filename() != "report.txt" or parts[1].get_payload(decode=True) != text:
    failures.append("the attachment does not decode to the original")

locpath = os.path.join(ROOT, "build", "locale")
if not os.path.isdir(os.path.join(locpath, "ja_JP.UTF-8")):
    os.makedirs(locpath, exist_ok=True)
    subprocess.run(["localedef", "-i", "ja_JP", "-f", "UTF-8", os.path.join(locpath, "ja_JP.UTF-8")], capture_output=True)
jtext = "日本語のテキストです。\nカタカナとｶﾞｷﾞｸﾞ、ﾊﾟﾋﾟ。\nASCII line\n"
subject = "テストの件名"
raw, message = send({"body.txt": jtext.replace("\n", "\r\n").encode("shift_jis")}, "-t", "bob@example.com",
                    "-s", subject, "-f", r"C:\mailcheck\body.txt", LOCPATH=locpath, LANG="ja_JP.UTF-8", LC_ALL="ja_JP.UTF-8")
header, _, jbody = raw.partition(b"\r\n\r\n")
if b"Content-Type: text/plain; charset=ISO-2022-JP\r\n" not in header + b"\r\n" or b"Content-Transfer-Encoding" in header:
    failures.append("not a plain ISO-2022-JP body (is the code page 932?):\n" + header.decode("latin-1"))
got = jbody.decode("iso2022_jp").replace("\r\n", "\n")
if got.strip("\n") != unicodedata.normalize("NFKC", jtext).strip("\n"):
    failures.append(f"Japanese body decodes to {got!r}")
# An unquoted switch value runs to the next hyphen: the subject keeps its trailing blank.
if str(message["Subject"]) != subject + " ":
    failures.append(f"Japanese subject decodes to {message['Subject']!r}")

cyrillic = "Привет, мир"
raw, message = send({"тело.txt": b"caf\xe9 \x96 ok\r\n", "café.txt": b"notes\r\n"}, "-t", "bob@example.com",
                    "-s", cyrillic, "-a", r"C:\mailcheck\café.txt", "-f", r"C:\mailcheck\тело.txt")
parts = list(message.iter_parts())
# Wine quotes an argument that holds a blank: the quoted value has no trailing blank.
if str(message["Subject"]) != cyrillic or len(parts) != 2 or parts[0].get_content_charset() != "utf-8":
    failures.append(f"Cyrillic switch: subject {message['Subject']!r}, {len(parts)} parts")
elif parts[0].get_content().strip("\r\n") != "café – ok" or parts[1].get_filename() != "café.txt":
    failures.append(f"Cyrillic switch: body {parts[0].get_content()!r}, attachment {parts[1].get_filename()!r}")

golden = os.path.join(ROOT, "tests", "e2e", "golden")
expected = {  # name: To, Subject, body, charset
    "window_utf8": ("Łukasz Żółw <alice@example.com>, Иван <ivan@example.com>",
                    "Zażółć gęślą jaźń, Привет, Γειά, 会議 😀",
                    "Здравствуйте!\nbring the 📎 files. 東京で… Καλημέρα\n", "utf-8"),
    "window_cp1252_dash": ("bob@example.com", "Plan – €5",
                           "This line is far longer than the wrap column, so it is cut\nat the last blank – bring…\nshort\n",
                           "windows-1252"),
}
for name, (to, subject, text, charset) in expected.items():
    message, defects = parse(pathlib.Path(golden, name + ".D.ref").read_bytes())
    got = (str(message["To"]), str(message["Subject"]), message.get_content().replace("\r\n", "\n").strip("\n") + "\n",
           message.get_content_charset())
    if defects or got != (to, subject, text, charset):
        failures.append(f"{name}: {got!r}, defects {defects}")

if failures:
    print("client_email_check: " + "; ".join(failures))
    sys.exit(1)
print("client_email_check: ok (Latin-1, Japanese and Unicode messages decode to what was sent)")
