"""On a Japanese system (ANSI code page 932) a Shift-JIS body is sent as ISO-2022-JP and
a Japanese subject as encoded words: both decode back to the original text, half-width
katakana widened.

Runs the real velmar1.exe under Wine in the test run's prefix, with a private Japanese
locale (built by localedef) so that the client's code page is 932."""
import email
import email.policy
import os
import subprocess
import sys
import unicodedata

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import wineclient  # noqa: E402

locpath = os.path.join(wineclient.ROOT, "build", "locale")
if not os.path.isdir(os.path.join(locpath, "ja_JP.UTF-8")):
    os.makedirs(locpath, exist_ok=True)
    subprocess.run(["localedef", "-i", "ja_JP", "-f", "UTF-8", os.path.join(locpath, "ja_JP.UTF-8")],
                   check=False, capture_output=True)
env = wineclient.wine_env(LOCPATH=locpath, LANG="ja_JP.UTF-8", LC_ALL="ja_JP.UTF-8")
work = wineclient.fresh_machine(env, "sjischeck")

text = "日本語のテキストです。\nカタカナとｶﾞｷﾞｸﾞ、ﾊﾟﾋﾟ。\nASCII line\n"
with open(os.path.join(work, "body.txt"), "wb") as f:
    f.write(text.replace("\n", "\r\n").encode("shift_jis"))
subject = "テストの件名"

run = wineclient.run_client(env, "-t", "bob@example.com", "-s", subject, "-f", r"C:\sjischeck\body.txt")
failures = []
if run.returncode != 0:
    failures.append(f"velmar1.exe exited {run.returncode}")
raw = wineclient.only_data_file()
if raw is None:
    print(f"shiftjis_body_check: expected one data file, found {os.listdir(wineclient.SPOOL)}")
    sys.exit(1)
header, _, body = raw.partition(b"\r\n\r\n")
if b"Content-Type: text/plain; charset=ISO-2022-JP\r\n" not in header + b"\r\n":
    failures.append("no ISO-2022-JP content type (is the code page 932?):\n" + header.decode("latin-1"))
if b"Content-Transfer-Encoding" in header:
    failures.append("an ISO-2022-JP body has no transfer encoding")
want = unicodedata.normalize("NFKC", text)  # half-width katakana widened
got = body.decode("iso2022_jp").replace("\r\n", "\n")
if got.strip("\n") != want.strip("\n"):
    failures.append(f"body decodes to {got!r}, want {want!r}")
message = email.message_from_bytes(raw, policy=email.policy.default)
# An unquoted switch value runs to the next hyphen: the subject keeps its trailing blank.
if str(message["Subject"]) != subject + " ":
    failures.append(f"subject decodes to {message['Subject']!r}")

wineclient.clean_up(work)
if failures:
    print("shiftjis_body_check: " + "; ".join(failures))
    sys.exit(1)
print("shiftjis_body_check: ok (code page 932: body and subject decode from ISO-2022-JP)")
