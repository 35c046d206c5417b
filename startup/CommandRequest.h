// What a command line asks for: the message fields it fills and the request the batch
// driver then carries out (send at once, or pre-fill the compose window).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "common/Capacities.h"
#include "message/MessageFields.h"

namespace velmar {

// One "A:" line: the file and the name it is shown and sent under.
struct AttachmentRequest {
    std::string path;
    std::string displayName;
    bool pathCut = false;  // the path was longer than its field: it names another file
};

struct CommandRequest {
    bool sendNow = false;     // "-f", "F:": send instead of opening the window
    bool encodeBody = false;  // "-e": treat the body as 8-bit text whatever it holds
    std::string bodyPath;     // "-f", "-i", "F:", "I:"
    bool bodyPathCut = false; // the given body path was longer than its field: it names another file
    std::string attachPath;   // "-a": one attachment, added by the driver
    bool attachPathCut = false;  // the "-a" path was longer than its field: it names another file
    std::string headerCharset;  // "LS:"
    std::string bodyCharset;    // "LB:"
    std::string charset;        // the code page's charset; the body charset when both are given
    bool parameterMode = false;  // the request came from a parameter file
    std::optional<std::string> toText, ccText, bccText;  // "T:", "C:", "B:", "-t", "-c", "-b", whole
    bool toGiven = false;        // a "T:" line or a "-t" switch was given
};

enum class CommandOutcome {
    Request,   // a request for the driver
    Reply,     // a reply start: nothing else was parsed
    Rejected,  // an unknown switch: nothing is sent
};

// Everything the first phase of the batch driver produces.
struct ParsedCommandLine {
    CommandOutcome outcome = CommandOutcome::Request;
    MessageFields fields;
    CommandRequest request;
    bool returnReceipt = false;          // "-r"
    std::optional<std::string> hostName;  // "-h", "H:": replaces the configured host
    std::optional<std::string> userId;    // "-u", "U:": replaces the configured user
    std::vector<std::string> rawHeaderLines;        // "R:" texts, each backslash-n already a line feed
    std::vector<AttachmentRequest> attachments;     // "A:" lines, in file order
    std::string replyFilePath;  // a reply start's source file
    std::string rejectedText;   // the command line from the unknown switch on
    std::optional<std::string> bodyText;  // a mailto: link's body (UTF-8, CR LF line ends)
};

}  // namespace velmar
