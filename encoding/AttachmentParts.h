// The attachment parts appended to a message body file: inline text parts, base64 parts
// and uuencoded blocks, chosen per file by its content, the binary-extension list and the
// user's options.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "common/ByteStream.h"
#include "encoding/AttachmentFiles.h"
#include "encoding/AttachmentList.h"

namespace velmar {

struct AttachmentPartOptions {
    std::string_view boundary;  // the message's MIME boundary
    bool optAttach = false;     // text files go base64 like binary ones
    bool uuencode = false;      // every file as a uuencoded block instead of a MIME part
    std::string spoolDir;       // the program's copies under it are deleted once written
    std::string binextPath;     // the binary-extension list "binext.txt"; empty when there is none
    unsigned codePage = 1252;   // the message's code page, for the encoded display names
    // The display name (in the ANSI code page) as the message's code page holds it; empty:
    // as it is.
    std::function<std::string(std::string_view)> nameInMessage;
    std::function<void()> onRefill;  // runs once per 64 KiB of file data read
};

// The extension of `path`: from its last "." on, dot included; empty without a ".".
[[nodiscard]] std::string_view FileExtension(std::string_view path);

// Whether `extension` is a line of the binary-extension list `list` (one extension per
// line with its dot, compared without regard to case). Lines end with CR LF or LF; the last
// line counts also without a line end; a line of 127 bytes or more ends the list.
[[nodiscard]] bool ExtensionListed(std::string_view list, std::string_view extension);

// Whether `path` lies inside `spoolDir` (compared without regard to case). An empty spool
// directory holds nothing, and "C:\spool" does not hold "C:\spool2\x".
[[nodiscard]] bool IsSpoolCopy(std::string_view path, std::string_view spoolDir);

// Whether `path` is a copy the program made in `spoolDir` for sending (a "tmp….tmp" file,
// its name ending in ".tmp" in any case): the only attached files deleted once written.
[[nodiscard]] bool IsOwnSpoolCopy(std::string_view path, std::string_view spoolDir);

// The display name as it stands in a part header or a "begin" line: one or more encoded
// words when it holds 8-bit text, without CR or line end.
[[nodiscard]] std::string EncodedDisplayName(std::string_view displayName, unsigned codePage);

// `value` as a MIME quoted string: in double quotes, with '"' and '\' escaped.
[[nodiscard]] std::string QuotedParameter(std::string_view value);

// Appends every attachment of `list`, in list order, to `message`, a text sink with "\n"
// line ends (the caller translates them for the file): first one line feed, then per file
// an inline text part, a base64 part (of the file's exact bytes, a text file's too) or a
// uuencoded block. A file that cannot be opened is left out. Entries whose extension is
// listed become binary for good. The program's own spool-directory copy is deleted once
// its part was written. False when a write to `message` failed.
bool WriteAttachmentParts(AttachmentList& list, ByteSink& message, AttachmentFiles& files,
                          const AttachmentPartOptions& options);

}  // namespace velmar
