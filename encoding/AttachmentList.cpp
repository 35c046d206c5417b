#include "encoding/AttachmentList.h"

#include <new>

#include "common/Text.h"
#include "encoding/Charset.h"

namespace velmar {
namespace {

constexpr std::size_t kContentTestBytes = 1024;

// The position just after the last backslash of `path` that is a character of its own,
// or npos when there is none.
std::size_t AfterLastBackslash(std::string_view path, unsigned codePage) {
    std::size_t after = std::string_view::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const auto c = static_cast<unsigned char>(path[i]);
        if (IsLeadByte(codePage, c) && i + 1 < path.size()) {
            ++i;
            continue;
        }
        if (c == '\\') after = i + 1;
    }
    return after;
}

}  // namespace

std::string DisplayNameOfPath(std::string_view path, unsigned codePage) {
    const std::size_t after = AfterLastBackslash(path, codePage);
    if (after == std::string_view::npos || after >= path.size()) return std::string(path);
    return std::string(path.substr(after));
}

bool IsTextByte(unsigned char c) {
    return c == '\t' || c == '\n' || c == '\f' || c == '\r' || (c >= 0x20 && c <= 0x7F);
}

bool IsBinaryContent(std::string_view head) {
    for (char c : head.substr(0, kContentTestBytes))
        if (!IsTextByte(static_cast<unsigned char>(c))) return true;
    return false;
}

bool IsBinaryContent(AttachmentFiles& files, std::string_view path) {
    auto source = files.OpenForReading(path);
    if (!source) return false;
    char head[kContentTestBytes];
    std::size_t n = 0;
    while (n < sizeof head) {
        const std::size_t got = source->Read(head + n, sizeof head - n);
        if (got == 0) break;
        n += got;
    }
    return IsBinaryContent(std::string_view(head, n));
}

bool AddAttachment(AttachmentList& list, SettingsStore& settings, AppConfig& config, AttachmentFiles& files,
                   std::string_view path, std::string_view displayName) {
    settings.BuildUserProfilePath(config.userId);
    config.optAttach = settings.GetConfigInt(config.userId, "OPT_ATTACH", 0, ProfileUser);
    try {
        AttachmentEntry entry{std::string(path), std::string(displayName), false};
        entry.isBinary = IsBinaryContent(files, path);
        list.Add(std::move(entry));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

std::string ShowAttachmentList(const AttachmentList& list) {
    std::string text;
    if (list.Empty()) return text;
    text = "+attachments: ";
    for (const AttachmentEntry& entry : list.Entries()) {
        text += entry.displayName;
        text += ", ";
        if (text.size() >= cap::attachmentListText) break;
    }
    return CutTo(text, cap::attachmentListText);
}

}  // namespace velmar
