// Unicode text at the edges of the client: UTF-8 and UTF-16 conversions and the byte-order
// marks that tell a Unicode text file from one in the ANSI code page. Text a person types
// arrives as UTF-16; inside a message going out as UTF-8 it is UTF-8 bytes.
#pragma once

#include <string>
#include <string_view>

namespace velmar {

// UTF-16 to UTF-8. A lone surrogate becomes U+FFFD.
[[nodiscard]] std::string Utf16ToUtf8(std::u16string_view text);

// UTF-8 to UTF-16. A byte that starts no valid sequence (a cut, overlong or surrogate
// form) becomes U+FFFD.
[[nodiscard]] std::u16string Utf8ToUtf16(std::string_view text);

// Whether `text` is well-formed UTF-8.
[[nodiscard]] bool IsValidUtf8(std::string_view text);

enum class TextBom {
    None,     // the file is in the ANSI code page
    Utf8,     // EF BB BF
    Utf16Le,  // FF FE
};

// The byte-order mark at the start of a file's bytes.
[[nodiscard]] TextBom DetectBom(std::string_view bytes);

// The text of a file that starts with a byte-order mark, as UTF-8 and without the mark;
// a UTF-16 file's odd last byte is dropped. `bytes` of a file without a mark are returned
// as they are.
[[nodiscard]] std::string Utf8OfMarkedFile(std::string_view bytes);

// The UTF-8 byte-order mark that Save As writes in front of text the code page cannot hold.
inline constexpr std::string_view utf8Bom = "\xEF\xBB\xBF";

}  // namespace velmar
