"""A message sent by the batch face parses cleanly with Python's email package and its
parts decode to the original body and attachments.

Runs the real velmar1.exe under Wine (in the test run's prefix) with a parameter file:
a Latin-1 body (sent quoted-printable), a binary and a text attachment, and an 8-bit
subject with a given charset."""
import email
import email.policy
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import wineclient  # noqa: E402

env = wineclient.wine_env()
work = wineclient.fresh_machine(env, "mailcheck")

rng = random.Random(7)
body = "".join(rng.choice(["caf\xe9 ", "na\xefve ", "= sign ", "from here ", "plain ", "\n", "\t"]) for _ in range(3000))
# Decoders drop white space at line ends, and a line starting "From " is guarded with ">":
# the generated body has neither.
body = "\n".join(line.rstrip(" \t") for line in body.split("\n")).encode("latin-1")
binary = bytes(rng.randrange(256) for _ in range(50000))
text = b"".join(b"line %d of the report\r\n" % i for i in range(400))
with open(os.path.join(work, "body.txt"), "wb") as f:
    f.write(body)
with open(os.path.join(work, "data.bin"), "wb") as f:
    f.write(binary)
with open(os.path.join(work, "report.txt"), "wb") as f:
    f.write(text)
job = os.path.join(work, "job~NEX.txt")
with open(job, "wb") as f:
    f.write(b"T:Bob <bob@example.com>\r\nS:Gr\xfc\xdfe aus K\xf6ln\r\nLS:iso-8859-1\r\nLB:iso-8859-1\r\n"
            b"F:C:\\mailcheck\\body.txt\r\nA:C:\\mailcheck\\data.bin\r\nA:C:\\mailcheck\\report.txt::report.txt\r\n")

run = wineclient.run_client(env, r"C:\mailcheck\job~NEX.txt")
failures = []
if run.returncode != 0:
    failures.append(f"velmar1.exe exited {run.returncode}")
raw = wineclient.only_data_file()
if raw is None:
    print(f"batch_email_check: expected one data file, found {os.listdir(wineclient.SPOOL)}")
    sys.exit(1)
message = email.message_from_bytes(raw, policy=email.policy.default)

def defects(part):
    found = list(part.defects)
    if part.is_multipart():
        for sub in part.iter_parts():
            found += defects(sub)
    return found

if defects(message):
    failures.append(f"defects: {defects(message)}")
if str(message["Subject"]) != "Gr\xfc\xdfe aus K\xf6ln":
    failures.append(f"subject decodes to {message['Subject']!r}")
if message["To"].addresses[0].addr_spec != "bob@example.com":
    failures.append(f"To is {message['To']}")
parts = list(message.iter_parts())
if len(parts) != 3:
    failures.append(f"{len(parts)} parts")
else:
    text_body = parts[0].get_payload(decode=True)
    # The body's line ends come back as CR LF; the encoder's own leading line end is extra.
    want = body.replace(b"\n", b"\r\n")
    if text_body.strip(b"\r\n") != want.strip(b"\r\n"):
        failures.append("text part differs from the body")
    by_name = {p.get_filename(): p for p in parts[1:]}
    if by_name.get("data.bin") is None or by_name["data.bin"].get_payload(decode=True) != binary:
        failures.append("data.bin does not decode to the original")
    if by_name.get("report.txt") is None or by_name["report.txt"].get_payload(decode=True).replace(b"\r\n", b"\n") != text.replace(b"\r\n", b"\n"):
        failures.append("report.txt does not decode to the original")

wineclient.clean_up(work)
if failures:
    print("batch_email_check: " + "; ".join(failures))
    sys.exit(1)
print("batch_email_check: ok (no defects; body, subject and both attachments decode to the originals)")
