#include "compose/WindowSend_win.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

#include "common/BufferedFile_win.h"
#include "common/ResourceStrings_win.h"
#include "common/TextMode.h"
#include "common/WideText_win.h"
#include "common/WinHandles_win.h"
#include "common/WholeFiles_win.h"
#include "common/WindowText_win.h"
#include "compose/BodyText.h"
#include "compose/OptionDialogs.h"
#include "compose/OptionDialogs_win.h"
#include "compose/Signature.h"
#include "compose/WrapWriter.h"
#include "encoding/Charset.h"
#include "message/MessageHeader.h"
#include "message/MessagePlatform_win.h"
#include "message/MessageTexts.h"
#include "message/WriterSettings.h"
#include "queue/PreparedBody_win.h"

namespace velmar {

namespace {

constexpr UINT idsFileSendError = 11465;
constexpr std::size_t failureCapacity = 511;
constexpr std::size_t senderCapacity = 120;

std::string FileSendError(HINSTANCE instance, std::string_view path) {
    const std::string format = LoadResourceString(instance, idsFileSendError, 255, "File send error of %s");
    return FormatWithText(format, path, failureCapacity);
}

// The whole text of a control, however long, as typed.
std::u16string ControlText(HWND control) {
    const std::wstring text = WindowTextW(control);
    return std::u16string(text.begin(), text.end());
}

// The body text as the body file holds it, in a new temporary file of the spool directory.
// Fails, with nothing left behind, when the file cannot be made or written whole.
Outcome WriteBodyFile(HINSTANCE instance, const std::string& spoolDir, std::string_view bytes, std::string& path) {
    path = NewSpoolTempFile(spoolDir);
    if (path.empty()) return Outcome::Failure(FileSendError(instance, spoolDir));
    const bool written = WriteNewFile(path, bytes);
    if (written) return Outcome::Success();
    DeleteFileA(path.c_str());
    return Outcome::Failure(FileSendError(instance, path));
}

// The signature as it follows the attachment parts; empty when it is off or its file
// cannot be read. A message in UTF-8 gets the signature file's text in UTF-8.
std::string SignatureTrailer(const ComposeContext& c, std::string_view charset, unsigned codePage) {
    if (c.config.optSig == 0) return {};
    std::string path;
    c.settings.GetConfigString(c.config.userId, "SIGFILE", "", path, cap::signatureFile + 1, ProfileUser);
    if (path.empty()) path = DefaultSignaturePath(c.config);
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) return {};
    if (codePage == utf8CodePage) bytes = AnsiInMessage(*bytes, codePage, PlatformAnsiCodec());
    // In its own part the signature is labelled for its own bytes.
    const std::string label = codePage == utf8CodePage ? std::string(charset) : CharsetForText(codePage, *bytes);
    const SignatureForm form{FileHasEightBit(path.c_str()), label, c.draft.attachments.Count(),
                             c.config.uuencode != 0};
    return SignaturePart(*bytes, form);
}

// The sender: the reply address of the send options when there is one, else the user's
// stored "MAILADDR" (the user id when none is stored).
std::string SenderAddress(const ComposeContext& c) {
    if (!c.draft.fields.replyAddress.empty()) return c.draft.fields.replyAddress;
    std::string address;
    c.settings.GetConfigString(c.config.userId, "MAILADDR", c.config.userId, address, senderCapacity, ProfileShared);
    return address;
}

// Prepares the body file and submits the message; the body file is gone afterwards either way.
Outcome PrepareAndSubmit(ComposeWindow& w) {
    ComposeContext& c = w.context;
    MessageFields& fields = c.draft.fields;
    // Every text as typed: in the ANSI code page when all of it fits, else all in UTF-8.
    MessageTexts texts = EncodeMessageTexts({ControlText(w.Control(RowTo)), ControlText(w.Control(RowSubject)),
                                             ControlText(w.Control(RowCc)), ControlText(w.Control(RowBcc)),
                                             ControlText(w.Body())},
                                            PlatformAnsiCodec());
    const bool utf8 = texts.codePage == utf8CodePage;
    fields.to = std::move(texts.texts[0]);
    fields.subject = std::move(texts.texts[1]);
    fields.cc = std::move(texts.texts[2]);
    fields.bcc = std::move(texts.texts[3]);
    fields.utf8 = utf8;
    fields.sender = SenderAddress(c);
    // A file left out silently would be shown as sent.
    if (Outcome readable = CheckAttachmentFiles(c.draft.attachments, c.config.spoolDir); !readable) return readable;

    std::string body = WrapBodyText(texts.texts[4], c.config.optWrap != 0,
                                    static_cast<std::size_t>(c.config.sendWrap > 0 ? c.config.sendWrap : 0), utf8);
    body = BodyFileText(std::move(body));  // a 0x1A would end the queue's copy of it
    std::string bodyPath;
    if (Outcome written = WriteBodyFile(c.instance, c.config.spoolDir, body, bodyPath); !written) return written;

    const std::string charset = utf8 ? CharsetForCodePage(texts.codePage) : CharsetForText(texts.codePage, body);
    // The 8-bit test on the bytes just written, not on a second read of the file.
    bool ended = false;
    bool encoded = TextHasEightBit(body, ended);
    if (encoded) {
        std::string encodedPath;
        if (Outcome converted = EncodeBodyFile(bodyPath, charset, c.config.spoolDir, encodedPath); !converted) {
            DeleteFileA(bodyPath.c_str());
            return converted;
        }
        if (encodedPath.empty()) encoded = false;  // no file for the conversion: sent as it is
        else bodyPath = encodedPath;
    }
    if (Outcome appended = AppendMessageParts(bodyPath, c.draft.attachments, c.settings, c.config, mimeBoundary,
                                              SignatureTrailer(c, charset, texts.codePage),
                                              utf8 ? texts.codePage : 0);
        !appended) {
        DeleteFileA(bodyPath.c_str());
        return appended;
    }

    MessageInput message;
    message.sender = fields.sender;
    message.to = fields.to;
    message.cc = fields.cc;
    message.bcc = fields.bcc;
    message.subject = fields.subject;
    message.receiptRequested = c.config.optSndReg != 0;
    message.bodyEncoded = encoded;
    message.codePage = texts.codePage;
    message.bodyBeyondIsoLabel = !utf8 && BeyondIsoLabel(texts.codePage, body);
    for (const auto& entry : c.draft.attachments.Entries()) message.attachmentNames.push_back(entry.displayName);
    message.rawHeaderLines = c.draft.rawHeaderLines;
    const SenderIdentity identity = ResolveSender(c.settings, c.library, c.config);
    Outcome queued = SubmitWithStoredSettings(message, bodyPath, c.settings, c.library, c.config, identity.fullName,
                                              c.draft.queueForLater);
    DeleteFileA(bodyPath.c_str());  // already gone when it was queued
    return queued;
}

}  // namespace

bool SendFromWindow(ComposeWindow& w) {
    ComposeContext& c = w.context;
    if (c.config.optSendPrompt != 0 && !ShowSendOptions(w, false)) return false;
    const Outcome sent = PrepareAndSubmit(w);
    if (!sent) {
        MessageBoxA(w.window, sent.failure.c_str(), c.appTitle.c_str(), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    c.draft.rawHeaderLines.clear();  // they belonged to this message
    c.draft.attachments.ClearAttachments();
    ShowAttachmentList(w);
    return true;
}

}  // namespace velmar
