// How a start is classified from its command line, before any setting is read.
#pragma once

#include <string>
#include <string_view>

namespace velmar {

enum class StartKind {
    Plain,    // the compose window opens empty
    Batch,    // the batch driver sends a message or pre-fills the window
    Reply,    // the window opens and is filled from a reply source file
    HandOff,  // not one of ours: passed whole to the delivery program
};

// The first matching rule wins: at most one character is a plain start; "RPL" anywhere
// (case-sensitive) a reply start; "-i ", "-t ", "-f ", "-u " or "~NEX" anywhere, or
// "mailto:" (any case) as its first seven characters a batch start; exactly "SEND" a plain
// start; anything else a hand-off.
[[nodiscard]] StartKind ClassifyCommandLine(std::string_view commandLine);

// The hand-off command: the built-in delivery program name, a blank and the whole command
// line, cut to 511 characters.
[[nodiscard]] std::string HandOffCommand(std::string_view commandLine);

}  // namespace velmar

namespace velmar {

// The arguments part of a whole process command line (as GetCommandLineA gives it): the
// program name (quoted or not) and the one blank after it are skipped; any further
// leading blanks belong to the arguments, so "mailto:" after two blanks is a hand-off.
[[nodiscard]] std::string_view ArgumentsOfCommandLine(std::string_view fullCommandLine);

}  // namespace velmar
