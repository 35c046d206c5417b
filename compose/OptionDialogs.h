// The option dialogs of the compose window without the windows: what each dialog shows
// when it opens, what its buttons change in the options, and exactly which settings they
// store. The dialogs (OptionDialogs_win.cpp) only move values between these states and
// their controls, and hand the returned writes to the settings store.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "config/AppConfig.h"
#include "config/SettingsStore.h"
#include "message/MessageDraft.h"

namespace velmar {

namespace cap {
inline constexpr std::size_t signatureFile = 143;  // "SIGFILE"
inline constexpr std::size_t bccAddresses = 99;    // "BCC"
inline constexpr std::size_t replyAddress = 119;   // typed in the send options dialog
}  // namespace cap

// The server-wide section that holds "DIRECT" (the SMTP service's own key).
inline constexpr std::string_view smtpSection = "_SMTP";

inline constexpr std::int32_t defaultWrapColumn = 72;
inline constexpr std::int32_t minimumWrapColumn = 30;

// The send options dialog's "Attachments" group lies below its normal height and shows
// only when the dialog is made taller by the group's height, in dialog units.
inline constexpr int attachmentsGroupHeight = 31;

// One setting a dialog writes: a number (PutConfigInt) or a text (PutConfigString).
struct SettingWrite {
    std::string section;
    std::string name;
    bool isText = false;
    std::int32_t number = 0;
    std::string text;
    friend bool operator==(const SettingWrite&, const SettingWrite&) = default;
};
[[nodiscard]] SettingWrite NumberSetting(std::string_view section, std::string_view name, std::int32_t value);
[[nodiscard]] SettingWrite TextSetting(std::string_view section, std::string_view name, std::string_view text);

// Performs the writes in order. Failed writes are silent, as every store write is.
void StoreSettings(SettingsStore& store, const std::vector<SettingWrite>& writes);

// The wrap column typed in the message options dialog: a whole number of at least 30;
// anything else (below 30, not a number, or too large for the option) gives 72. Blanks
// around the digits are allowed.
[[nodiscard]] std::int32_t WrapColumnFromText(std::string_view text);

// "OPT_DQUEUE" as stored: 1 queues for later delivery; every other value sends now.
[[nodiscard]] bool DeferDeliveryFromStored(std::int32_t stored);

// The signature file offered when "SIGFILE" is empty: "signatur.txt" in the user's folder.
[[nodiscard]] std::string DefaultSignaturePath(const AppConfig& config);

// The command line that opens the signature file in the editor.
[[nodiscard]] std::string SignatureEditorCommand(std::string_view signaturePath);

// The message options dialog's controls.
struct MessageOptionsState {
    bool registered = false;
    bool allowTab = false;
    bool autoWrap = false;
    std::string wrapColumn;  // the field's text
    bool autoBcc = false;
    std::string bccAddresses;
    bool showStatus = false;
    bool sendPrompt = false;
    bool useUuencode = false;
    bool encodeTextFiles = false;
    bool includeSignature = false;
    std::string signatureFile;
};

// What the dialog shows when it opens, from the options and the stored "SIGFILE", "BCC"
// and "OPT_ATTACH". Opening takes the stored "OPT_ATTACH" into the option itself.
[[nodiscard]] MessageOptionsState OpenMessageOptions(AppConfig& config, std::string_view storedSignatureFile,
                                                     std::string_view storedBcc, std::int32_t storedEncodeText);

// OK: takes the choices into the options and returns the writes, in the order they are
// made. "&Registered" holds for this run only and is not stored here. An empty (or blank)
// blind-copy field stores an empty "BCC" and "OPT_BCC" 0, while the option keeps the box.
[[nodiscard]] std::vector<SettingWrite> AcceptMessageOptions(const MessageOptionsState& state, AppConfig& config);

// The send options dialog's controls.
struct SendOptionsState {
    bool attachmentsShown = false;  // the dialog is made taller so the group shows
    std::string replyAddress;
    bool includeSignature = false;
    bool registered = false;
    bool showStatus = false;
    bool smtpDirect = true;
    bool queueForLater = false;
    bool uuEncoding = false;
};

// What the dialog shows when it opens. The group of attachment encodings shows when the
// message has an attachment, and always when the dialog is opened from the menu. Opening
// takes the stored "OPT_DQUEUE" into the draft's delivery choice.
[[nodiscard]] SendOptionsState OpenSendOptions(const AppConfig& config, MessageDraft& draft,
                                               std::int32_t storedDirect, std::int32_t storedDeferDelivery,
                                               bool fromMenu);

// OK: the reply address and the choices hold for this run; only "DIRECT" is stored.
[[nodiscard]] std::vector<SettingWrite> AcceptSendOptions(const SendOptionsState& state, AppConfig& config,
                                                          MessageDraft& draft);

// "&Save": the choices (not the reply address) are taken and stored, "OPT_ATTACH" left
// alone; the dialog stays open.
[[nodiscard]] std::vector<SettingWrite> SaveSendOptions(const SendOptionsState& state, AppConfig& config,
                                                        MessageDraft& draft);

// The user-defined program dialog's controls.
struct SpecialProgramState {
    std::string program;
    bool autoPaste = false;  // "SpecCopy": paste the clipboard back after the program ran
};

// OK: the program holds for this run and, with the paste choice, is stored.
[[nodiscard]] std::vector<SettingWrite> AcceptSpecialProgram(const SpecialProgramState& state, AppConfig& config);

// Whether the clipboard is pasted back over the selection after the program was started:
// only when the start succeeded (a start result of 32 or more) and "SpecCopy" is set.
[[nodiscard]] constexpr bool PasteBackAfterProgram(unsigned startResult, std::int32_t specCopy) {
    return startResult >= 32 && specCopy != 0;
}

}  // namespace velmar
