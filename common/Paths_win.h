// Full, normalised paths: "C:\MAIL\spool\..\x" is "C:\MAIL\x".
#pragma once

#include <string>

namespace velmar {

// The full path of `path` as the platform resolves it (relative parts, "." and ".."
// removed); `path` unchanged when it cannot be resolved.
[[nodiscard]] std::string FullPathName(const std::string& path);

}  // namespace velmar
