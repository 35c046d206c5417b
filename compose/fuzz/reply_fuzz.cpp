// The reply reader over arbitrary stored messages (the first byte picks the choice, the second the quote
// width and the chunk size), and the quoting over their lines, which loses no character but blanks and ">".
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "compose/ReplyText.h"

namespace {

struct StringBody final : velmar::BodySink {
    void Insert(std::string_view text) override {
        for (char c : text)
            if (c != ' ' && c != '>' && c != '\r' && c != '\n') kept += c;
    }
    std::string kept;  // what the text holds besides blanks, quote marks and line ends
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmar;
    if (size < 2) return 0;
    const int choice = data[0] & 31;
    const int width = static_cast<int>(data[1] % 90) - 5;
    const std::string_view source(reinterpret_cast<const char*>(data) + 2, size - 2);

    StringBody body;
    ReplyReader reader(body, choice, ApplyReplyChoice(2 | (data[0] & reply::kBelow), choice, width), "me@x.org", width);
    MemorySource file(source, 1 + data[1] % 17);
    ReadReplySource(file, reader);
    const ReplyFields fields = reader.Finish();
    if (fields.subject.size() > 510) std::abort();  // the lists are kept whole, the subject fits its field

    StringBody quoted, lines;
    QuoteState state{false, 0, width};
    for (std::size_t start = 0; start < source.size();) {
        std::size_t end = source.find('\n', start);
        end = end == std::string_view::npos ? source.size() : end + 1;
        QuoteLine(quoted, state, source.substr(start, end - start));
        lines.Insert(source.substr(start, end - start));
        start = end;
    }
    if (quoted.kept != lines.kept) std::abort();
    return 0;
}
