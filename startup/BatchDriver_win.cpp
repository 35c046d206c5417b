#include "startup/BatchDriver_win.h"

#include <windows.h>

#include <algorithm>
#include <array>

#include "common/FileStreams_win.h"
#include "common/Text.h"
#include "common/WholeFiles_win.h"
#include "common/WideText_win.h"
#include "encoding/UnicodeText.h"
#include "encoding/AttachmentParts_win.h"
#include "encoding/Charset.h"
#include "message/MessageHeader.h"
#include "message/MessagePlatform_win.h"
#include "message/MessageTexts.h"
#include "message/RecipientLists.h"
#include "queue/PreparedBody_win.h"
#include "startup/Application_win.h"
#include "startup/BatchBody_win.h"
#include "startup/CommandLine.h"
#include "startup/ExitCodes.h"
#include "startup/MailtoLink.h"
#include "startup/ParameterFile.h"

namespace velmar {

namespace {

constexpr std::size_t storedBccCapacity = 100;

// The first phase's results into the process-wide fields and the configuration.
void ApplyRequest(Application& app, ParsedCommandLine& parsed) {
    app.draft.fields = std::move(parsed.fields);
    if (parsed.hostName && !parsed.hostName->empty()) app.config.hostName = *parsed.hostName;  // "" keeps the configured host
    if (parsed.userId) app.config.userId = *parsed.userId;
    app.config.optSndReg = parsed.returnReceipt ? 1 : 0;
    for (auto& line : parsed.rawHeaderLines) app.draft.rawHeaderLines.push_back(std::move(line));
    for (const auto& attachment : parsed.attachments)
        if (!attachment.pathCut)
            (void)AddAttachment(app.draft.attachments, app.settings, app.config, attachment.path, attachment.displayName);
}

// The automatic blind copy: the user's stored "BCC" when "OPT_BCC" is on.
void AddStoredBcc(Application& app, CommandRequest& request, int autoBcc) {
    if (autoBcc <= 0) return;
    std::string stored;
    if (app.settings.GetConfigString(app.config.userId, "BCC", "", stored, storedBccCapacity, ProfileUser) == 0) return;
    // A switch list is added to only when it holds something; a parameter file's "B:" line
    // is added to as it stands.
    if (request.bccText && (request.parameterMode || !request.bccText->empty())) *request.bccText += "," + stored;
    else request.bccText = stored;
}

// Whether a recipient list names at least one address.
bool YieldsAddress(std::string list) {
    ReduceToBareAddresses(list);
    return list.find_first_not_of(", \t") != std::string::npos;
}

// The sender's address into the fields; the sender's name for the writer.
SenderIdentity SettleSender(Application& app) {
    SenderIdentity sender = ResolveSender(app.settings, app.library, app.config);
    app.draft.fields.sender = sender.address;
    app.draft.fields.replyAddress = sender.address;
    return sender;
}

MessageInput MessageOf(const Application& app, const CommandRequest& request, bool bodyEncoded) {
    MessageInput message;
    message.sender = app.draft.fields.sender;
    // The lists as given, whole: the fields hold only what the window can show.
    message.to = request.toText.value_or("");
    message.cc = request.ccText;
    message.bcc = request.bccText;
    if (!request.parameterMode) {
        if (!message.cc) message.cc = "";
        if (!message.bcc) message.bcc = "";
    }
    message.subject = app.draft.fields.subject;
    message.receiptRequested = app.config.optSndReg != 0;
    message.bodyEncoded = bodyEncoded;
    if (!request.headerCharset.empty() && !request.bodyCharset.empty()) {
        message.headerCharset = request.headerCharset;
        message.bodyCharset = request.bodyCharset;
    }
    for (const auto& entry : app.draft.attachments.Entries()) message.attachmentNames.push_back(entry.displayName);
    message.rawHeaderLines = app.draft.rawHeaderLines;
    return message;
}

// Sends the prepared message; the caller's body file is consumed only once it is queued.
Outcome Send(Application& app, const SenderIdentity& sender, const MessageInput& message, const BatchBody& body,
             const std::string& givenBody) {
    const Outcome queued = SubmitWithStoredSettings(message, body.path, app.settings, app.library, app.config,
                                                    sender.fullName, app.draft.queueForLater);
    if (body.temporary) DeleteFileA(body.path.c_str());
    if (!queued) return queued;
    app.draft.rawHeaderLines.clear();  // they belonged to this message
    if (!givenBody.empty() && IsConsumedBodyFile(givenBody, app.config.spoolDir)) DeleteFileA(givenBody.c_str());
    return Outcome::Success();
}

// The text of a parameter file that starts with a UTF-8 byte-order mark, without the mark:
// in the ANSI code page when all of it fits, else UTF-8 (`codePage` then 65001). Nothing
// for any other command line or file, which is read as it always was.
std::optional<std::string> MarkedParameterFile(std::string_view commandLine, bool utf8Line, unsigned& codePage) {
    const std::string copy = CutCopy(commandLine, cap::commandCopy);
    if (copy.find("RPL") != std::string::npos || StartsWithNoCase(copy, "mailto:") ||
        copy.find("~NEX") == std::string::npos)
        return std::nullopt;
    const std::optional<std::string> bytes = ReadFileBytes(utf8Line ? AnsiPathOf(copy) : copy);
    if (!bytes || DetectBom(*bytes) != TextBom::Utf8) return std::nullopt;
    const std::wstring text = Utf8ToWide(Utf8OfMarkedFile(*bytes));
    if (std::optional<std::string> ansi = WideToAnsiExact(text)) {
        codePage = GetACP();
        return ansi;
    }
    codePage = utf8CodePage;
    return WideToUtf8(text);
}

// A UTF-8 request names its files in UTF-8: each becomes a path the file functions open,
// and an attachment is shown under its name in the ANSI code page where it fits.
void OpenableRequestPaths(ParsedCommandLine& parsed) {
    CommandRequest& request = parsed.request;
    if (!request.bodyPath.empty()) request.bodyPath = AnsiPathOf(request.bodyPath);
    if (!request.attachPath.empty()) request.attachPath = AnsiPathOf(request.attachPath);
    for (AttachmentRequest& attachment : parsed.attachments) {
        attachment.path = AnsiPathOf(attachment.path);
        const std::optional<std::string> name = WideToAnsiExact(Utf8ToWide(attachment.displayName));
        attachment.displayName = name ? *name : DisplayNameOfPath(attachment.path, GetACP());
    }
}

// Whether the body file, as far as a text file goes (to a 0x1A byte), holds a byte beyond
// the code page's ISO label.
bool FileBeyondIsoLabel(const std::string& path, unsigned codePage) {
    const auto file = path.empty() ? nullptr : FileSource::Open(path);
    if (!file) return false;
    std::array<char, 65536> buffer{};
    while (const std::size_t n = file->Read(buffer.data(), buffer.size())) {
        const std::string_view chunk(buffer.data(), n);
        const std::size_t end = chunk.find('\x1A');
        if (BeyondIsoLabel(codePage, chunk.substr(0, end))) return true;
        if (end != std::string_view::npos) return false;
    }
    return false;
}

// A UTF-8 message's body file (in the ANSI code page, or Unicode behind a byte-order mark)
// as UTF-8 in a new temporary file of the spool directory, named in `converted`.
Outcome BodyInUtf8(const std::string& path, const std::string& spoolDir, std::string& converted) {
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) return Outcome::Failure("File send error of " + CutCopy(path, 400));
    const std::string text = DetectBom(*bytes) != TextBom::None ? Utf8OfMarkedFile(*bytes) : WideToUtf8(AnsiToWide(*bytes));
    converted = NewSpoolTempFile(spoolDir);
    if (converted.empty() || !WriteNewFile(converted, text)) {
        if (!converted.empty()) DeleteFileA(converted.c_str());
        converted.clear();
        return Outcome::Failure("File send error of " + CutCopy(path, 400));
    }
    return Outcome::Success();
}

// A message with no address in its To list goes back to its sender instead.
MessageInput NoToReport(const MessageInput& message, const std::string& sender) {
    MessageInput report;
    report.sender = "postmaster";
    report.to = sender;
    report.cc = "";
    report.bcc = "";
    report.subject = "Message ERROR: No \"To:\" address";
    report.bodyEncoded = message.bodyEncoded;
    report.attachmentNames = message.attachmentNames;
    report.rawHeaderLines = message.rawHeaderLines;
    report.codePage = message.codePage;
    report.bodyBeyondIsoLabel = message.bodyBeyondIsoLabel;
    return report;
}

// The batch send: the named files checked, the body prepared, the message queued. A
// failure carries the text the program reports.
Outcome SendBatch(Application& app, const SenderIdentity& sender, const ParsedCommandLine& parsed,
                  const CommandRequest& request, bool haveTo, unsigned codePage) {
    const bool attachmentPathCut =
        request.attachPathCut ||
        std::any_of(parsed.attachments.begin(), parsed.attachments.end(), [](const auto& a) { return a.pathCut; });
    if (const Outcome checked =
            CheckBatchFiles(request.bodyPath, app.draft.attachments, attachmentPathCut, app.config.spoolDir);
        !checked)
        return Outcome::Failure(CutCopy(checked.failure, cap::commandCopy));
    const bool utf8 = codePage == utf8CodePage;
    const bool charsetsGiven = !request.headerCharset.empty() && !request.bodyCharset.empty();
    BatchBody body;
    body.path = request.bodyPath;
    body.encoded = request.encodeBody;
    body.charset = charsetsGiven ? CutCopy(request.bodyCharset, cap::charset) : request.charset;
    body.codePage = utf8 ? utf8CodePage : 0;
    std::string converted;  // a UTF-8 message's body file, converted
    if (utf8 && !body.path.empty()) {
        if (const Outcome made = BodyInUtf8(body.path, app.config.spoolDir, converted); !made)
            return Outcome::Failure(CutCopy(made.failure, cap::commandCopy));
        body.path = converted;
    }
    const Outcome prepared = PrepareBatchBody(body, app.draft.attachments, app.settings, app.config, mimeBoundary);
    if (!converted.empty() && body.path != converted) DeleteFileA(converted.c_str());
    if (!prepared) return Outcome::Failure(CutCopy(prepared.failure, cap::commandCopy));
    MessageInput message = MessageOf(app, request, body.encoded);
    message.codePage = utf8 ? utf8CodePage : 0;
    message.bodyBeyondIsoLabel = !utf8 && body.encoded && !charsetsGiven && FileBeyondIsoLabel(request.bodyPath, codePage);
    if (!haveTo) message = NoToReport(message, app.draft.fields.sender);
    Outcome sent = Send(app, sender, message, body, request.bodyPath);
    if (!converted.empty()) DeleteFileA(converted.c_str());  // gone already when it was the submitted file
    return sent;
}

// The window opens with the request's fields and body file (start-up shows them).
void PrefillFromRequest(Application& app, HWND window, const CommandRequest& request,
                        const std::optional<std::string>& bodyText, int autoBcc) {
    if (request.bodyPathCut) {
        // A cut path names another file, which must be neither loaded nor consumed.
        app.messageBuffer = "The body file name is too long: " + CutCopy(request.bodyPath, 400);
        MessageBoxA(window, app.messageBuffer.c_str(), app.appTitle.c_str(), MB_OK | MB_ICONEXCLAMATION);
    } else {
        app.windowBodyPath = request.bodyPath;
    }
    // The lists whole: the field holds any length, and a cut would name another address.
    if (request.toText) app.draft.fields.to = *request.toText;
    if (request.ccText) app.draft.fields.cc = *request.ccText;
    if (request.bccText) app.draft.fields.bcc = *request.bccText;
    if (bodyText) app.windowBodyText = *bodyText;
    if (app.draft.fields.bcc.empty() && autoBcc > 0)
        app.settings.GetConfigString(app.config.userId, "BCC", "", app.draft.fields.bcc, storedBccCapacity, ProfileUser);
}

}  // namespace

int ProcessCommandLine(Application& app, HWND window, std::string_view commandLine) {
    unsigned codePage = app.commandLineUtf8 ? utf8CodePage : GetACP();
    app.draft.fields = {};
    app.windowBodyPath.clear();
    app.windowBodyText.clear();
    app.config.optSndReg = 0;
    app.messageBuffer = CutCopy(commandLine, cap::commandCopy);

    const std::optional<std::string> parameterText = MarkedParameterFile(commandLine, app.commandLineUtf8, codePage);
    const bool utf8Line = app.commandLineUtf8;
    ParsedCommandLine parsed = ParseCommandLine(
        commandLine, codePage, [&](const std::string& path) -> std::unique_ptr<ByteSource> {
            if (parameterText) return std::make_unique<MemorySource>(*parameterText);
            return FileSource::Open(utf8Line ? AnsiPathOf(path) : path);
        });
    if (codePage == utf8CodePage) OpenableRequestPaths(parsed);
    // A reply start asks for nothing else; it goes on like a window start so that the
    // sender and the stored reply option are settled for the reply.
    if (parsed.outcome == CommandOutcome::Reply) app.replyFilePath = parsed.replyFilePath;
    if (parsed.outcome == CommandOutcome::Rejected) {
        MessageBoxA(window, parsed.rejectedText.c_str(), "unknown arg", MB_OK);
        app.exitCode = exitcode::rejected;
        return 0;
    }
    CommandRequest request = std::move(parsed.request);
    ApplyRequest(app, parsed);

    // Who is sending.
    app.library.LookupDomain(app.config.domain, app.config.hostName);
    app.settings.BuildUserProfilePath(app.config.userId);
    const int autoBcc = app.settings.GetConfigInt(app.config.userId, "OPT_BCC", 0, ProfileUser);
    app.draft.replyOption = app.settings.GetConfigInt(app.config.userId, "OPT_RPVAL", 2, ProfileUser);
    AddStoredBcc(app, request, autoBcc);
    while (!app.config.userId.empty() && (app.config.userId.back() == ' ' || app.config.userId.back() == '\n'))
        app.config.userId.pop_back();
    const SenderIdentity sender = SettleSender(app);
    if (!request.attachPath.empty() && !request.attachPathCut) {
        const std::string& path = request.attachPath;
        (void)AddAttachment(app.draft.attachments, app.settings, app.config, path, DisplayNameOfPath(path, GetACP()));
    }

    if (request.sendNow && request.bodyPathCut) {
        // A cut path names another file, which must be neither sent nor consumed.
        app.messageBuffer = "The body file name is too long: " + CutCopy(request.bodyPath, 400);
        app.exitCode = exitcode::notQueued;
        return 0;
    }
    // A list that names no address counts as no To: the message goes back to its sender.
    const bool haveTo = request.toText && YieldsAddress(*request.toText);
    if (request.sendNow && (haveTo || request.toGiven)) {
        if (Outcome sent = SendBatch(app, sender, parsed, request, haveTo, codePage); !sent) {
            app.messageBuffer = std::move(sent.failure);
            app.exitCode = exitcode::notQueued;
        }
        return 0;
    }
    PrefillFromRequest(app, window, request, parsed.bodyText, autoBcc);
    return 1;
}

}  // namespace velmar
