#include "compose/ComposeWindow_win.h"

namespace velmar {

void RunBodyFileCommand(ComposeWindow&, int) {}

}  // namespace velmar
