#include "startup/BatchDriver_win.h"

#include <windows.h>

#include <algorithm>

#include "common/FileStreams_win.h"
#include "common/Text.h"
#include "encoding/AttachmentParts_win.h"
#include "message/MessageHeader.h"
#include "message/MessagePlatform_win.h"
#include "message/RecipientLists.h"
#include "queue/PreparedBody_win.h"
#include "startup/Application_win.h"
#include "startup/BatchBody_win.h"
#include "startup/CommandLine.h"
#include "startup/ExitCodes.h"
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
    return report;
}

// The batch send: the named files checked, the body prepared, the message queued. A
// failure carries the text the program reports.
Outcome SendBatch(Application& app, const SenderIdentity& sender, const ParsedCommandLine& parsed,
                  const CommandRequest& request, bool haveTo) {
    const bool attachmentPathCut =
        request.attachPathCut ||
        std::any_of(parsed.attachments.begin(), parsed.attachments.end(), [](const auto& a) { return a.pathCut; });
    if (const Outcome checked =
            CheckBatchFiles(request.bodyPath, app.draft.attachments, attachmentPathCut, app.config.spoolDir);
        !checked)
        return Outcome::Failure(CutCopy(checked.failure, cap::commandCopy));
    const bool charsetsGiven = !request.headerCharset.empty() && !request.bodyCharset.empty();
    BatchBody body;
    body.path = request.bodyPath;
    body.encoded = request.encodeBody;
    body.charset = charsetsGiven ? CutCopy(request.bodyCharset, cap::charset) : request.charset;
    const Outcome prepared = PrepareBatchBody(body, app.draft.attachments, app.settings, app.config, mimeBoundary);
    if (!prepared) return Outcome::Failure(CutCopy(prepared.failure, cap::commandCopy));
    MessageInput message = MessageOf(app, request, body.encoded);
    if (!haveTo) message = NoToReport(message, app.draft.fields.sender);
    return Send(app, sender, message, body, request.bodyPath);
}

// The window opens with the request's fields and body file (start-up shows them).
void PrefillFromRequest(Application& app, HWND window, const CommandRequest& request, int autoBcc) {
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
    if (app.draft.fields.bcc.empty() && autoBcc > 0)
        app.settings.GetConfigString(app.config.userId, "BCC", "", app.draft.fields.bcc, storedBccCapacity, ProfileUser);
}

}  // namespace

int ProcessCommandLine(Application& app, HWND window, std::string_view commandLine) {
    const unsigned codePage = GetACP();
    app.draft.fields = {};
    app.windowBodyPath.clear();
    app.config.optSndReg = 0;
    app.messageBuffer = CutCopy(commandLine, cap::commandCopy);

    ParsedCommandLine parsed = ParseCommandLine(
        commandLine, codePage, [](const std::string& path) -> std::unique_ptr<ByteSource> { return FileSource::Open(path); });
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
        (void)AddAttachment(app.draft.attachments, app.settings, app.config, path, DisplayNameOfPath(path, codePage));
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
        if (Outcome sent = SendBatch(app, sender, parsed, request, haveTo); !sent) {
            app.messageBuffer = std::move(sent.failure);
            app.exitCode = exitcode::notQueued;
        }
        return 0;
    }
    PrefillFromRequest(app, window, request, autoBcc);
    return 1;
}

}  // namespace velmar
