// The one way the client starts another program.
#pragma once

#include <string>

namespace velmar {

// Starts `commandLine` (the platform finds the program from its first word) detached, in a
// new process group, without inheriting handles, with `showCommand` for its window; never
// waits. Returns true when the process was started.
bool RunDetached(const std::string& commandLine, int showCommand);
// The same for a command line with characters beyond the ANSI code page.
bool RunDetached(const std::wstring& commandLine, int showCommand);

}  // namespace velmar
