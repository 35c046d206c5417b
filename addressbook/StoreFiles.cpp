#include "addressbook/StoreFiles.h"

#include "common/Text.h"

namespace velmar {

std::vector<std::string> SplitTextLines(std::string_view bytes) {
    const std::size_t stop = bytes.find('\x1A');
    if (stop != std::string_view::npos) bytes = bytes.substr(0, stop);
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        bytes.remove_prefix(end + 1);
    }
    return lines;
}

std::string TextFileBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes.append(line).append("\r\n");
    return bytes;
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
    const bool endsWithLine = !fileBytes.empty() && fileBytes.back() == '\n';
    const std::vector<std::string> lines = SplitTextLines(fileBytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += lines[i];
        if (i + 1 < lines.size() || endsWithLine) text += "\r\n";
    }
    return text;
}

}  // namespace velmar
