// Process exit codes of the client, as documented in the README.
#pragma once

namespace velmar::exitcode {

inline constexpr int ok = 0;              // message queued, window shown and closed, or hand-off made
inline constexpr int classFailed = 3;     // the window class could not be registered
inline constexpr int windowFailed = 4;    // the main window could not be created
inline constexpr int notQueued = 5;       // a batch send failed: nothing was queued
inline constexpr int rejected = 6;        // an unknown switch: nothing was sent

}  // namespace velmar::exitcode
