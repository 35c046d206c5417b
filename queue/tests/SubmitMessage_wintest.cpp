// Queue submission on real files, with the real pipe and a real delivery program.
#include <windows.h>

#include <gtest/gtest.h>

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
        config.hostName = "example.com", config.userId = "alice", config.spoolDir = spool.Path();
        message.sender = "alice", message.to = "bob@x.org", message.subject = "Hi";
    }
    bool Submit(const std::string& body) {
        const WriterSettings writer = ReadWriterSettings(settings, config, "");
        QueueContext context{config, writer, directory, queueForLater};
        const Outcome outcome = SubmitMessage(message, body, context);
        failure = outcome.failure;
        return outcome.ok;
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

// One set per message, also two in the same tick, the data file's number in the Message-Id; a body ending in
// ".tmp" (any case) is deleted once queued; the delivery side is told; a failure names the body, queues nothing.
TEST_F(SubmitMessageTest, FileSetsDeliveryAndFailures) {
    const std::string consumed = work / "b.TMP", body = work / "d.txt";
    ASSERT_TRUE(wintest::WriteWholeFile(consumed, "x\r\n") && wintest::WriteWholeFile(body, "x\r\n"));
    const DWORD start = GetTickCount();
    ASSERT_TRUE(Submit(body));
    EXPECT_LT(GetTickCount() - start, 5000u) << "no delivery side listening: not waited for";
    const auto data = spool.FilesOf('D');
    ASSERT_TRUE(data.size() == 1 && spool.Files().size() == 2) << "one set, nothing else";
    const std::string number = std::to_string(std::stoull(data[0].substr(1, 16), nullptr, 16));
    EXPECT_NE(spool.Read(data[0]).find(".AA" + number + "@example.com>"), std::string::npos) << "the Message-Id";
    ASSERT_TRUE(Submit(consumed) && Submit(body));
    EXPECT_EQ(std::pair(wintest::FileExists(consumed), spool.Files().size()), std::pair(false, std::size_t{6}));
    // A program whose name does not hold "mqsend" is started with the control file's path.
    spool.Empty();
    const std::string program = work / "deliver.exe";
    ASSERT_TRUE(CopyFileA((wintest::BinDir() + "\\mqsend.exe").c_str(), program.c_str(), FALSE));
    config.sendName = program, config.optVerify = 1;
    ASSERT_TRUE(Submit(body));
    const std::string control = spool.Path() + "\\" + spool.FilesOf('Q').at(0);
    EXPECT_EQ(records.WaitFor("mqsend.log"), program + " -v " + control + "\r\n");

    // "mqsend" in any case inside a longer name: the pipe is told; queued for later: nobody.
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

}  // namespace
}  // namespace velmar
