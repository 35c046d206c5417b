// Unicode text at the Windows edge (a window's text as UTF-16 is WindowTextW): the
// conversions between UTF-16, UTF-8 and the ANSI code page. Text a person types is read
// here once, as the Unicode windows hold it; bytes of files and settings stay in their
// code page until a message that needs UTF-8 asks for them.
#pragma once

#include <windows.h>

#include "common/WindowText_win.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmar {

[[nodiscard]] std::string WideToUtf8(std::wstring_view text);
[[nodiscard]] std::wstring Utf8ToWide(std::string_view text);
[[nodiscard]] std::wstring AnsiToWide(std::string_view bytes);

// The text in the ANSI code page when every character has a byte form of its own there;
// nothing when one would become a look-alike or the default character.
[[nodiscard]] std::optional<std::string> WideToAnsiExact(std::wstring_view text);

// A path given as UTF-8, in a form the ANSI file functions open: its ANSI bytes when it
// fits the code page, else the short form of the existing file's path; when there is
// none, the ANSI code page's nearest form (which then fails to open, and names the file).
[[nodiscard]] std::string AnsiPathOf(std::string_view utf8Path);

// The characters of `text` that the ANSI code page cannot hold, each once, one blank apart.
[[nodiscard]] std::wstring CharactersBeyondAnsi(std::wstring_view text);

// Text in the ANSI code page, or UTF-8 when `utf8`, as UTF-16.
[[nodiscard]] inline std::wstring TextToWide(std::string_view text, bool utf8) {
    return utf8 ? Utf8ToWide(text) : AnsiToWide(text);
}

// Whether `text` shows a character as "?" or a look-alike once it is in the ANSI code page.
[[nodiscard]] inline bool BeyondAnsi(std::wstring_view text) { return !WideToAnsiExact(text).has_value(); }

}  // namespace velmar
