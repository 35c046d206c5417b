#include "compose/ComposeWindow_win.h"

namespace velmar {

void RunHelpCommand(ComposeWindow&, int) {}

}  // namespace velmar
