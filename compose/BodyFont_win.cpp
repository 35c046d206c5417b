#include "compose/ComposeWindow_win.h"

namespace velmar {

void ApplyBodyFont(ComposeWindow&) {}
void SetBodyFormattingRect(ComposeWindow&) {}

}  // namespace velmar
