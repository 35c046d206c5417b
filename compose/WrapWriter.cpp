#include "compose/WrapWriter.h"

#include "encoding/UnicodeText.h"

namespace velmar {

namespace {

template <class Char>
bool IsBlank(Char c) { return c == ' ' || c == '\t'; }

// Code units as they are counted: bytes of the ANSI code page, or UTF-16 units of UTF-8
// text (whose surrogate pairs are never cut apart).
template <class Char>
std::basic_string<Char> Wrap(std::basic_string_view<Char> text, bool wrap, std::size_t sendWrap) {
    using View = std::basic_string_view<Char>;
    const Char crlf[] = {'\r', '\n', 0};
    const View lineEnd(crlf, 2);
    std::basic_string<Char> out;
    out.reserve(text.size() + text.size() / 32 + 2);
    if (!wrap || sendWrap == 0) {
        out.append(text);
        out.append(lineEnd);
        return out;
    }
    while (!text.empty()) {
        const std::size_t lf = text.find(Char('\n'));
        std::size_t lineLength = lf == View::npos ? text.size() : lf + 1;
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
        if constexpr (sizeof(Char) == 2)
            if (cut > 1 && text[cut] >= 0xDC00 && text[cut] <= 0xDFFF) --cut;  // not inside a surrogate pair
        for (std::size_t i = sendWrap; i >= 1; --i) {
            if (IsBlank(text[i])) {
                cut = i;
                break;
            }
        }
        out.append(text.substr(0, cut));
        out.append(lineEnd);
        text.remove_prefix(cut);
        lineLength -= cut;
        while (lineLength > 0 && IsBlank(text.front())) {
            text.remove_prefix(1);
            --lineLength;
        }
        // Only the line's own end left: the CR LF just written stands for it.
        const View rest = text.substr(0, lineLength);
        if (rest == lineEnd || rest == lineEnd.substr(1) || rest == lineEnd.substr(0, 1)) {
            text.remove_prefix(lineLength);
        }
    }
    out.append(lineEnd);
    return out;
}

}  // namespace

std::string WrapBodyText(std::string_view text, bool wrap, std::size_t sendWrap, bool utf8) {
    if (!utf8) return Wrap(text, wrap, sendWrap);
    const std::u16string units = Utf8ToUtf16(text);
    return Utf16ToUtf8(Wrap(std::u16string_view(units), wrap, sendWrap));
}

}  // namespace velmar
