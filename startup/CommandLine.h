// The first phase of the batch driver: what a batch command line asks for.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "common/ByteStream.h"
#include "startup/CommandRequest.h"

namespace velmar {

// Opens a file for reading, or gives null when it cannot be opened.
using FileOpener = std::function<std::unique_ptr<ByteSource>(const std::string& path)>;

// Tried in this order on the command line (of which the first 511 characters count for
// the reply and parameter-file forms): "RPL" anywhere makes a reply start; "mailto:" (any
// case) at the start gives the fields of the whole link (ParseMailto: To, whole, up to the
// first "?" and the Subject after it exactly as written, or the decoded "key=value" pairs);
// "~NEX" anywhere names a parameter file when a file of exactly that name opens;
// otherwise the command line is read as switches. A mailto: URL ends at its first CR or LF.
// With `codePage` 65001 the command line is UTF-8 and so are the fields it gives.
[[nodiscard]] ParsedCommandLine ParseCommandLine(std::string_view commandLine, unsigned codePage,
                                                 const FileOpener& openFile);

}  // namespace velmar
