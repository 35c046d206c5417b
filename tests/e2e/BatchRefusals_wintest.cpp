// Batch sends that must not reach the wrong address or lose a part: velmar1.exe started
// with exact command lines, what lands in the spool directory checked on disk.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/SpoolRig.h"
#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

class BatchRefusalTest : public wintest::CleanMachineTest {
protected:
    long Send(const std::string& arguments) {
        wintest::ChildProcess client("velmar1.exe", "velmar1.exe " + arguments);
        EXPECT_TRUE(client.Started());
        return client.Wait(60000);
    }
    // Writes a scratch file; returns its path in quotes, as a command line needs it.
    std::string File(const std::string& name, const std::string& bytes) {
        const std::string path = work / name;
        EXPECT_TRUE(wintest::WriteWholeFile(path, bytes));
        return Quoted(path);
    }
    static std::string Quoted(const std::string& path) { return "\"" + path + "\""; }
    std::string OnlyFile(char letter) {
        const auto names = spool.FilesOf(letter);
        return names.size() == 1 ? spool.Read(names[0]) : std::string();
    }

    wintest::RecordDir records;
    wintest::DefaultSpool spool;
    wintest::ScratchDir work{"refusals"};
};

TEST_F(BatchRefusalTest, LongSwitchListsAndCommentsKeepEveryAddress) {
    // Character 510 falls right after "ceo@example.com" of "ceo@example.com.au".
    std::string list;
    while (list.size() + 20 <= 480) list += "person@example.org, ";
    list += std::string(495 - 8 - list.size(), 'x') + "@x.org, ceo@example.com.au, last@example.net";
    ASSERT_EQ(list.find("ceo@example.com.au") + 15, 510u);
    const std::string body = File("b.txt", "hi\r\n");
    ASSERT_EQ(Send("-t " + list + " -c \"alice@example.com (Smith, Alice), bob@example.com\" -f " + body), 0);
    std::string control = OnlyFile('Q');
    for (const char* kept : {"R<ceo@example.com.au>\r\n", "R<last@example.net>\r\n", "R<alice@example.com>\r\n"})
        EXPECT_NE(control.find(kept), std::string::npos) << kept << control;
    for (const char* cut : {"R<ceo@example.com>", "(Smith"}) EXPECT_EQ(control.find(cut), std::string::npos) << cut;
    // A distribution list file with CR-only line ends reaches every member.
    spool.Empty();
    ASSERT_EQ(Send("-t " + File("crew.lst", "; crew\rann@example.org\rbob@example.org\r") + " -f " + body), 0);
    control = OnlyFile('Q');
    for (const char* member : {"R<ann@example.org>\r\n", "R<bob@example.org>\r\n"})
        EXPECT_NE(control.find(member), std::string::npos) << member << control;
}

TEST_F(BatchRefusalTest, FilesBesideOrInsideTheSpoolAreNotConsumed) {
    const std::string spoolDir = spool.Path(), besideDir = spoolDir + "2";
    CreateDirectoryA(besideDir.c_str(), nullptr);
    const std::string beside = besideDir + "\\body.txt", dotted = spoolDir + "\\..\\keep_me.txt";
    for (const std::string& path : {beside, dotted}) {
        ASSERT_TRUE(wintest::WriteWholeFile(path, "kept\r\n"));
        EXPECT_EQ(Send("-t bob@example.com -f " + Quoted(path)), 0);
        EXPECT_TRUE(wintest::FileExists(path)) << path;
        DeleteFileA(path.c_str());
    }
    RemoveDirectoryA(besideDir.c_str());

    // A queued message named as the body or as an attachment is refused and stays whole.
    spool.Empty();
    ASSERT_EQ(Send("-t bob@example.com -f " + File("b.txt", "x\r\n")), 0);
    const auto data = spool.FilesOf('D');
    ASSERT_EQ(data.size(), 1u);
    const std::string queued = spoolDir + "\\" + data[0], before = spool.Read(data[0]);
    EXPECT_EQ(Send("-t bob@example.com -f " + Quoted(queued)), 5);
    EXPECT_EQ(Send("-t bob@example.com -a " + Quoted(queued) + " -f " + File("c.txt", "x\r\n")), 5);
    EXPECT_EQ(spool.Read(data[0]), before);
    EXPECT_EQ(spool.Files().size(), 2u);
}

TEST_F(BatchRefusalTest, EveryNamedAttachmentIsInTheMessageOrNothingIsSent) {
    // A 0x1A in an unencoded body ends the body, not the attachments after it.
    const std::string zip = File("a.zip", std::string("PK\x03\x04\x00\x01", 6));
    ASSERT_EQ(Send("-t bob@example.com -a " + zip + " -f " + File("b.txt", "one\r\n\x1A" "two\r\n")), 0);
    const std::string message = OnlyFile('D');
    EXPECT_TRUE(message.find("\r\none\r\n") != std::string::npos && message.find("two") == std::string::npos);
    EXPECT_NE(message.find("name=\"a.zip\""), std::string::npos);
    EXPECT_TRUE(message.ends_with("--==Velmar_v8.2==--\r\n")) << message.substr(message.size() - 60);

    // An attachment path too long for its field, or one that cannot be read: exit 5, nothing queued.
    spool.Empty();
    const std::string body = File("c.txt", "x\r\n"),
        longPath = work / (std::string(262 - work.Path().size(), 'r') + ".txt.old");
    File("job~NEX.txt", "T:bob@example.com\nF:" + (work / "c.txt") + "\nA:" + longPath + "\n");
    EXPECT_EQ(Send(work / "job~NEX.txt"), 5);
    EXPECT_EQ(Send("-t bob@example.com -a " + Quoted(work / "missing.bin") + " -f " + body), 5);
    EXPECT_EQ(Send("-t bob@example.com -a " + Quoted(work.Path()) + " -f " + body), 5);
    EXPECT_TRUE(spool.Files().empty() && wintest::FileExists(work / "c.txt"));
}

TEST_F(BatchRefusalTest, AListWithNoAddressGoesBackToTheSender) {
    const std::string body = File("b.txt", "x\r\n");
    for (const char* to : {",", "\" \""}) {
        spool.Empty();
        ASSERT_EQ(Send(std::string("-t ") + to + " -f " + body), 0) << to;
        EXPECT_NE(OnlyFile('Q').find("\r\nR<"), std::string::npos) << to;
        EXPECT_NE(OnlyFile('D').find("Subject: Message ERROR: No \"To:\" address"), std::string::npos);
    }
}

}  // namespace
}  // namespace velmar
