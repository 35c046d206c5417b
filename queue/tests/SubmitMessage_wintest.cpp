// Queue submission on real files, with the real pipe and a real delivery program.
#include <windows.h>

#include <gtest/gtest.h>

#include <regex>

#include "config/Registry_win.h"
#include "message/MessagePlatform_win.h"
#include "queue/SubmitMessage_win.h"
#include "tests/support/SpoolRig.h"
#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

class SubmitMessageTest : public wintest::CleanMachineTest {
protected:
    void SetUp() override {
        CleanMachineTest::SetUp();
        config.hostName = "example.com";
        config.userId = "alice";
        config.spoolDir = spool.Path();
        message.sender = "alice";
        message.to = "bob@x.org";
        message.subject = "Hi";
    }
    bool Submit(const std::string& body) {
        const WriterSettings writer = ReadWriterSettings(settings, config, "");
        QueueContext context{config, writer, directory, queueForLater};
        const Outcome outcome = SubmitMessage(message, body, context);
        failure = outcome.failure;
        return outcome.ok;
    }
    std::string Body(std::string_view name, std::string_view bytes) {
        const std::string path = work / name;
        EXPECT_TRUE(wintest::WriteWholeFile(path, bytes));
        return path;
    }

    wintest::RecordDir records;
    wintest::DefaultSpool spool;
    wintest::ScratchDir work{"submit"};
    Win32SettingsBackend backend;
    AppConfig config;
    SettingsStore settings{backend, config, true};
    NoServerLibrary library;
    Win32ListFiles listFiles;
    StoreDirectory directory{settings, library, listFiles};
    std::string failure;
    bool queueForLater = false;
    MessageInput message;
};

TEST_F(SubmitMessageTest, BodyIsAppendedAsTextAndTheControlFileNamesTheDataFile) {
    ASSERT_TRUE(Submit(Body("body.txt", "a\nb\r\nc\rd\x1A" "after the end")));
    const auto control = spool.FilesOf('Q'), data = spool.FilesOf('D');
    ASSERT_TRUE(control.size() == 1 && data.size() == 1 && spool.Files().size() == 2) << "one set, nothing else";
    const std::string bytes = spool.Read(data[0]);
    EXPECT_TRUE(bytes.ends_with("X-Mailer: <Velmar v8.22>\r\n\r\na\r\nb\r\nc\rd")) << bytes;
    EXPECT_EQ(spool.Read(control[0]).rfind("Q" + spool.Path() + "\\" + data[0] + "\r\nHexample.com\r\n", 0), 0u);
    std::smatch m;  // the Message-Id's number is the data file's
    ASSERT_TRUE(std::regex_search(bytes, m, std::regex("\\.AA([0-9]+)@example\\.com>")));
    EXPECT_EQ(std::stoull(m[1].str()), std::stoull(data[0].substr(1, 16), nullptr, 16));
}

// A body ending in ".tmp" (any case) is deleted once queued, and two messages in the same
// tick get sets of their own; a failure names the body and leaves no queue file.
TEST_F(SubmitMessageTest, ConsumedBodiesAndFailures) {
    const std::string consumed = Body("b.TMP", "x\r\n"), body = Body("d.txt", "x");
    ASSERT_TRUE(Submit(consumed) && Submit(body));
    EXPECT_EQ(std::pair(wintest::FileExists(consumed), spool.Files().size()), std::pair(false, std::size_t{4}));
    spool.Empty();
    EXPECT_FALSE(Submit(work / "absent.txt"));
    EXPECT_EQ(failure, "File send error of " + (work / "absent.txt"));
    EXPECT_TRUE(spool.Files().empty());
    for (std::size_t length : {121u, 122u}) {  // the longest spool directory the names have room for, and one more
        config.spoolDir = work.Path() + "\\" + std::string(length - work.Path().size() - 1, 's');
        ASSERT_TRUE(CreateDirectoryA(config.spoolDir.c_str(), nullptr));
        EXPECT_EQ(Submit(body), length == 121u) << length;
        for (const auto& name : wintest::ListFiles(config.spoolDir))
            DeleteFileA((config.spoolDir + "\\" + name).c_str());
        RemoveDirectoryA(config.spoolDir.c_str());
    }
}

TEST_F(SubmitMessageTest, DeliveryProgramOrPipeOrNobody) {
    const std::string body = Body("b.txt", "x\r\n");
    // No delivery side listening: the submission does not wait for one.
    const DWORD start = GetTickCount();
    ASSERT_TRUE(Submit(body));
    EXPECT_LT(GetTickCount() - start, 5000u);
    spool.Empty();

    // A program whose name does not hold "mqsend" is started with the control file's path.
    const std::string program = work / "deliver.exe";
    ASSERT_TRUE(CopyFileA((wintest::BinDir() + "\\mqsend.exe").c_str(), program.c_str(), FALSE));
    config.sendName = program;
    config.optVerify = 1;
    ASSERT_TRUE(Submit(body));
    const auto control = spool.FilesOf('Q');
    ASSERT_EQ(control.size(), 1u);
    EXPECT_EQ(records.WaitFor("mqsend.log"), program + " -v " + spool.Path() + "\\" + control[0] + "\r\n");

    // "mqsend" in any case inside a longer name: the pipe is told the path. Queued for later:
    // the files, and nobody told.
    spool.Empty();
    config.sendName = "D:\\Server\\MQSEND.EXE";
    wintest::ListeningPipeServer delivery(records);
    ASSERT_TRUE(Submit(body));
    EXPECT_EQ(delivery.Received(1), std::vector<std::string>{spool.Path() + "\\" + spool.FilesOf('Q').at(0)});
    queueForLater = true;
    ASSERT_TRUE(Submit(body));
    Sleep(300);
    EXPECT_EQ(delivery.Received(0, 0).size(), 1u);
    EXPECT_EQ(spool.Files().size(), 4u);
}

}  // namespace
}  // namespace velmar
