// The file access the attachment code needs, as a seam: the Windows shell opens real
// files (AttachmentFiles_win.h), native tests and tools use memory or stdio.
#pragma once

#include <memory>
#include <string_view>

#include "common/ByteStream.h"

namespace velmar {

class AttachmentFiles {
public:
    virtual ~AttachmentFiles() = default;
    // The raw bytes of the file at `path` (shared reading, existing file only); null when
    // it cannot be opened.
    [[nodiscard]] virtual std::unique_ptr<ByteSource> OpenForReading(std::string_view path) = 0;
    // Deletes the file; false when it could not be deleted.
    virtual bool Delete(std::string_view path) = 0;
};

}  // namespace velmar
