// The batch message driver: sends the message a command line describes, or pre-fills the
// compose window with it.
#pragma once

#include <windows.h>

#include <string_view>

namespace velmar {

struct Application;

// Returns 0 when a message was sent or the command line was rejected (the window is then
// closed unseen), non-zero when the window is to be shown.
int ProcessCommandLine(Application& app, HWND window, std::string_view commandLine);

}  // namespace velmar
