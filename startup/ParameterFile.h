// Parameter files: text files of keyed lines ("T:", "S:", "F:" ...) that other programs
// write to have a message sent.
#pragma once

#include <string>
#include <string_view>

#include "common/ByteStream.h"
#include "startup/CommandRequest.h"

namespace velmar {

// Reads the next line whatever its length, with its line feed when it had one. False at
// the end of the data.
bool ReadWholeLine(ByteReader& in, std::string& line);

// Cuts `text` at its first line feed, then at its first carriage return.
void CutLineEnd(std::string& text);

// Acts on one line of a parameter file (its line end already cut): the first key it
// starts with, in the order "I:", "R:", "F:", "S:", "T:", "C:", "B:", "U:", "A:", "H:",
// "LS:", "LB:". Other lines are ignored. `codePage` tells double-byte characters apart.
void ApplyParameterLine(std::string_view line, ParsedCommandLine& parsed, unsigned codePage);

// Reads a whole parameter file (as text: CR LF is one line end, 0x1A ends the file).
void ReadParameterFile(ByteSource& file, ParsedCommandLine& parsed, unsigned codePage);


}  // namespace velmar
