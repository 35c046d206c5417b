#include "addressbook/StoreFiles.h"

#include <algorithm>
#include <unordered_set>

#include "addressbook/AddressEntry.h"
#include "common/LineText.h"
#include "common/Text.h"

namespace velmar {

std::vector<std::string> SplitTextLines(std::string_view bytes) {
    std::vector<std::string> lines;
    for (const FileLine& line : SplitFileLines(bytes.substr(0, bytes.find('\x1A')))) lines.emplace_back(line.text);
    return lines;
}

std::string AliasFileWith(std::string_view old, const std::vector<std::string>& entries) {
    const std::size_t stop = std::min(old.find('\x1A'), old.size());
    std::unordered_multiset<std::string_view> unwritten(entries.begin(), entries.end());
    std::string bytes;
    for (const FileLine& line : SplitFileLines(old.substr(0, stop))) {
        const std::string shown = line.text.empty() ? std::string() : AliasLineDisplay(line.text);
        if (!shown.empty()) {
            const auto it = unwritten.find(shown);
            if (it == unwritten.end()) continue;  // removed or changed
            unwritten.erase(it);
        }
        bytes.append(line.text).append(line.end);
    }
    bool lineOpen = !bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r';
    for (const std::string& entry : entries) {
        const auto it = unwritten.find(entry);
        if (it == unwritten.end()) continue;
        unwritten.erase(it);
        if (lineOpen) bytes += "\r\n";
        lineOpen = false;
        bytes.append(entry).append("\r\n");
    }
    return bytes.append(old.substr(stop));
}

std::optional<std::string> NameIndexWith(std::string_view indexBytes, std::string_view name) {
    for (const std::string& line : SplitTextLines(indexBytes))
        if (EqualsNoCase(line, name)) return std::nullopt;
    std::string bytes(indexBytes);
    if (!bytes.empty() && bytes.back() != '\n') bytes += "\r\n";
    bytes.append(name).append("\r\n");
    return bytes;
}

NameIndexRewrite NameIndexWithout(std::string_view indexBytes, std::string_view name) {
    NameIndexRewrite out;
    for (const std::string& line : SplitTextLines(indexBytes)) {
        if (EqualsNoCase(line, name)) {
            out.seen = true;
            continue;
        }
        out.bytes.append(line).append("\r\n");
    }
    return out;
}

std::string SiblingPath(std::string_view path, std::string_view extension) {
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.find_last_of("\\/");
    const bool hasExtension = dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash);
    return std::string(hasExtension ? path.substr(0, dot) : path).append(extension);
}

std::string ListFileToBoxText(std::string_view fileBytes) {
    std::string text;
    const bool endsWithLine = !fileBytes.empty() && (fileBytes.back() == '\n' || fileBytes.back() == '\r');
    const std::vector<std::string> lines = SplitTextLines(fileBytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += lines[i];
        if (i + 1 < lines.size() || endsWithLine) text += "\r\n";
    }
    return text;
}

}  // namespace velmar
