// Texts of the program's string table.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace velmar {

// A string-table text of at most `maxChars` characters, or `fallback` when missing.
[[nodiscard]] std::string LoadResourceString(HINSTANCE instance, unsigned id, std::size_t maxChars,
                                             std::string_view fallback);

// `format` with its one "%s" replaced by `argument`, cut to `maxChars` characters.
[[nodiscard]] std::string FormatWithText(std::string_view format, std::string_view argument, std::size_t maxChars);

}  // namespace velmar
