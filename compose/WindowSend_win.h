// The compose window's Send command: the message typed in the window, with its wrapping,
// signature, encoding and attachments, handed to the queue.
#pragma once

#include "compose/ComposeWindow_win.h"

namespace velmar {

// Sends the window's message. When "optSendPrompt" is set the send options dialog comes
// first, and Cancel there sends nothing. The fields and the body are read whole; the body
// file (wrapped when "optWrap" is set) is written into the spool directory, converted when
// it holds 8-bit text, followed by the attachment parts, the signature and, for MIME
// attachments, the closing boundary. True when the message was queued: the attachment
// list is then emptied and the caller closes the window. On any failure the reason is
// shown in a message box, nothing is queued, no temporary file is left behind, and the
// window keeps every field, the body and the attachments for another try.
[[nodiscard]] bool SendFromWindow(ComposeWindow& w);

}  // namespace velmar
