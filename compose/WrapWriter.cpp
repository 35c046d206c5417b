#include "compose/WrapWriter.h"

namespace velmar {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string WrapBodyText(std::string_view text, bool wrap, std::size_t sendWrap) {
    std::string out;
    out.reserve(text.size() + text.size() / 32 + 2);
    if (!wrap || sendWrap == 0) {
        out.append(text);
        out.append("\r\n");
        return out;
    }
    while (!text.empty()) {
        const std::size_t lf = text.find('\n');
        std::size_t lineLength = lf == std::string_view::npos ? text.size() : lf + 1;
        if (lineLength <= kLongestUnwrappedLine) {
            out.append(text.substr(0, lineLength));
            text.remove_prefix(lineLength);
            continue;
        }
        std::size_t content = lineLength;  // the line without its line end
        if (content > 0 && text[content - 1] == '\n') --content;
        if (content > 0 && text[content - 1] == '\r') --content;
        if (content <= sendWrap) {
            // Longer than 74 bytes but within the wrap column: nothing to cut.
            out.append(text.substr(0, lineLength));
            text.remove_prefix(lineLength);
            continue;
        }
        // The cut point: the last blank or tab from column sendWrap down to 1.
        std::size_t cut = sendWrap;
        for (std::size_t i = sendWrap; i >= 1; --i) {
            if (IsBlank(text[i])) {
                cut = i;
                break;
            }
        }
        out.append(text.substr(0, cut));
        out.append("\r\n");
        text.remove_prefix(cut);
        lineLength -= cut;
        while (lineLength > 0 && IsBlank(text.front())) {
            text.remove_prefix(1);
            --lineLength;
        }
        // Only the line's own end left: the CR LF just written stands for it.
        const std::string_view rest = text.substr(0, lineLength);
        if (rest == "\r\n" || rest == "\n" || rest == "\r") {
            text.remove_prefix(lineLength);
        }
    }
    out.append("\r\n");
    return out;
}

}  // namespace velmar
