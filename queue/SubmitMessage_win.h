// Queue submission: the single door through which every message leaves the client. A
// message and its prepared body file become a queue file set in the spool directory, and
// the delivery side is told.
#pragma once

#include <string>
#include <vector>

#include "config/AppConfig.h"
#include "config/ServerLibrary.h"
#include "config/SettingsStore.h"
#include "message/MessageHeader.h"

namespace velmar {

// What a submission works with besides the message itself.
struct QueueContext {
    SettingsStore& settings;
    ServerLibrary& library;
    const AppConfig& config;                 // spoolDir, sendName, optVerify, verbose, ...
    std::vector<std::string>& rawHeaderLines;  // written into this message, then emptied
    std::string& messageBuffer;              // receives the failure text
    bool queueForLater = false;              // write the files, tell nobody
};

// Writes the queue file set and notifies the delivery side. The data file is written
// whole (header block and body) before the control file appears under its "Q" name, and
// no existing file is ever replaced. On failure every file this call created is removed,
// messageBuffer holds "File send error of <body path>" and the result is false. After a
// successful submission a body file whose name ends in ".tmp" (any case) is deleted.
bool SubmitMessage(const MessageInput& message, const std::string& bodyPath, QueueContext& context);

}  // namespace velmar
