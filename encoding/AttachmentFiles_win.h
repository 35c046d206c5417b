// Attachment file access on Windows: files opened with CreateFileA for shared reading.
#pragma once

#include <memory>
#include <string_view>

#include "encoding/AttachmentFiles.h"

namespace velmar {

class Win32AttachmentFiles final : public AttachmentFiles {
public:
    [[nodiscard]] std::unique_ptr<ByteSource> OpenForReading(std::string_view path) override;
    bool Delete(std::string_view path) override;
};

}  // namespace velmar
