#include "startup/CommandLine.h"

#include "common/Text.h"
#include "encoding/Charset.h"
#include "startup/ParameterFile.h"
#include "startup/Switches.h"

namespace velmar {

namespace {

constexpr std::size_t replyPathCapacity = 255;

}  // namespace

ParsedCommandLine ParseCommandLine(std::string_view commandLine, unsigned codePage, const FileOpener& openFile) {
    ParsedCommandLine parsed;
    parsed.request.charset = CutCopy(CharsetForCodePage(codePage), cap::charset);
    const std::string copy = CutCopy(commandLine, cap::commandCopy);

    if (copy.find("RPL") != std::string::npos) {
        parsed.outcome = CommandOutcome::Reply;
        parsed.replyFilePath = CutCopy(copy, replyPathCapacity);
        return parsed;
    }

    if (StartsWithNoCase(copy, "mailto:")) {
        // The whole URL: the address list is never cut inside an address.
        std::string_view url = commandLine.substr(7);
        url = url.substr(0, url.find_first_of("\r\n"));
        const std::size_t query = url.find('?');
        parsed.fields.to = std::string(url.substr(0, query));
        if (query != std::string_view::npos) parsed.fields.subject = CutCopy(url.substr(query + 1), cap::subjectField);
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
