// Attachment files in memory for native tests: a map from path to bytes.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "encoding/AttachmentFiles.h"

namespace velmar::testing {

class OwningSource final : public ByteSource {
public:
    explicit OwningSource(std::string bytes) : bytes_(std::move(bytes)), source_(bytes_, 7) {}
    std::size_t Read(char* out, std::size_t capacity) override { return source_.Read(out, capacity); }

private:
    std::string bytes_;
    MemorySource source_;  // short reads, as text-mode file reads may give
};

class FakeAttachmentFiles final : public AttachmentFiles {
public:
    std::map<std::string, std::string> files;
    std::vector<std::string> deleted;

    std::unique_ptr<ByteSource> OpenForReading(std::string_view path) override {
        auto found = files.find(std::string(path));
        return found == files.end() ? nullptr : std::make_unique<OwningSource>(found->second);
    }
    bool Delete(std::string_view path) override {
        deleted.emplace_back(path);
        return files.erase(std::string(path)) == 1;
    }
};

}  // namespace velmar::testing
