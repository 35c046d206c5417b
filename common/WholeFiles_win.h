// Files read and written whole: a whole read, a new file written and flushed, and the safe
// replacement of a file that others may be reading.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmar {

// The whole content of a file (shared reading); nothing when it cannot be opened.
[[nodiscard]] std::optional<std::string> ReadFileBytes(const std::string& path);

// Creates `path` (an existing file is emptied), writes every byte and flushes it. False on
// any failure.
[[nodiscard]] bool WriteNewFile(const std::string& path, std::string_view bytes);

// Writes `bytes` to a new temporary file beside `path`, flushes it and only then puts it in
// place of the old file; on any failure the old file is left as it was and false returned.
[[nodiscard]] bool ReplaceFileSafely(const std::string& path, std::string_view bytes);

}  // namespace velmar
