#include "compose/ComposeWindow_win.h"

namespace velmar {

void ToggleToolbar(ComposeWindow&) {}

}  // namespace velmar
