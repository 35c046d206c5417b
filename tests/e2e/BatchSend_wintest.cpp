// The batch face end to end: velmar1.exe started the way other programs start it, with a
// real registry, profile file and spool directory; the queue file set that lands is
// checked byte for byte (Date and Message-Id by their shape), and the window never shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "tests/support/SpoolRig.h"
#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

using wintest::ChildProcess;

constexpr char rootUserKey[] = "SOFTWARE\\Brindle\\Velmar\\Domains\\\\Users\\root";

const char preamble[] =
    "------------------------------------------------------------------------\r\n"
    "This mail message contains standard MIME attachments.  If you see this\r\n"
    "note, your e-mail program does not support MIME.  You may need a MIME-\r\n"
    "compliant mail reader to read any non-text attachments in this message.\r\n"
    "------------------------------------------------------------------------\r\n"
    "\r\n";

// Splits off the Date and Message-Id lines (checked by shape) and returns the rest.
std::string WithoutDateAndId(const std::string& data) {
    static const std::regex date(
        "Date: (Sun|Mon|Tue|Wed|Thu|Fri|Sat), [ 1-3][0-9] (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) "
        "20[0-9]{2} [0-2][0-9]:[0-5][0-9]:[0-5][0-9] [+-][0-9]{4}\r\n");
    static const std::regex id("Message-Id: <[0-9]{12}\\.AA[0-9]{5,}@localhost>\r\n");
    std::smatch m;
    std::string rest = data;
    if (!std::regex_search(rest, m, date)) return "no Date line in:\n" + data;
    rest = m.prefix().str() + m.suffix().str();
    if (!std::regex_search(rest, m, id)) return "no Message-Id line in:\n" + data;
    return m.prefix().str() + m.suffix().str();
}

class BatchSendTest : public ::testing::Test {
protected:
    void SetUp() override { wintest::ForgetServerConfiguration(); }
    void TearDown() override { wintest::ForgetServerConfiguration(); }

    // Runs the client; the window must never appear. Returns the exit code.
    long Send(const std::string& arguments) {
        ChildProcess client("velmar1.exe", "velmar1.exe " + arguments);
        EXPECT_TRUE(client.Started());
        const long code = client.Wait(60000);
        EXPECT_NE(code, -1) << "the client did not end: " << arguments;
        return code;
    }

    // The one queue file set in the spool directory: {control, data}.
    std::pair<std::string, std::string> QueueFileSet() {
        const auto control = spool.FilesOf('Q');
        const auto data = spool.FilesOf('D');
        EXPECT_EQ(control.size(), 1u);
        EXPECT_EQ(data.size(), 1u);
        if (control.size() != 1 || data.size() != 1) return {};
        // Names: the letter, 16 lower-case hexadecimal digits, ".GSC"; both share the digits.
        EXPECT_TRUE(std::regex_match(control[0], std::regex("Q[0-9a-f]{16}\\.GSC"))) << control[0];
        EXPECT_EQ(control[0].substr(1), data[0].substr(1));
        controlName = control[0];
        dataName = data[0];
        return {spool.Read(control[0]), spool.Read(data[0])};
    }

    std::string ControlHead() const {
        return "Q" + spool.Path() + "\\" + dataName + "\r\nHlocalhost\r\nAroot\r\nS<root>\r\n";
    }

    wintest::RecordDir records;
    wintest::DefaultSpool spool;
    wintest::ScratchDir work{"batch"};
    std::string controlName;
    std::string dataName;
};

TEST_F(BatchSendTest, SwitchesSendAnAsciiBodyUnencoded) {
    wintest::ListeningPipeServer delivery(records);
    const std::string body = work / "body.txt";
    ASSERT_TRUE(wintest::WriteWholeFile(body, "Line one\nLine two\r\n"));

    EXPECT_EQ(Send("-t bob@example.com -s Hello -f \"" + body + "\""), 0);
    const auto [control, data] = QueueFileSet();
    EXPECT_EQ(WithoutDateAndId(data),
              "Mime-Version: 1.0\r\n"
              "Content-Type: text/plain; charset=us-ascii\r\n"
              "From: <root@localhost>\r\n"
              "Reply-To: <root@localhost>\r\n"
              "X-Sender: <root@localhost>\r\n"
              "To: <bob@example.com>\r\n"
              "Subject: Hello \r\n"  // an unquoted value runs to the next hyphen
              "X-Mailer: <Velmar v8.22>\r\n"
              "\r\n"
              "Line one\r\nLine two\r\n");
    EXPECT_EQ(data.rfind("Date: ", 0), 0u);
    EXPECT_EQ(control, ControlHead() + "N<bob@example.com>\r\nR<bob@example.com>\r\n");
    // The delivery side was told the control file's path.
    EXPECT_EQ(delivery.Received(1), std::vector<std::string>{spool.Path() + "\\" + controlName});
    // A body file of the caller's, outside the spool directory, is left alone.
    EXPECT_TRUE(wintest::FileExists(body));
    EXPECT_EQ(spool.Files().size(), 2u);  // no temporary file left behind
}

TEST_F(BatchSendTest, ParameterFileWithEveryKindOfLine) {
    const std::string body = work / "body.txt";
    const std::string report = work / "rep.txt";
    const std::string job = work / "job~NEX.txt";
    ASSERT_TRUE(wintest::WriteWholeFile(body, "Line one\r\nLine two\r\n"));
    ASSERT_TRUE(wintest::WriteWholeFile(report, "report line\r\n"));
    ASSERT_TRUE(wintest::WriteWholeFile(job, "T:Ann <ann@example.com>, bob@example.com\r\n"
                                             "C:carol@example.org\r\n"
                                             "B:dave@example.net\r\n"
                                             "S:Report\r\n"
                                             "F:" + body + "\r\n"
                                             "A:" + report + "::report.txt\r\n"
                                             "R:X-Job: 42\\n\r\n"
                                             "LS:iso-8859-1\r\n"
                                             "LB:iso-8859-1\r\n"));

    EXPECT_EQ(Send(job), 0);
    const auto [control, data] = QueueFileSet();
    const std::string boundary = "==Velmar_v8.2==";
    EXPECT_EQ(data.rfind("X-Job: 42\r\nDate: ", 0), 0u) << data;
    EXPECT_EQ(WithoutDateAndId(data),
              "X-Job: 42\r\n"
              "Mime-Version: 1.0\r\n"
              "Content-Type: multipart/mixed;boundary=\"" + boundary + "\"\r\n"
              "From: <root@localhost>\r\n"
              "Reply-To: <root@localhost>\r\n"
              "X-Sender: <root@localhost>\r\n"
              "To: Ann <ann@example.com>,\r\n"
              "    <bob@example.com>\r\n"
              "CC: <carol@example.org>\r\n"
              "Subject: Report\r\n"
              "X-Mailer: <Velmar v8.22>\r\n"
              "X-Attachments: report.txt;\r\n"
              "\r\n" + preamble +
              "--" + boundary + "\r\n"
              "Content-Type: text/plain; charset=iso-8859-1\r\n"
              "Content-Transfer-Encoding: 7bit\r\n"
              "\r\n"
              "Line one\r\nLine two\r\n"
              "\r\n"
              "--" + boundary + "\r\n"
              "Content-Type: text/plain; name=\"report.txt\"\r\n"
              "Content-Transfer-Encoding: 7bit\r\n"
              "\r\n"
              "report line\r\n"
              "\r\n"
              "\r\n--" + boundary + "--\r\n");
    EXPECT_EQ(control, ControlHead() +
                           "N<ann@example.com>\r\nR<ann@example.com>\r\n"
                           "N<bob@example.com>\r\nR<bob@example.com>\r\n"
                           "N<carol@example.org>\r\nR<carol@example.org>\r\n"
                           "N<dave@example.net>\r\nR<dave@example.net>\r\n");
    // The parameter file and the caller's files stay where they are.
    EXPECT_TRUE(wintest::FileExists(job));
    EXPECT_TRUE(wintest::FileExists(body));
    EXPECT_TRUE(wintest::FileExists(report));
}

TEST_F(BatchSendTest, StoredBlindCopyIsAddedInParameterMode) {
    ASSERT_TRUE(wintest::SetRegistryDword(rootUserKey, "OPT_BCC", 1));
    ASSERT_TRUE(wintest::SetRegistryString(rootUserKey, "BCC", "archive@example.com"));
    const std::string body = work / "body.txt";
    const std::string job = work / "bcc~NEX";
    ASSERT_TRUE(wintest::WriteWholeFile(body, "x\r\n"));
    ASSERT_TRUE(wintest::WriteWholeFile(job, "T:bob@example.com\r\nF:" + body + "\r\n"));
    EXPECT_EQ(Send(job), 0);
    const auto [control, data] = QueueFileSet();
    EXPECT_EQ(control, ControlHead() + "N<bob@example.com>\r\nR<bob@example.com>\r\n"
                                       "N<archive@example.com>\r\nR<archive@example.com>\r\n");
    EXPECT_EQ(data.find("archive"), std::string::npos);  // blind: never in the header
}

TEST_F(BatchSendTest, EightBitBodyIsSentQuotedPrintable) {
    const std::string body = work / "latin.txt";
    ASSERT_TRUE(wintest::WriteWholeFile(body, "caf\xE9 = ok\r\n"));
    EXPECT_EQ(Send("-t bob@example.com -f \"" + body + "\""), 0);
    const auto [control, data] = QueueFileSet();
    const auto headerEnd = data.find("\r\n\r\n");
    ASSERT_NE(headerEnd, std::string::npos);
    const std::string header = data.substr(0, headerEnd + 2);
    EXPECT_NE(header.find("Content-Type: text/plain; charset=ISO-8859-1\r\n"
                          "Content-Transfer-Encoding: quoted-printable\r\n"),
              std::string::npos)
        << header;
    // The encoder's own leading and closing line feeds come out as CR LF.
    EXPECT_EQ(data.substr(headerEnd + 4), "\r\ncaf=E9 =3D ok\r\n\r\n");
}

TEST_F(BatchSendTest, AttachmentsCloseTheMultipartUnlessUuencoded) {
    const std::string body = work / "b.txt";
    const std::string binary = work / "data.bin";
    ASSERT_TRUE(wintest::WriteWholeFile(body, "see attached\r\n"));
    ASSERT_TRUE(wintest::WriteWholeFile(binary, std::string("\x00\x01\x02\xFF", 4)));
    const std::string job = work / "att~NEX";
    ASSERT_TRUE(wintest::WriteWholeFile(job, "T:bob@example.com\r\nF:" + body + "\r\nA:" + binary + "\r\n"));

    EXPECT_EQ(Send(job), 0);
    auto [control, data] = QueueFileSet();
    EXPECT_NE(data.find("Content-Type: multipart/mixed;boundary=\"==Velmar_v8.2==\"\r\n"), std::string::npos);
    EXPECT_NE(data.find("--==Velmar_v8.2==\r\n"
                        "Content-Type: application/octet-stream; name=\"data.bin\"\r\n"
                        "Content-Transfer-Encoding: base64\r\n\r\n"
                        "AAEC/w==\r\n"),
              std::string::npos)
        << data;
    EXPECT_TRUE(data.ends_with("\r\n--==Velmar_v8.2==--\r\n")) << data;

    spool.Empty();
    ASSERT_TRUE(wintest::SetRegistryDword(rootUserKey, "UUENCODE", 1));
    EXPECT_EQ(Send(job), 0);
    std::tie(control, data) = QueueFileSet();
    EXPECT_NE(data.find("Content-Type: text/plain; charset=us-ascii\r\n"), std::string::npos);
    EXPECT_NE(data.find("X-Attachments: data.bin;\r\n"), std::string::npos);
    EXPECT_NE(data.find("begin 644 data.bin\r\n$``$\"_P\r\n`\r\nend\r\n"), std::string::npos) << data;
    EXPECT_EQ(data.find("==Velmar_v8.2=="), std::string::npos);
}

TEST_F(BatchSendTest, SwitchAttachmentIsNamedByItsLastComponent) {
    const std::string body = work / "b.txt";
    const std::string notes = work / "notes.txt";
    ASSERT_TRUE(wintest::WriteWholeFile(body, "body\r\n"));
    ASSERT_TRUE(wintest::WriteWholeFile(notes, "plain notes\r\n"));
    EXPECT_EQ(Send("-u alice -t bob@example.com -f \"" + body + "\" -a \"" + notes + "\""), 0);
    const auto [control, data] = QueueFileSet();
    EXPECT_NE(data.find("X-Attachments: notes.txt;\r\n"), std::string::npos) << data;
    EXPECT_NE(data.find("Content-Type: text/plain; name=\"notes.txt\"\r\nContent-Transfer-Encoding: 7bit\r\n\r\n"
                        "plain notes\r\n"),
              std::string::npos);
    EXPECT_TRUE(data.ends_with("\r\n--==Velmar_v8.2==--\r\n"));
    // "-u" names the sending user; its value's trailing blank is dropped.
    EXPECT_NE(control.find("\r\nAalice\r\nS<alice>\r\n"), std::string::npos) << control;
    EXPECT_TRUE(wintest::FileExists(notes));
}

TEST_F(BatchSendTest, SendWithoutAnyRecipientOpensTheWindowInstead) {
    const std::string body = work / "b.txt";
    ASSERT_TRUE(wintest::WriteWholeFile(body, "draft\r\n"));
    ChildProcess client("velmar1.exe", "velmar1.exe -s Draft -f \"" + body + "\"");
    ASSERT_TRUE(client.Started());
    HWND window = client.WaitForShownWindow("VELMAR1");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(client.Wait(), 0);
    EXPECT_TRUE(spool.FilesOf('Q').empty());
    EXPECT_TRUE(spool.FilesOf('D').empty());
}

TEST_F(BatchSendTest, ConsumedBodyFilesAreDeletedOthersKept) {
    // A name holding ".tmp" anywhere, or a file in the spool directory, is the sender's to
    // consume; any other body file is left alone.
    const std::string consumed = work / "x.tmpl";
    const std::string inSpool = spool.Path() + "\\body.txt";
    const std::string kept = work / "x.txt";
    for (const auto& path : {consumed, inSpool, kept}) ASSERT_TRUE(wintest::WriteWholeFile(path, "one\r\n"));
    EXPECT_EQ(Send("-t bob@example.com -f \"" + consumed + "\""), 0);
    EXPECT_FALSE(wintest::FileExists(consumed));
    EXPECT_EQ(Send("-t bob@example.com -f \"" + inSpool + "\""), 0);
    EXPECT_FALSE(wintest::FileExists(inSpool));
    EXPECT_EQ(Send("-t bob@example.com -f \"" + kept + "\""), 0);
    EXPECT_TRUE(wintest::FileExists(kept));
    EXPECT_EQ(spool.FilesOf('Q').size(), 3u);
    EXPECT_EQ(spool.FilesOf('D').size(), 3u);
    EXPECT_EQ(spool.Files().size(), 6u);  // no temporary file left behind
}

TEST_F(BatchSendTest, FailuresEndWithTheirExitCodes) {
    // No spool directory: nothing can be queued, the caller's body stays, the exit code says so.
    const std::string body = work / "x.tmp";
    ASSERT_TRUE(wintest::WriteWholeFile(body, "keep me\r\n"));
    ASSERT_TRUE(wintest::SetRegistryString("SOFTWARE\\Brindle\\Velmar\\Global", "SpoolDir", work / "missing"));
    EXPECT_EQ(Send("-t bob@example.com -f \"" + body + "\""), 5);
    EXPECT_TRUE(wintest::FileExists(body));

    // A named body file that cannot be read sends nothing.
    wintest::ForgetServerConfiguration();
    EXPECT_EQ(Send("-t bob@example.com -f \"" + (work / "absent.txt") + "\""), 5);
    EXPECT_TRUE(spool.Files().empty());

    // An unknown switch is reported in a message box owned by the hidden window.
    ChildProcess client("velmar1.exe", "velmar1.exe -t bob@example.com -z");
    ASSERT_TRUE(client.Started());
    HWND box = client.WaitForWindow("#32770");
    ASSERT_NE(box, nullptr);
    char caption[32] = {};
    for (int i = 0; i < 100 && caption[0] == '\0'; ++i, Sleep(50)) GetWindowTextA(box, caption, sizeof caption);
    EXPECT_STREQ(caption, "unknown arg");
    // The text is the command line from the unknown switch on.
    char text[64] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    EXPECT_STREQ(text, "-z");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(client.Wait(), 6);
    EXPECT_TRUE(spool.Files().empty());
}

}  // namespace
}  // namespace velmar
