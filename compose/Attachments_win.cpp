#include "compose/ComposeWindow_win.h"

namespace velmar {

void RunAttachmentCommand(ComposeWindow&, int) {}
void DropAttachments(ComposeWindow&, HDROP) {}
void ShowAttachmentList(ComposeWindow&) {}

}  // namespace velmar
