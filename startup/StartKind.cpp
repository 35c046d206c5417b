#include "startup/StartKind.h"

#include "common/Text.h"

namespace velmar {

StartKind ClassifyCommandLine(std::string_view commandLine) {
    if (commandLine.size() <= 1) return StartKind::Plain;
    if (commandLine.find("RPL") != std::string_view::npos) return StartKind::Reply;
    for (std::string_view marker : {"-i ", "-t ", "-f ", "-u ", "~NEX"})
        if (commandLine.find(marker) != std::string_view::npos) return StartKind::Batch;
    if (StartsWithNoCase(commandLine, "mailto:")) return StartKind::Batch;
    if (commandLine == "SEND") return StartKind::Plain;
    return StartKind::HandOff;
}

std::string HandOffCommand(std::string_view commandLine) {
    std::string command = "mqsend ";
    command += commandLine;
    return CutTo(command, 511);
}

}  // namespace velmar

namespace velmar {

std::string_view ArgumentsOfCommandLine(std::string_view full) {
    std::size_t i = 0;
    if (!full.empty() && full[0] == '"') {
        std::size_t close = full.find('"', 1);
        i = close == std::string_view::npos ? full.size() : close + 1;
    }
    while (i < full.size() && full[i] != ' ' && full[i] != '\t') ++i;
    if (i < full.size()) ++i;  // the separating blank
    return full.substr(i);
}

}  // namespace velmar
