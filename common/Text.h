// Small text helpers shared by every subsystem. Text is single-byte, in the system's ANSI
// code page; values are held in std::string and cut to the capacity of the area they
// belong to with CutTo, the one place where capacities are enforced.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmar {

// The temporary-file mark: the temporary files made in the spool directory ("tmp….tmp")
// end in it, and a body file that carries it is consumed (queue/ConsumedBody.h).
inline constexpr std::string_view kTempFileMark = ".tmp";

// Cuts `text` to at most `maxChars` characters (the capacity of an area minus its
// terminator). Returns the text for chaining.
inline std::string& CutTo(std::string& text, std::size_t maxChars) {
    if (text.size() > maxChars) text.resize(maxChars);
    return text;
}

[[nodiscard]] inline std::string CutCopy(std::string_view text, std::size_t maxChars) {
    return std::string(text.substr(0, maxChars));
}

// The zero-terminated text at the start of a fixed-size area: stops at the first NUL or at
// the end of the area, whichever comes first, so an unterminated area is never read past.
[[nodiscard]] inline std::string_view TextInArea(const char* area, std::size_t size) {
    std::size_t n = 0;
    while (n < size && area[n] != '\0') ++n;
    return {area, n};
}

[[nodiscard]] inline char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

[[nodiscard]] inline bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

[[nodiscard]] inline bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

// The position of the first `c` outside a double-quoted run ("…", in which a backslash
// escapes the next character); npos when there is none. A "<" inside a quoted display name
// is display text, not the start of the address.
[[nodiscard]] inline std::size_t FindUnquoted(std::string_view text, char c) {
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (quoted && text[i] == '\\') ++i;
        else if (text[i] == '"') quoted = !quoted;
        else if (!quoted && text[i] == c) return i;
    }
    return std::string_view::npos;
}

}  // namespace velmar
