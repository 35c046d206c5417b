#include "startup/CommandLine.h"

#include "common/Text.h"
#include "encoding/Charset.h"
#include "startup/MailtoLink.h"
#include "startup/ParameterFile.h"
#include "startup/Switches.h"

namespace velmar {

namespace {

constexpr std::size_t replyPathCapacity = 255;

}  // namespace

ParsedCommandLine ParseCommandLine(std::string_view commandLine, unsigned codePage, const FileOpener& openFile) {
    ParsedCommandLine parsed;
    parsed.request.charset = CutCopy(CharsetForCodePage(codePage), cap::charset);
    parsed.fields.utf8 = codePage == 65001;
    const std::string copy = CutCopy(commandLine, cap::commandCopy);

    if (copy.find("RPL") != std::string::npos) {
        parsed.outcome = CommandOutcome::Reply;
        parsed.replyFilePath = CutCopy(copy, replyPathCapacity);
        return parsed;
    }

    if (StartsWithNoCase(copy, "mailto:")) {
        // The whole link: a body runs long, and an address list is never cut inside an address.
        std::string_view url = commandLine.substr(7);
        url = url.substr(0, url.find_first_of("\r\n"));
        MailtoFields link = ParseMailto(url);
        parsed.fields.utf8 = link.pairs || codePage == 65001;
        parsed.fields.to = std::move(link.to);
        parsed.fields.subject = CutUtf8(link.subject, cap::subjectField);
        if (link.cc) parsed.request.ccText = std::move(link.cc);
        if (link.bcc) parsed.request.bccText = std::move(link.bcc);
        parsed.bodyText = std::move(link.body);
        return parsed;
    }

    if (copy.find("~NEX") != std::string::npos && openFile) {
        if (auto file = openFile(copy)) {
            ReadParameterFile(*file, parsed, codePage);
            parsed.request.parameterMode = true;
            return parsed;
        }
    }

    if (!ParseSwitches(commandLine, parsed)) parsed.outcome = CommandOutcome::Rejected;
    return parsed;
}

}  // namespace velmar
