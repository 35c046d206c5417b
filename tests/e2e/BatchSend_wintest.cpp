// The batch face end to end: velmar1.exe over the real registry and spool, queue file sets against golden files.
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
    // Runs the client with `arguments`; its exit code, -1 when it did not end (a window must never appear).
    long Send(const std::string& arguments) {
        return ChildProcess("velmar1.exe", "velmar1.exe " + Expand(arguments)).Wait(60000);
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
    {"parameter_file",
     {{"body.txt", "Line one\r\nLine two\r\n"}, {"rep.txt", "report line\r\n"},
      {"job~NEX.txt", "T:Ann <ann@example.com>, bob@example.com\r\nC:carol@example.org\r\nB:dave@example.net\r\n"
                      "S:Report\r\nF:%W\\body.txt\r\nA:%W\\rep.txt::report.txt\r\nR:X-Job: 42\\n\r\n"
                      "LS:iso-8859-1\r\nLB:iso-8859-1\r\n"}},
     "%W\\job~NEX.txt", {{"OPT_BCC", "#1"}, {"BCC", "archive@example.com"}}},  // a stored blind copy joins "B:"
    // A parameter file behind a UTF-8 mark, its Greek subject beyond the code page: all UTF-8, the body converted.
    {"marked_greek",
     {{"body.txt", "caf\xE9\r\n"},
      {"greek~NEX", "\xEF\xBB\xBFT:bob@example.com\r\nS:\u039a\u03b1\u03bb\u03b7\u03bc\u03ad\u03c1\u03b1\r\n"
                    "F:%W\\body.txt\r\n"}},
     "%W\\greek~NEX", {}},
    // An unquoted subject keeps its trailing blank, the encoder's line feeds come out as CR LF; a byte
    // of code page 1252 beyond ISO-8859-1 labels the body windows-1252.
    {"latin1_qp", {{"latin.txt", "caf\xE9 = ok\r\n"}}, "-t bob@example.com -s Hello -f \"%W\\latin.txt\"", {}},
    {"batch_cp1252", {{"dash.txt", "10 \x96 12\r\n"}}, "-t bob@example.com -f \"%W\\dash.txt\"", {}},
    {"attachment_base64", attachment, "%W\\att~NEX", {}},
    {"attachment_uuencode", attachment, "%W\\att~NEX", {{"UUENCODE", "#1"}}},
    // "-a" names the attachment by its last component, "-u" the user; a 0x1A ends the unencoded body only.
    {"switch_attachment", {{"b.txt", "body\r\n\x1A" "after\r\n"}, {"notes.txt", "plain notes\r\n"}},
     "-u alice -t bob@example.com -f \"%W\\b.txt\" -a \"%W\\notes.txt\"", {}},
    // A To list that names no address: the message goes back to its sender.
    {"no_to", {{"b.txt", "Line one\nLine two\r\n"}}, "-t , -f \"%W\\b.txt\"", {}},
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

// What cannot go out whole is not sent: exit code 5, nothing queued, every file kept. Once queued, a body
// named with ".tmp" anywhere or in the spool directory is consumed; one reached through ".." from it is not.
TEST_F(BatchSendTest, RefusalsAndConsumedBodyFiles) {
    const std::string queued = spool.Path() + "\\D0000000000000001.GSC", longPath(262 - work.Path().size(), 'r');
    ASSERT_TRUE(wintest::WriteWholeFile(queued, "Subject: queued\r\n\r\nx\r\n"));
    ASSERT_TRUE(wintest::WriteWholeFile(work / "x.tmp", "keep me\r\n"));
    ASSERT_TRUE(wintest::WriteWholeFile(work / "long~NEX", Expand("T:b@x\nF:%W\\x.tmp\nA:%W\\" + longPath + ".txt\n")));
    for (const std::string& arguments :
         {"-t bob@example.com -f \"" + queued + "\"", "-t bob@example.com -a \"" + queued + "\" -f \"%W\\x.tmp\"",
          std::string("-t bob@example.com -a \"%W\" -f \"%W\\x.tmp\""), std::string("%W\\long~NEX")})
        EXPECT_EQ(Send(arguments), 5) << arguments;
    // No spool directory at all.
    ASSERT_TRUE(wintest::SetRegistryString(wintest::kGlobalKey, "SpoolDir", work / "missing"));
    EXPECT_EQ(Send("-t bob@example.com -f \"%W\\x.tmp\""), 5);
    EXPECT_EQ(spool.Files(), std::vector<std::string>{"D0000000000000001.GSC"});
    EXPECT_TRUE(wintest::FileExists(work / "x.tmp"));
    wintest::ForgetServerConfiguration();
    const struct { std::string path; bool consumed; } cases[] = {
        {work / "x.tmpl", true}, {spool.Path() + "\\body.txt", true}, {spool.Path() + "\\..\\keep_me.txt", false}};
    for (const auto& c : cases) {
        ASSERT_TRUE(wintest::WriteWholeFile(c.path, "one\r\n"));
        EXPECT_EQ(Send("-t bob@example.com -f \"" + c.path + "\""), 0);
        EXPECT_EQ(wintest::FileExists(c.path), !c.consumed) << c.path;
        DeleteFileA(c.path.c_str());
    }
    EXPECT_EQ(spool.Files().size(), 7u);  // three sets beside the queued file, no temporary file left behind

    // An unknown switch: a message box owned by the hidden window shows the line from the switch on.
    ChildProcess client("velmar1.exe", "velmar1.exe -t bob@example.com -z");
    HWND box = client.WaitForWindow("#32770");
    ASSERT_NE(box, nullptr);
    char caption[32] = {};
    for (int i = 0; i < 100 && caption[0] == '\0'; ++i, Sleep(50)) GetWindowTextA(box, caption, sizeof caption);
    EXPECT_STREQ(caption, "unknown arg");
    EXPECT_EQ(wintest::ControlText(box, 0xFFFF), "-z");  // the static text of a message box
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(client.Wait(), 6);
}

}  // namespace
}  // namespace velmar
