// The message being composed: its fields, attachments, extra header lines and the send
// choices made for it. One draft is owned by the application and handed by reference to
// the batch driver, the compose window and its dialogs.
#pragma once

#include <string>
#include <vector>

#include "encoding/AttachmentList.h"
#include "message/MessageFields.h"

namespace velmar {

struct MessageDraft {
    MessageFields fields;
    AttachmentList attachments;               // most recently added first
    std::vector<std::string> rawHeaderLines;  // "R:" lines, written into the next message only
    int replyOption = 2;                      // "OPT_RPVAL"
    bool queueForLater = false;               // write the queue files, tell the delivery side nothing
};

}  // namespace velmar
