// Queue submission: the single door through which every message leaves the client. A
// message and its prepared body file become a queue file set in the spool directory, and
// the delivery side is told.
#pragma once

#include <string>

#include "common/Outcome.h"
#include "config/AppConfig.h"
#include "message/MessageHeader.h"

namespace velmar {

// What a submission works with besides the message itself.
struct QueueContext {
    const AppConfig& config;         // spoolDir, sendName, optVerify, verbose
    const WriterSettings& writer;    // resolved by the caller for this message
    RecipientDirectory& directory;   // aliases, lists and local users met in the recipients
    bool queueForLater = false;      // write the files, tell nobody
};

// Writes the queue file set and notifies the delivery side. The data file is written
// whole (header block and body) before the control file appears under its "Q" name, and
// no existing file is ever replaced. On failure every file this call created is removed
// and the outcome carries "File send error of <body path>". After a successful submission
// a temporary body file (IsConsumedBody) is deleted. The caller empties the raw
// header lines it handed in once the message is queued.
Outcome SubmitMessage(const MessageInput& message, const std::string& bodyPath, QueueContext& context);

}  // namespace velmar
