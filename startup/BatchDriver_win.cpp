#include "startup/BatchDriver_win.h"

#include <windows.h>

#include "common/FileStreams_win.h"
#include "common/Text.h"
#include "encoding/AttachmentParts_win.h"
#include "message/MessageHeader.h"
#include "queue/SubmitMessage_win.h"
#include "startup/Application_win.h"
#include "startup/BatchBody_win.h"
#include "startup/CommandLine.h"
#include "startup/ExitCodes.h"
#include "startup/ParameterFile.h"

namespace velmar {

namespace {

constexpr std::size_t storedBccCapacity = 100;
constexpr std::size_t senderCapacity = 120;

// The first phase's results into the process-wide fields and the configuration.
void ApplyRequest(Application& app, ParsedCommandLine& parsed) {
    app.fields = std::move(parsed.fields);
    if (parsed.hostName) app.config.hostName = *parsed.hostName;
    if (parsed.userId) app.config.userId = *parsed.userId;
    app.config.optSndReg = parsed.returnReceipt ? 1 : 0;
    for (auto& line : parsed.rawHeaderLines) app.rawHeaderLines.push_back(std::move(line));
    for (const auto& attachment : parsed.attachments)
        (void)AddAttachment(app.attachments, app.settings, app.config, attachment.path, attachment.displayName);
}

// The automatic blind copy: the user's stored "BCC" when "OPT_BCC" is on.
void AddStoredBcc(Application& app, CommandRequest& request, int autoBcc) {
    if (autoBcc <= 0) return;
    std::string stored;
    if (app.settings.GetConfigString(app.config.userId, "BCC", "", stored, storedBccCapacity, ProfileUser) == 0) return;
    if (!request.parameterMode) {
        app.fields.bcc = CutCopy(app.fields.bcc.empty() ? stored : app.fields.bcc + "," + stored, cap::addressField);
    } else if (request.bccText) {
        *request.bccText += "," + stored;
    } else {
        request.bccText = stored;
    }
}

void SettleSender(Application& app) {
    const AppConfig& config = app.config;
    DomainRecord domain;
    UserRecord user;
    if (!config.hostName.empty() && app.library.LookupDomain(domain, config.hostName) != 0 &&
        app.library.LookupUser(user, domain, config.userId) != 0) {
        app.fields.sender = std::string(user.MailAddress());
        app.fields.replyAddress = app.fields.sender;
        return;
    }
    app.settings.GetConfigString(config.userId, "MAILADDR", config.userId, app.fields.sender, senderCapacity,
                                 ProfileShared);
    app.settings.GetConfigString(config.userId, "MAILADDR", config.userId, app.fields.replyAddress, senderCapacity,
                                 ProfileShared);
}

MessageInput MessageOf(const Application& app, const CommandRequest& request, bool bodyEncoded) {
    MessageInput message;
    message.sender = app.fields.sender;
    if (request.parameterMode) {
        message.to = request.toText.value_or("");
        message.cc = request.ccText;
        message.bcc = request.bccText;
    } else {
        message.to = app.fields.to;
        message.cc = app.fields.cc;
        message.bcc = app.fields.bcc;
    }
    message.subject = app.fields.subject;
    message.receiptRequested = app.config.optSndReg != 0;
    message.bodyEncoded = bodyEncoded;
    if (!request.headerCharset.empty() && !request.bodyCharset.empty()) {
        message.headerCharset = request.headerCharset;
        message.bodyCharset = request.bodyCharset;
    }
    for (const auto& entry : app.attachments.Entries()) message.attachmentNames.push_back(entry.displayName);
    return message;
}

// Sends the prepared message; the caller's body file is consumed only once it is queued.
void Send(Application& app, MessageInput message, const BatchBody& body, const std::string& givenBody) {
    QueueContext queue{app.settings, app.library, app.config, app.rawHeaderLines, app.messageBuffer,
                       app.queueForLater};
    const bool queued = SubmitMessage(message, body.path, queue);
    if (body.temporary) DeleteFileA(body.path.c_str());
    if (!queued) {
        app.exitCode = exitcode::notQueued;
        return;
    }
    if (!givenBody.empty() && IsConsumedBodyFile(givenBody, app.config.spoolDir)) DeleteFileA(givenBody.c_str());
}

}  // namespace

int ProcessCommandLine(Application& app, HWND window, std::string_view commandLine) {
    const unsigned codePage = GetACP();
    app.fields = {};
    app.config.optSndReg = 0;
    app.messageBuffer = CutCopy(commandLine, cap::commandCopy);

    ParsedCommandLine parsed = ParseCommandLine(
        commandLine, codePage, [](const std::string& path) -> std::unique_ptr<ByteSource> { return FileSource::Open(path); });
    if (parsed.outcome == CommandOutcome::Reply) {
        app.replyFilePath = parsed.replyFilePath;
        return 1;
    }
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
    app.replyOption = app.settings.GetConfigInt(app.config.userId, "OPT_RPVAL", 2, ProfileUser);
    AddStoredBcc(app, request, autoBcc);
    while (!app.config.userId.empty() && (app.config.userId.back() == ' ' || app.config.userId.back() == '\n'))
        app.config.userId.pop_back();
    SettleSender(app);
    if (!request.attachPath.empty()) {
        const std::string& path = request.attachPath;
        (void)AddAttachment(app.attachments, app.settings, app.config, path, DisplayNameOfPath(path, codePage));
    }

    if (request.sendNow && request.bodyPathCut) {
        // A cut path names another file, which must be neither sent nor consumed.
        app.messageBuffer = "The body file name is too long: " + CutCopy(request.bodyPath, 400);
        app.exitCode = exitcode::notQueued;
        return 0;
    }
    const bool haveTo = !app.fields.to.empty() || request.toText.has_value();
    if (request.sendNow && (haveTo || request.toGiven)) {
        const bool charsetsGiven = !request.headerCharset.empty() && !request.bodyCharset.empty();
        BatchBody body;
        body.path = request.bodyPath;
        body.encoded = request.encodeBody;
        body.charset = charsetsGiven ? CutCopy(request.bodyCharset, cap::charset) : request.charset;
        std::string failure;
        if (!PrepareBatchBody(body, app.attachments, app.settings, app.config, mimeBoundary, failure)) {
            app.messageBuffer = CutCopy(failure, cap::commandCopy);
            app.exitCode = exitcode::notQueued;
            return 0;
        }
        MessageInput message = MessageOf(app, request, body.encoded);
        if (!haveTo) {
            // A "T:" value that could not be kept: the message goes back to its sender.
            MessageInput report;
            report.sender = "postmaster";
            report.to = app.fields.sender;
            report.cc = "";
            report.bcc = "";
            report.subject = "Message ERROR: No \"To:\" address";
            report.bodyEncoded = body.encoded;
            report.attachmentNames = message.attachmentNames;
            message = std::move(report);
        }
        Send(app, std::move(message), body, request.bodyPath);
        return 0;
    }

    // The window opens with the request's fields; its body editor and fields arrive with
    // the compose window.
    if (request.parameterMode) {
        if (request.toText) app.fields.to = CutCopy(*request.toText, cap::addressField);
        if (request.ccText) app.fields.cc = CutCopy(*request.ccText, cap::addressField);
        if (request.bccText) {
            app.fields.bcc = CutCopy(*request.bccText, cap::addressField);
        }
    }
    if (app.fields.bcc.empty() && autoBcc > 0)
        app.settings.GetConfigString(app.config.userId, "BCC", "", app.fields.bcc, storedBccCapacity, ProfileUser);
    return 1;
}

}  // namespace velmar
