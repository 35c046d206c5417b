#include "startup/MailtoLink.h"

#include <algorithm>

#include "common/Text.h"
#include "encoding/UnicodeText.h"

namespace velmar {

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = AsciiLower(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The percent-decoded text, or `text` as written when an escape is broken or the result
// is not UTF-8. A "+" stays a plus sign in a mailto: link.
std::string Decode(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        const int high = i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
        const int low = i + 2 < text.size() ? HexValue(text[i + 2]) : -1;
        if (high < 0 || low < 0) return std::string(text);
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return IsValidUtf8(out) ? out : std::string(text);
}

void EndAtLineBreak(std::string& value) {
    value.erase(std::min(value.find_first_of(std::string_view("\r\n\0", 3)), value.size()));
}

// Every line end (CR LF, lone CR, lone LF) as CR LF, as the body field holds it; a NUL
// ends the text.
std::string BodyLines(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size() && text[i] != '\0'; ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "\r\n";
        } else {
            out += text[i];
        }
    }
    return out;
}

void AddAddresses(std::optional<std::string>& list, std::string value) {
    EndAtLineBreak(value);
    if (value.empty()) return;
    if (list && !list->empty()) *list += ", " + value;
    else list = std::move(value);
}

}  // namespace

MailtoFields ParseMailto(std::string_view url) {
    MailtoFields fields;
    const std::size_t mark = url.find('?');
    const std::string_view path = url.substr(0, mark);
    const std::string_view query = mark == std::string_view::npos ? std::string_view() : url.substr(mark + 1);
    if (query.find('=') == std::string_view::npos) {
        fields.to = std::string(path);
        fields.subject = std::string(query);
        return fields;
    }
    fields.pairs = true;
    std::optional<std::string> to;
    AddAddresses(to, Decode(path));
    std::optional<std::string> subject;
    for (std::size_t start = 0; start <= query.size();) {
        std::size_t end = query.find('&', start);
        if (end == std::string_view::npos) end = query.size();
        const std::string_view pair = query.substr(start, end - start);
        start = end + 1;
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos) continue;
        std::string key = Decode(pair.substr(0, equals));
        for (char& c : key) c = AsciiLower(c);
        std::string value = Decode(pair.substr(equals + 1));
        if (key == "to") AddAddresses(to, std::move(value));
        else if (key == "cc") AddAddresses(fields.cc, std::move(value));
        else if (key == "bcc") AddAddresses(fields.bcc, std::move(value));
        else if (key == "subject" && !subject) subject = std::move(value);
        else if (key == "body" && !fields.body) fields.body = BodyLines(value);
    }
    fields.to = to.value_or("");
    if (subject) {
        EndAtLineBreak(*subject);
        fields.subject = std::move(*subject);
    }
    return fields;
}

std::string CutUtf8(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return std::string(text);
    // Back to the start of the character that the cut would split.
    std::size_t end = maxBytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return std::string(text.substr(0, end));
}

}  // namespace velmar
