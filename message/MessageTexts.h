// The charset decision of one message. The texts a person wrote (fields and body, as
// UTF-16) go out in the ANSI code page, byte for byte as that code page holds them, when
// every one of them fits it; when any character does not, every text of the message goes
// out as UTF-8 (code page 65001), so that one message never mixes two charsets.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

inline constexpr unsigned utf8CodePage = 65001;

// The ANSI code page's conversions, from the platform (or a table in tests).
class AnsiCodec {
public:
    virtual ~AnsiCodec() = default;
    [[nodiscard]] virtual unsigned CodePage() const = 0;
    // The text in the code page; nothing when a character has no byte form of its own there
    // (a look-alike or "?" would lose what the person wrote).
    [[nodiscard]] virtual std::optional<std::string> ToAnsi(std::u16string_view text) const = 0;
    // Bytes of the code page (stored settings, files) as UTF-16.
    [[nodiscard]] virtual std::u16string FromAnsi(std::string_view bytes) const = 0;
};

struct MessageTexts {
    unsigned codePage = 0;           // the ANSI code page, or utf8CodePage
    std::vector<std::string> texts;  // the texts in that code page, in the order given
};

// Decides the code page of one message from all of its texts.
[[nodiscard]] MessageTexts EncodeMessageTexts(const std::vector<std::u16string>& texts, const AnsiCodec& codec);

// Bytes in the ANSI code page (a stored name, a signature file) as the message's code page
// `codePage` needs them: unchanged for the ANSI code page, else converted to UTF-8.
[[nodiscard]] std::string AnsiInMessage(std::string_view bytes, unsigned codePage, const AnsiCodec& codec);

}  // namespace velmar
