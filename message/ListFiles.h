// The seam through which the envelope writer reads distribution list files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmar {

class ListFiles {
public:
    virtual ~ListFiles() = default;
    // The file's bytes as a text-mode read gives them (CR LF as LF, ending at 0x1A), or
    // nothing when the file is not readable.
    [[nodiscard]] virtual std::optional<std::string> ReadText(std::string_view path) = 0;
};

}  // namespace velmar
