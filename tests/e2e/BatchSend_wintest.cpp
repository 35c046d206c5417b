// The batch face end to end: velmar1.exe started the way other programs start it, with a
// real registry, profile file and spool directory. The queue file set that lands is
// compared byte for byte with golden files, and the window never shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/SpoolRig.h"
#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

using wintest::ChildProcess;

class BatchSendTest : public wintest::CleanMachineTest {
protected:
    // "%W" stands for the scratch directory.
    std::string Expand(std::string text) const {
        for (std::size_t at; (at = text.find("%W")) != std::string::npos;) text.replace(at, 2, work.Path());
        return text;
    }
    // Runs the client with `arguments`; the window must never appear. Returns the exit code.
    long Send(const std::string& arguments) {
        ChildProcess client("velmar1.exe", "velmar1.exe " + Expand(arguments));
        EXPECT_TRUE(client.Started());
        const long code = client.Wait(60000);
        EXPECT_NE(code, -1) << "the client did not end: " << arguments;
        return code;
    }

    wintest::RecordDir records;
    wintest::DefaultSpool spool;
    wintest::ScratchDir work{"batch"};
};

// Golden files <name>.Q.ref and <name>.D.ref; scratch files ("%W" in their text too); user root's values.
using Files = std::vector<std::pair<std::string, std::string>>;
struct GoldenCase { const char* name; Files files; const char* arguments; Files rootSettings; };
const Files attachment = {{"b.txt", "see attached\r\n"}, {"data.bin", std::string("\x00\x01\x02\xFF", 4)},
                          {"att~NEX", "T:bob@example.com\r\nF:%W\\b.txt\r\nA:%W\\data.bin\r\n"}};
const GoldenCase goldenCases[] = {
    // An unquoted value runs to the next hyphen: the subject keeps a trailing blank.
    {"switches_ascii", {{"body.txt", "Line one\nLine two\r\n"}}, "-t bob@example.com -s Hello -f \"%W\\body.txt\"", {}},
    {"parameter_file",
     {{"body.txt", "Line one\r\nLine two\r\n"}, {"rep.txt", "report line\r\n"},
      {"job~NEX.txt", "T:Ann <ann@example.com>, bob@example.com\r\nC:carol@example.org\r\nB:dave@example.net\r\n"
                      "S:Report\r\nF:%W\\body.txt\r\nA:%W\\rep.txt::report.txt\r\nR:X-Job: 42\\n\r\n"
                      "LS:iso-8859-1\r\nLB:iso-8859-1\r\n"}},
     "%W\\job~NEX.txt", {}},
    // The stored blind copy is a recipient in the control file, never in the header.
    {"stored_bcc", {{"body.txt", "x\r\n"}, {"bcc~NEX", "T:bob@example.com\r\nF:%W\\body.txt\r\n"}}, "%W\\bcc~NEX",
     {{"OPT_BCC", "#1"}, {"BCC", "archive@example.com"}}},
    // The encoder's own leading and closing line feeds come out as CR LF.
    {"latin1_qp", {{"latin.txt", "caf\xE9 = ok\r\n"}}, "-t bob@example.com -f \"%W\\latin.txt\"", {}},
    {"attachment_base64", attachment, "%W\\att~NEX", {}},
    {"attachment_uuencode", attachment, "%W\\att~NEX", {{"UUENCODE", "#1"}}},
    // "-a" names the attachment by its last component; "-u" the sending user.
    {"switch_attachment", {{"b.txt", "body\r\n"}, {"notes.txt", "plain notes\r\n"}},
     "-u alice -t bob@example.com -f \"%W\\b.txt\" -a \"%W\\notes.txt\"", {}},
};

TEST_F(BatchSendTest, QueueFileSetsMatchTheGoldenFiles) {
    wintest::ListeningPipeServer delivery(records);
    std::size_t told = 0;
    for (const auto& c : goldenCases) {
        SCOPED_TRACE(c.name);
        wintest::ForgetServerConfiguration();
        spool.Empty();
        for (const auto& [setting, value] : c.rootSettings)
            ASSERT_TRUE(wintest::SetSetting(wintest::kRootUserKey, setting, value));
        for (const auto& [file, text] : c.files) ASSERT_TRUE(wintest::WriteWholeFile(work / file, Expand(text)));
        EXPECT_EQ(Send(c.arguments), 0);
        const std::string control = wintest::ExpectOneGoldenSet(spool, c.name);
        // The delivery side was told the control file's path; the caller's files stay.
        const auto received = delivery.Received(++told);
        ASSERT_EQ(received.size(), told);
        EXPECT_EQ(received.back(), spool.Path() + "\\" + control);
        for (const auto& file : c.files) EXPECT_TRUE(wintest::FileExists(work / file.first)) << file.first;
    }
}

TEST_F(BatchSendTest, SendWithoutAnyRecipientOpensTheWindowInstead) {
    ASSERT_TRUE(wintest::WriteWholeFile(work / "b.txt", "draft\r\n"));
    ChildProcess client("velmar1.exe", Expand("velmar1.exe -s Draft -f \"%W\\b.txt\""));
    HWND window = client.WaitForShownWindow("VELMAR1");
    ASSERT_TRUE(window != nullptr && IsWindowVisible(window));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(client.Wait(), 0);
    EXPECT_TRUE(spool.Files().empty());
}

TEST_F(BatchSendTest, ConsumedBodyFilesAreDeletedOthersKept) {
    // A name holding ".tmp" anywhere, or a file in the spool directory, is the sender's to
    // consume (the golden cases show other body files left alone).
    for (const std::string& path : {work / "x.tmpl", spool.Path() + "\\body.txt"}) {
        ASSERT_TRUE(wintest::WriteWholeFile(path, "one\r\n"));
        EXPECT_EQ(Send("-t bob@example.com -f \"" + path + "\""), 0);
        EXPECT_FALSE(wintest::FileExists(path)) << path;
    }
    EXPECT_EQ(spool.Files().size(), 4u);  // two sets, no temporary file left behind
}

TEST_F(BatchSendTest, FailuresEndWithTheirExitCodes) {
    // No spool directory: nothing can be queued, the caller's body stays, the exit code says so.
    const std::string body = work / "x.tmp";
    ASSERT_TRUE(wintest::WriteWholeFile(body, "keep me\r\n"));
    ASSERT_TRUE(wintest::SetRegistryString(wintest::kGlobalKey, "SpoolDir", work / "missing"));
    EXPECT_EQ(Send("-t bob@example.com -f \"" + body + "\""), 5);
    EXPECT_TRUE(wintest::FileExists(body));

    // An unknown switch is reported in a message box owned by the hidden window; its text
    // is the command line from the unknown switch on.
    ChildProcess client("velmar1.exe", "velmar1.exe -t bob@example.com -z");
    HWND box = client.WaitForWindow("#32770");
    ASSERT_NE(box, nullptr);
    char caption[32] = {}, text[64] = {};
    for (int i = 0; i < 100 && caption[0] == '\0'; ++i, Sleep(50)) GetWindowTextA(box, caption, sizeof caption);
    EXPECT_STREQ(caption, "unknown arg");
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the static text of a message box
    EXPECT_STREQ(text, "-z");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(client.Wait(), 6);
    EXPECT_TRUE(spool.Files().empty());
}

}  // namespace
}  // namespace velmar
