#include "compose/OptionDialogs.h"

#include <limits>

#include "common/Text.h"

namespace velmar {
namespace {

std::int32_t Flag(bool on) { return on ? 1 : 0; }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The options both dialogs set from the same boxes.
void TakeSendChoices(const SendOptionsState& s, AppConfig& config, MessageDraft& draft) {
    config.optSig = Flag(s.includeSignature);
    config.optSndReg = Flag(s.registered);
    config.optVerify = Flag(s.showStatus);
    config.uuencode = Flag(s.uuEncoding);
    draft.queueForLater = s.queueForLater;
}

}  // namespace

SettingWrite NumberSetting(std::string_view section, std::string_view name, std::int32_t value) {
    return SettingWrite{std::string(section), std::string(name), false, value, {}};
}

SettingWrite TextSetting(std::string_view section, std::string_view name, std::string_view text) {
    return SettingWrite{std::string(section), std::string(name), true, 0, std::string(text)};
}

void StoreSettings(SettingsStore& store, const std::vector<SettingWrite>& writes) {
    for (const SettingWrite& w : writes) {
        if (w.isText)
            store.PutConfigString(w.section, w.name, w.text.c_str());
        else
            store.PutConfigInt(w.section, w.name, w.number);
    }
}

std::int32_t WrapColumnFromText(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty()) return defaultWrapColumn;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return defaultWrapColumn;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int32_t>::max()) return defaultWrapColumn;
    }
    return value < minimumWrapColumn ? defaultWrapColumn : static_cast<std::int32_t>(value);
}

bool DeferDeliveryFromStored(std::int32_t stored) { return stored == 1; }

std::string DefaultSignaturePath(const AppConfig& config) {
    std::string path = config.usersDir + "\\" + config.userId + "\\signatur.txt";
    return CutTo(path, cap::signatureFile);
}

std::string SignatureEditorCommand(std::string_view signaturePath) {
    return "notepad.exe  " + CutCopy(signaturePath, cap::signatureFile);
}

MessageOptionsState OpenMessageOptions(AppConfig& config, std::string_view storedSignatureFile,
                                       std::string_view storedBcc, std::int32_t storedEncodeText) {
    config.optAttach = storedEncodeText;
    MessageOptionsState s;
    s.includeSignature = config.optSig != 0;
    s.autoWrap = config.optWrap != 0;
    s.registered = config.optSndReg != 0;
    s.allowTab = config.optTab != 0;
    s.sendPrompt = config.optSendPrompt != 0;
    s.signatureFile = storedSignatureFile.empty() ? DefaultSignaturePath(config)
                                                  : CutCopy(storedSignatureFile, cap::signatureFile);
    s.wrapColumn = std::to_string(static_cast<std::uint32_t>(config.sendWrap));
    s.autoBcc = config.optBcc != 0;
    s.showStatus = config.optVerify != 0;
    s.encodeTextFiles = config.optAttach != 0;
    s.useUuencode = config.uuencode != 0;
    s.bccAddresses = CutCopy(storedBcc, cap::bccAddresses);
    return s;
}

std::vector<SettingWrite> AcceptMessageOptions(const MessageOptionsState& s, AppConfig& config) {
    const std::string& user = config.userId;
    config.optSig = Flag(s.includeSignature);
    config.optWrap = Flag(s.autoWrap);
    config.optBcc = Flag(s.autoBcc);
    config.optTab = Flag(s.allowTab);
    config.optAttach = Flag(s.encodeTextFiles);
    config.optSendPrompt = Flag(s.sendPrompt);
    config.uuencode = Flag(s.useUuencode);
    std::vector<SettingWrite> writes = {
        NumberSetting(user, "OPT_SIG", config.optSig),
        NumberSetting(user, "OPT_WRAP", config.optWrap),
        NumberSetting(user, "OPT_BCC", config.optBcc),
        NumberSetting(user, "OPT_TAB", config.optTab),
        NumberSetting(user, "OPT_ATTACH", config.optAttach),
        NumberSetting(user, "OPT_SENDPROMPT", config.optSendPrompt),
        NumberSetting(user, "UUENCODE", config.uuencode),
    };
    // Blind copies to nobody cannot be sent: the stored switch goes off with the list.
    const std::string bcc = CutCopy(s.bccAddresses, cap::bccAddresses);
    if (TrimBlanks(bcc).empty()) {
        writes.push_back(TextSetting(user, "BCC", ""));
        writes.push_back(NumberSetting(user, "OPT_BCC", 0));
    } else {
        writes.push_back(TextSetting(user, "BCC", bcc));
    }
    config.sendWrap = WrapColumnFromText(s.wrapColumn);
    writes.push_back(NumberSetting(user, "SENDWRAP", config.sendWrap));
    config.optSndReg = Flag(s.registered);
    config.optVerify = Flag(s.showStatus);
    writes.push_back(NumberSetting(user, "OPT_VERIFY", config.optVerify));
    writes.push_back(TextSetting(user, "SIGFILE", CutCopy(s.signatureFile, cap::signatureFile)));
    return writes;
}

SendOptionsState OpenSendOptions(const AppConfig& config, MessageDraft& draft, std::int32_t storedDirect,
                                 std::int32_t storedDeferDelivery, bool fromMenu) {
    draft.queueForLater = DeferDeliveryFromStored(storedDeferDelivery);
    SendOptionsState s;
    s.attachmentsShown = fromMenu || !draft.attachments.Empty();
    s.replyAddress = CutCopy(draft.fields.replyAddress, cap::replyAddress);
    s.includeSignature = config.optSig != 0;
    s.registered = config.optSndReg != 0;
    s.showStatus = config.optVerify != 0;
    s.smtpDirect = storedDirect != 0;
    s.queueForLater = draft.queueForLater;
    s.uuEncoding = config.uuencode != 0;
    return s;
}

std::vector<SettingWrite> AcceptSendOptions(const SendOptionsState& s, AppConfig& config, MessageDraft& draft) {
    draft.fields.replyAddress = CutCopy(s.replyAddress, cap::replyAddress);
    TakeSendChoices(s, config, draft);
    return {NumberSetting(smtpSection, "DIRECT", Flag(s.smtpDirect))};
}

std::vector<SettingWrite> SaveSendOptions(const SendOptionsState& s, AppConfig& config, MessageDraft& draft) {
    TakeSendChoices(s, config, draft);
    const std::string& user = config.userId;
    return {
        NumberSetting(user, "OPT_SIG", config.optSig),
        NumberSetting(user, "OPT_DQUEUE", Flag(draft.queueForLater)),
        NumberSetting(user, "UUENCODE", config.uuencode),
        NumberSetting(user, "OPT_SNDREG", config.optSndReg),
        NumberSetting(user, "OPT_VERIFY", config.optVerify),
        NumberSetting(smtpSection, "DIRECT", Flag(s.smtpDirect)),
    };
}

std::vector<SettingWrite> AcceptSpecialProgram(const SpecialProgramState& s, AppConfig& config) {
    config.specProg = CutCopy(s.program, cap::specProg);
    return {
        TextSetting(config.userId, "SpecProg", config.specProg),
        NumberSetting(config.userId, "SpecCopy", Flag(s.autoPaste)),
    };
}

}  // namespace velmar
