// The switches of a batch command line ("-t", "-s", "-f" ...) and their quoting rules.
#pragma once

#include <string_view>

#include "startup/CommandRequest.h"

namespace velmar {

// Parses `commandLine` as switches into `parsed`. False for an unknown switch letter;
// parsed.rejectedText then holds the command line from that switch's hyphen on.
//
// A value runs from the first non-blank after its switch to the next hyphen, blanks
// included, unless it opens with a double quote, a single quote or the byte 0x7F: then
// that character quotes it up to its next occurrence, and text after the closing quote
// up to the next hyphen is glued on without the blanks between. A second occurrence of
// a switch replaces its earlier value; text after "-e" or "-r" is appended to the value
// before them. The command line ends at its first CR or LF.
bool ParseSwitches(std::string_view commandLine, ParsedCommandLine& parsed);

}  // namespace velmar
