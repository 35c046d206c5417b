// The platform's side of the message writer: list files on disk, and the local time and
// time zone of the moment of writing.
#pragma once

#include "message/ListFiles.h"
#include "message/MessageHeader.h"

namespace velmar {

class Win32ListFiles final : public ListFiles {
public:
    std::optional<std::string> ReadText(std::string_view path) override;
};

[[nodiscard]] LocalTime CurrentLocalTime();
[[nodiscard]] ZoneInfo CurrentZone();

}  // namespace velmar
