// The platform's side of the message writer: list files on disk, and the local time and
// time zone of the moment of writing, and the ANSI code page's conversions.
#pragma once

#include "message/ListFiles.h"
#include "message/MessageHeader.h"
#include "message/MessageTexts.h"

namespace velmar {

class Win32ListFiles final : public ListFiles {
public:
    std::optional<std::string> ReadText(std::string_view path) override;
};

// The machine's ANSI code page, with no best-fit look-alikes.
class PlatformAnsiCodec final : public AnsiCodec {
public:
    unsigned CodePage() const override;
    std::optional<std::string> ToAnsi(std::u16string_view text) const override;
    std::u16string FromAnsi(std::string_view bytes) const override;
};

[[nodiscard]] LocalTime CurrentLocalTime();
[[nodiscard]] ZoneInfo CurrentZone();

}  // namespace velmar
