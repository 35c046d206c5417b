#include "compose/ComposeWindow_win.h"

namespace velmar {

void RunEditCommand(ComposeWindow&, int) {}
void UpdateEditMenu(ComposeWindow&, HMENU) {}

}  // namespace velmar
