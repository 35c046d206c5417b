#include "compose/OptionDialogs.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(WrapColumnFromText, Cases) {
    const struct {
        const char* name;
        const char* text;
        std::int32_t want;
    } cases[] = {
        {"zero", "0", 72},          {"below 30", "29", 72},         {"not a number", "abc", 72},
        {"empty", "", 72},          {"30 kept", "30", 30},          {"blanks around", " 100 ", 100},
        {"trailing text", "40x", 72}, {"negative", "-40", 72},      {"beyond 32 bits", "4294967336", 72},
        {"largest", "2147483647", 2147483647},
    };
    for (const auto& c : cases) EXPECT_EQ(WrapColumnFromText(c.text), c.want) << c.name;
}

TEST(DeferDeliveryFromStored, OnlyOneQueues) {
    const struct {
        std::int32_t stored;
        bool want;
    } cases[] = {{0, false}, {1, true}, {2, false}, {-1, false}};
    for (const auto& c : cases) EXPECT_EQ(DeferDeliveryFromStored(c.stored), c.want) << c.stored;
}

TEST(OptionDialogs, SmallRules) {
    EXPECT_EQ(SendDialogHeight(false), 98);
    EXPECT_EQ(SendDialogHeight(true), 129);
    EXPECT_EQ(SignatureEditorCommand("C:\\u\\sig.txt"), "notepad.exe  C:\\u\\sig.txt");
    EXPECT_FALSE(PasteBackAfterProgram(31, 1)) << "start failed";
    EXPECT_FALSE(PasteBackAfterProgram(33, 0)) << "no paste asked";
    EXPECT_TRUE(PasteBackAfterProgram(32, 1));
}

class OptionStoresTest : public ::testing::Test {
protected:
    void SetUp() override {
        config.userId = "bob";
        config.usersDir = "C:\\MAIL\\users";
    }
    static std::vector<std::string> Names(const std::vector<SettingWrite>& writes) {
        std::vector<std::string> names;
        for (const SettingWrite& w : writes) names.push_back(w.section + "/" + w.name);
        return names;
    }
    AppConfig config;
    MessageDraft draft;
};

TEST_F(OptionStoresTest, MessageOptionsOpenFromOptionsAndStore) {
    config.optSndReg = 1;
    config.sendWrap = 64;
    MessageOptionsState s = OpenMessageOptions(config, "", "boss@example.com", 1);
    EXPECT_EQ(config.optAttach, 1) << "the stored OPT_ATTACH is taken when the dialog opens";
    EXPECT_EQ(s.signatureFile, "C:\\MAIL\\users\\bob\\signatur.txt");
    EXPECT_EQ(s.wrapColumn, "64");
    EXPECT_TRUE(s.registered && s.encodeTextFiles && s.includeSignature && s.autoWrap);
    EXPECT_EQ(s.bccAddresses, "boss@example.com");
    EXPECT_EQ(OpenMessageOptions(config, "D:\\sig", "", 0).signatureFile, "D:\\sig");
}

TEST_F(OptionStoresTest, MessageOptionsOkStoresExactlyItsSettings) {
    const struct {
        const char* name;
        std::string bcc;
        bool autoBcc;
        std::vector<SettingWrite> bccWrites;
    } cases[] = {
        {"addresses stored", "a@example.com", true, {TextSetting("bob", "BCC", "a@example.com")}},
        {"empty list turns the stored switch off", "", true,
         {TextSetting("bob", "BCC", ""), NumberSetting("bob", "OPT_BCC", 0)}},
        {"blanks count as empty", "  ", true, {TextSetting("bob", "BCC", ""), NumberSetting("bob", "OPT_BCC", 0)}},
    };
    for (const auto& c : cases) {
        MessageOptionsState s{.registered = true, .allowTab = true, .autoWrap = false, .wrapColumn = "29",
                              .autoBcc = c.autoBcc, .bccAddresses = c.bcc, .showStatus = true,
                              .sendPrompt = false, .useUuencode = true, .encodeTextFiles = true,
                              .includeSignature = false, .signatureFile = "C:\\s.txt"};
        config.optSndReg = 0;
        std::vector<SettingWrite> want = {
            NumberSetting("bob", "OPT_SIG", 0),    NumberSetting("bob", "OPT_WRAP", 0),
            NumberSetting("bob", "OPT_BCC", 1),    NumberSetting("bob", "OPT_TAB", 1),
            NumberSetting("bob", "OPT_ATTACH", 1), NumberSetting("bob", "OPT_SENDPROMPT", 0),
            NumberSetting("bob", "UUENCODE", 1),
        };
        want.insert(want.end(), c.bccWrites.begin(), c.bccWrites.end());
        want.push_back(NumberSetting("bob", "SENDWRAP", 72));
        want.push_back(NumberSetting("bob", "OPT_VERIFY", 1));
        want.push_back(TextSetting("bob", "SIGFILE", "C:\\s.txt"));
        EXPECT_EQ(AcceptMessageOptions(s, config), want) << c.name;
        EXPECT_EQ(config.optBcc, 1) << c.name << ": the box holds for this run";
        EXPECT_EQ(config.optSndReg, 1) << c.name << ": registered for this run, not stored";
        EXPECT_EQ(config.sendWrap, 72);
    }
}

TEST_F(OptionStoresTest, SendOptionsOpen) {
    const struct {
        const char* name;
        bool fromMenu;
        bool attachment;
        std::int32_t storedQueue;
        bool wantGroup;
        bool wantQueue;
    } cases[] = {
        {"from send, no attachment", false, false, 1, false, true},
        {"from send, an attachment", false, true, 0, true, false},
        {"from the menu", true, false, 0, true, false},
        {"stored 2 sends now", true, false, 2, true, false},
    };
    for (const auto& c : cases) {
        MessageDraft d;
        if (c.attachment) d.attachments.Add({"C:\\a.bin", "", true});
        d.fields.replyAddress = "me@example.com";
        const SendOptionsState s = OpenSendOptions(config, d, 0, c.storedQueue, c.fromMenu);
        EXPECT_EQ(s.attachmentsShown, c.wantGroup) << c.name;
        EXPECT_EQ(s.queueForLater, c.wantQueue) << c.name;
        EXPECT_EQ(d.queueForLater, c.wantQueue) << c.name;
        EXPECT_EQ(s.replyAddress, "me@example.com");
        EXPECT_FALSE(s.smtpDirect);
    }
}

TEST_F(OptionStoresTest, SendOptionsOkAndSave) {
    const SendOptionsState s{.attachmentsShown = true, .replyAddress = "reply@example.com",
                             .includeSignature = false, .registered = true, .showStatus = true,
                             .smtpDirect = false, .queueForLater = true, .uuEncoding = true};
    config.optAttach = 1;
    EXPECT_EQ(SaveSendOptions(s, config, draft),
              (std::vector<SettingWrite>{NumberSetting("bob", "OPT_SIG", 0), NumberSetting("bob", "OPT_DQUEUE", 1),
                                         NumberSetting("bob", "UUENCODE", 1), NumberSetting("bob", "OPT_SNDREG", 1),
                                         NumberSetting("bob", "OPT_VERIFY", 1), NumberSetting("_SMTP", "DIRECT", 0)}));
    EXPECT_EQ(draft.fields.replyAddress, "") << "Save leaves the reply address";
    EXPECT_TRUE(draft.queueForLater);
    config = AppConfig{};
    draft = MessageDraft{};
    EXPECT_EQ(Names(AcceptSendOptions(s, config, draft)), std::vector<std::string>{"_SMTP/DIRECT"});
    EXPECT_EQ(draft.fields.replyAddress, "reply@example.com");
    EXPECT_TRUE(draft.queueForLater);
    EXPECT_EQ(config.optSig, 0);
    EXPECT_EQ(config.optSndReg, 1);
    EXPECT_EQ(config.optVerify, 1);
    EXPECT_EQ(config.uuencode, 1);
    EXPECT_EQ(config.optAttach, 0) << "not offered in this dialog";
}

TEST_F(OptionStoresTest, SpecialProgramOk) {
    EXPECT_EQ(AcceptSpecialProgram({std::string(300, 'p'), true}, config),
              (std::vector<SettingWrite>{TextSetting("bob", "SpecProg", std::string(255, 'p')),
                                         NumberSetting("bob", "SpecCopy", 1)}));
    EXPECT_EQ(config.specProg.size(), 255u);
}

}  // namespace
}  // namespace velmar
