#include "compose/OptionDialogs.h"

#include <gtest/gtest.h>

#include <functional>

namespace velmar {
namespace {

TEST(OptionDialogs, WrapColumnDeferDeliveryAndPasteBack) {
    const struct { const char* typed; std::int32_t want; } columns[] = {
        {"0", 72}, {"29", 72}, {"abc", 72}, {"", 72}, {"30", 30}, {" 99 ", 99}, {"40x", 72}, {"-40", 72},
        {"4294967336", 72}, {"2147483647", 2147483647}};
    for (const auto& c : columns) EXPECT_EQ(WrapColumnFromText(c.typed), c.want) << c.typed;
    for (std::int32_t stored : {0, 1, 2, -1}) EXPECT_EQ(DeferDeliveryFromStored(stored), stored == 1) << stored;
    // The program's result is pasted back after a start that worked (32 or more) with "SpecCopy" set.
    EXPECT_EQ(std::tuple(PasteBackAfterProgram(32, 1), PasteBackAfterProgram(33, 0), PasteBackAfterProgram(31, 1)),
              std::tuple(true, false, false));
}

// Every write as "section/name=value", in order.
std::string Writes(const std::vector<SettingWrite>& writes) {
    std::string all;
    for (const SettingWrite& w : writes)
        all += w.section + "/" + w.name + "=" + (w.isText ? "'" + w.text + "'" : std::to_string(w.number)) + " ";
    return all;
}

TEST(OptionDialogs, EachButtonStoresExactlyItsSettings) {
    const auto messageOk = [](const char* tab) {  // OPT_TAB and OPT_ATTACH differ in one case: not swapped
        return "bob/OPT_SIG=0 bob/OPT_WRAP=0 bob/OPT_BCC=1 bob/OPT_TAB=" + std::string(tab) +
               " bob/OPT_ATTACH=1 bob/OPT_SENDPROMPT=0 bob/UUENCODE=1 ";
    };
    const std::string messageTail = "bob/SENDWRAP=72 bob/OPT_VERIFY=1 bob/SIGFILE='C:\\s.txt' ";
    const SendOptionsState send{true, "reply@example.com", false, true, true, false, true, true};
    using Press = std::function<std::vector<SettingWrite>(AppConfig&, MessageDraft&)>;
    const auto message = [](MessageOptionsState m) -> Press {
        return [m](AppConfig& c, MessageDraft&) { return AcceptMessageOptions(m, c); };
    };
    const struct { const char* name; Press press; std::string want; int sndRegAfter, attachAfter; } cases[] = {
        {"message options OK with addresses",
         message({true, true, false, "29", true, "a@example.com", true, false, true, true, false, "C:\\s.txt"}),
         messageOk("1") + "bob/BCC='a@example.com' " + messageTail, 1, 1},
        {"message options OK without addresses turns the stored switch off",
         message({true, false, false, "abc", true, " ", true, false, true, true, false, "C:\\s.txt"}),
         messageOk("0") + "bob/BCC='' bob/OPT_BCC=0 " + messageTail, 1, 1},
        {"send options OK", [&](AppConfig& c, MessageDraft& d) { return AcceptSendOptions(send, c, d); },
         "_SMTP/DIRECT=0 ", 1, 0},
        {"send options Save", [&](AppConfig& c, MessageDraft& d) { return SaveSendOptions(send, c, d); },
         "bob/OPT_SIG=0 bob/OPT_DQUEUE=1 bob/UUENCODE=1 bob/OPT_SNDREG=1 bob/OPT_VERIFY=1 _SMTP/DIRECT=0 ", 1, 0},
        {"program OK", [](AppConfig& c, MessageDraft&) { return AcceptSpecialProgram({std::string(300, 'p'), true}, c); },
         "bob/SpecProg='" + std::string(255, 'p') + "' bob/SpecCopy=1 ", 0, 0},
    };
    for (const auto& c : cases) {
        AppConfig config;
        config.userId = "bob";
        MessageDraft draft;
        EXPECT_EQ(Writes(c.press(config, draft)), c.want) << c.name;
        EXPECT_EQ(std::pair(config.optSndReg, config.optAttach), std::pair(c.sndRegAfter, c.attachAfter)) << c.name;
    }
}

TEST(OptionDialogs, OpeningTakesTheStoredChoices) {
    AppConfig config;
    config.userId = "bob";
    config.usersDir = "C:\\MAIL\\users";
    MessageDraft draft;
    const MessageOptionsState m = OpenMessageOptions(config, "", "boss@example.com", 1);
    EXPECT_EQ(std::to_string(config.optAttach) + " " + m.signatureFile + " " + m.wrapColumn,
              "1 C:\\MAIL\\users\\bob\\signatur.txt 72");
    // The stored OPT_DQUEUE 1 queues, 2 sends now; the encodings show when opened from the menu.
    EXPECT_EQ(std::pair(OpenSendOptions(config, draft, 1, 1, false).attachmentsShown, draft.queueForLater),
              std::pair(false, true));
    EXPECT_EQ(std::pair(OpenSendOptions(config, draft, 1, 2, true).attachmentsShown, draft.queueForLater),
              std::pair(true, false));
    EXPECT_EQ(SignatureEditorCommand("C:\\u\\sig.txt"), "notepad.exe  C:\\u\\sig.txt");
}

}  // namespace
}  // namespace velmar
