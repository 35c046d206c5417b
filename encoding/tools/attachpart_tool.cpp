// Writes the attachment part of one file to standard output, as it is appended to a
// message body (with "\n" line ends):
//   attachpart_tool text|base64|uuencode PATH DISPLAYNAME
// "text" sends a text file inline (a binary file still goes base64), "base64" sets the
// option that sends text files base64 too, "uuencode" writes a uuencoded block.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "common/ByteStream.h"
#include "encoding/AttachmentParts.h"

namespace {

class FileSource final : public velmar::ByteSource {
public:
    explicit FileSource(std::FILE* file) : file_(file), source_(file) {}
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;
    ~FileSource() override { std::fclose(file_); }
    std::size_t Read(char* out, std::size_t capacity) override { return source_.Read(out, capacity); }
    [[nodiscard]] bool Failed() const override { return source_.Failed(); }

private:
    std::FILE* file_;
    velmar::StdioSource source_;
};

class StdioFiles final : public velmar::AttachmentFiles {
public:
    std::unique_ptr<velmar::ByteSource> OpenForReading(std::string_view path) override {
        std::FILE* file = std::fopen(std::string(path).c_str(), "rb");
        if (file == nullptr) return nullptr;
        return std::make_unique<FileSource>(file);
    }
    bool Delete(std::string_view) override { return false; }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: attachpart_tool text|base64|uuencode PATH DISPLAYNAME\n");
        return 2;
    }
    StdioFiles files;
    velmar::AttachmentList list;
    velmar::AttachmentEntry entry{argv[2], argv[3], velmar::IsBinaryContent(files, argv[2])};
    list.Add(std::move(entry));
    velmar::AttachmentPartOptions options;
    options.boundary = "==Velmar_v8.2==";
    options.optAttach = std::strcmp(argv[1], "base64") == 0;
    options.uuencode = std::strcmp(argv[1], "uuencode") == 0;
    velmar::StdioSink out(stdout);
    if (!velmar::WriteAttachmentParts(list, out, files, options)) return 1;
    return std::fflush(stdout) == 0 ? 0 : 1;
}
