#include "encoding/AttachmentFiles_win.h"

#include <string>

#include "startup/BufferedFile_win.h"

namespace velmar {
namespace {

// An open BufferedFile read as a stream; closes the file when dropped.
class OpenFileSource final : public ByteSource {
public:
    OpenFileSource() : source_(file_) {}
    OpenFileSource(const OpenFileSource&) = delete;
    OpenFileSource& operator=(const OpenFileSource&) = delete;
    ~OpenFileSource() override { CloseBufferedFile(file_); }

    bool Open(const std::string& path) {
        return OpenBufferedFile(file_, path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
    }
    std::size_t Read(char* out, std::size_t capacity) override { return source_.Read(out, capacity); }
    [[nodiscard]] bool Failed() const override { return source_.Failed(); }

private:
    BufferedFile file_;
    BufferedFileSource source_;
};

}  // namespace

std::unique_ptr<ByteSource> Win32AttachmentFiles::OpenForReading(std::string_view path) {
    auto source = std::make_unique<OpenFileSource>();
    if (!source->Open(std::string(path))) return nullptr;
    return source;
}

bool Win32AttachmentFiles::Delete(std::string_view path) {
    return ::DeleteFileA(std::string(path).c_str()) != 0;
}

}  // namespace velmar
