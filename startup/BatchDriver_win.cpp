#include "startup/BatchDriver_win.h"

#include "startup/Application_win.h"

namespace velmar {

int ProcessCommandLine(Application&, HWND, std::string_view) {
    // The batch face is not wired in yet: every start shows the window.
    return 1;
}

}  // namespace velmar
