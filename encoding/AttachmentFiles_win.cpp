#include "encoding/AttachmentFiles_win.h"

#include <string>

#include "common/BufferedFile_win.h"

namespace velmar {

std::unique_ptr<ByteSource> Win32AttachmentFiles::OpenForReading(std::string_view path) {
    return BufferedFileSource::Open(std::string(path).c_str());
}

bool Win32AttachmentFiles::Delete(std::string_view path) {
    return ::DeleteFileA(std::string(path).c_str()) != 0;
}

}  // namespace velmar
