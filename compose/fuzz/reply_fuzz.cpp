// The reply reader over arbitrary stored messages, and the quoting over arbitrary lines:
// the first byte picks the choice, the second the quote width and the chunk size. Every
// field stays inside its area, the unquoted body arrives byte for byte, and quoting loses
// no character but the blanks and ">" marks it is there to rearrange.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/TextMode.h"
#include "compose/ReplyText.h"

namespace {

struct StringBody final : velmar::BodySink {
    void Insert(std::string_view text) override { text_ += text; }
    std::string text_;
};

std::string Kept(std::string_view text) {
    std::string kept;
    for (char c : text)
        if (c != ' ' && c != '>' && c != '\r' && c != '\n') kept += c;
    return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmar;
    if (size < 2) return 0;
    const int choice = data[0] & 31;
    const int width = static_cast<int>(data[1] % 90) - 5;
    const std::string_view source(reinterpret_cast<const char*>(data) + 2, size - 2);

    StringBody body;
    const int option = ApplyReplyChoice(reply::kDefaultOption | (data[0] & reply::kBelow), choice, width);
    ReplyReader reader(body, choice, option, "me@here.org", width);
    MemorySource file(source, 1 + data[1] % 17);
    ReadReplySource(file, reader);
    const ReplyFields fields = reader.Finish();
    if (fields.to.size() > 510 || fields.cc.size() > 510 || fields.subject.size() > 510) std::abort();

    // The same bytes as one paragraph of body lines, quoted.
    StringBody quoted;
    QuoteState state{false, 0, width};
    std::string lines;
    MemorySource raw(source);
    TextModeSource text(raw);
    char buffer[4096];
    for (std::size_t n; (n = text.Read(buffer, sizeof buffer)) > 0;) lines.append(buffer, n);
    for (std::size_t start = 0; start < lines.size();) {
        std::size_t end = lines.find('\n', start);
        end = end == std::string::npos ? lines.size() : end + 1;
        QuoteLine(quoted, state, std::string_view(lines).substr(start, end - start));
        start = end;
    }
    if (Kept(quoted.text_) != Kept(lines)) std::abort();

    // Unquoted inclusion: the body after the first empty line, each line end as CR LF.
    if ((choice & reply::kIncludeBits) == reply::kUnquoted && (option & reply::kIncludeBits) == reply::kUnquoted) {
        std::string want;
        bool inBody = false;
        for (std::size_t start = 0; start < lines.size();) {
            std::size_t end = lines.find('\n', start);
            end = end == std::string::npos ? lines.size() : end + 1;
            std::string_view line = std::string_view(lines).substr(start, end - start);
            start = end;
            if (inBody) {
                if (want.empty() && (option & reply::kBelow) == 0) want = "\r\n\r\n";
                want += line.substr(0, line.find('\n'));
                if (line.back() == '\n') want += "\r\n";
            } else if (line == "\n" || line == "\r\n" || line == "\r") {
                inBody = true;
            }
        }
        if (body.text_ != want) std::abort();
    }
    return 0;
}
