#include "compose/ReplyText.h"

#include <algorithm>
#include <utility>

#include "common/Capacities.h"
#include "common/Text.h"
#include "common/TextMode.h"
#include "message/RecipientLists.h"

namespace velmar {

namespace {

constexpr std::size_t kJoinAbove = 50;  // quoted lines longer than this run on into the next
constexpr int kFreshLineRoom = 20;      // with less room than this, an unbreakable word starts a new line

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

std::string_view SkipBlanksAndTabs(std::string_view text) {
    while (!text.empty() && IsBlankOrTab(text.front())) text.remove_prefix(1);
    return text;
}

// Whether `address` is one of the items of the comma-separated `list`, both taken as bare
// addresses and compared without regard to case.
bool ListHolds(std::string_view list, std::string_view address) {
    while (!list.empty()) {
        std::string item = CutListItem(list);
        BareAddress(item);
        if (EqualsNoCase(item, address)) return true;
    }
    return false;
}

// `list` without the items whose bare address is `address`.
std::string WithoutItem(std::string_view list, std::string_view address) {
    std::string kept;
    while (!list.empty()) {
        std::string item = CutListItem(list);
        std::string bare = item;
        BareAddress(bare);
        if (EqualsNoCase(bare, address)) continue;
        if (!kept.empty()) kept += ',';
        kept += item;
    }
    return kept;
}

}  // namespace

int QuoteWidthFor(int formatWidth, int averageCharWidth) {
    return (averageCharWidth > 0 ? formatWidth / averageCharWidth : 0) - 5;
}

int ApplyReplyChoice(int option, int choice, int quoteWidth) {
    if ((choice & reply::kAddressBits) != 0)
        option = (option & ~reply::kAddressBits) | (choice & reply::kAddressBits);
    if ((choice & reply::kIncludeBits) != 0)
        option = (option & ~reply::kIncludeBits) | (choice & reply::kIncludeBits);
    // Unquoted text in so narrow a body would not be told apart from the answer.
    if (quoteWidth < reply::kNarrowColumns && (option & reply::kIncludeBits) == reply::kUnquoted)
        option ^= reply::kNone;
    return option;
}

ReplyMarks ReplyMarksOf(int option) {
    const bool quoted = (option & reply::kQuoted) != 0;
    return {(option & reply::kAll) != 0, (option & reply::kSender) != 0, quoted, !quoted};
}

void AppendToBody(BodySink& body, QuoteState& state, std::string_view text) {
    const std::size_t feed = text.find('\n');
    if (feed == std::string_view::npos) {
        body.Insert(text);
        if (!text.empty()) state.lineOpen = true;
        return;
    }
    body.Insert(text.substr(0, feed));
    body.Insert("\r\n");
    state.lineOpen = false;
    state.quoteColumn = 0;
}

void QuoteLine(BodySink& body, QuoteState& state, std::string_view line) {
    const auto endLine = [&] { AppendToBody(body, state, "\n"); };
    if (line.starts_with(">>") || line.starts_with(">--")) {
        if (state.lineOpen) endLine();
        AppendToBody(body, state, line);
        return;
    }
    while (!line.empty() && line.front() == '>') line.remove_prefix(1);

    // The text of the line and whether its line break is kept. A long line is joined with
    // the next one: it was broken by the sender's editor, not by the writer.
    const std::size_t feedAt = line.find('\n');
    bool keepBreak = feedAt != std::string_view::npos;
    std::string_view words = line.substr(0, feedAt);
    if (keepBreak && words.size() + 1 > kJoinAbove) keepBreak = false;
    while (!words.empty() && words.back() == ' ') words.remove_suffix(1);

    if (!words.empty() && IsBlankOrTab(words.front()) && state.lineOpen) endLine();
    if (words.empty()) {
        if (state.lineOpen) endLine();
        endLine();
        return;
    }
    std::string rest(words);
    rest += keepBreak ? '\n' : ' ';

    for (;;) {
        if (rest.empty()) return;
        if (state.quoteColumn == 0) {
            AppendToBody(body, state, ">");
            state.quoteColumn = 1;
        }
        const int room = state.quoteWidth - state.quoteColumn;
        if (room >= 0 && rest.size() <= static_cast<std::size_t>(room)) {
            state.quoteColumn += static_cast<int>(rest.size());
            AppendToBody(body, state, rest);
            return;
        }
        // The last blank that leaves the text before it within the room.
        std::size_t cut = 0;
        if (room > 0)
            for (std::size_t i = std::min(static_cast<std::size_t>(room), rest.size() - 1); i >= 1; --i)
                if (rest[i] == ' ') {
                    cut = i;
                    break;
                }
        // A word that does not fit the little room left moves to a fresh line; on a line
        // that holds only its ">" it is written whole, however long.
        if (cut == 0 && room < kFreshLineRoom && state.quoteColumn > 1) {
            endLine();
            continue;
        }
        if (cut == 0) {
            AppendToBody(body, state, rest);
            if (state.lineOpen) endLine();
            return;
        }
        AppendToBody(body, state, std::string_view(rest).substr(0, cut));
        endLine();
        const std::size_t next = rest.find_first_not_of(' ', cut);
        rest.erase(0, next == std::string::npos ? rest.size() : next);
    }
}

std::size_t AddHeaderAddresses(std::string& ccList, std::string_view headerLine, std::string_view ownAddress,
                               std::string_view toList) {
    std::string_view rest = headerLine;
    if (!rest.empty() && !IsBlankOrTab(rest.front())) {
        // A header's first line: its name runs to the colon.
        const std::size_t colon = rest.find(':');
        rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
    }
    rest = SkipBlanksAndTabs(rest);
    while (!rest.empty()) {
        std::string address = CutListItem(rest);
        BareAddress(address);
        if (address.empty() || EqualsNoCase(address, ownAddress) || ListHolds(toList, address) ||
            ListHolds(ccList, address))
            continue;
        const bool comma = !ccList.empty() && ccList.back() != ',';
        if (comma) ccList += ',';
        ccList += address;
    }
    return ccList.size();
}

ReplyReader::ReplyReader(BodySink& body, int choice, int option, std::string ownAddress, int quoteWidth)
    : body_(body), choice_(choice),
      bodyMode_((choice & reply::kIncludeBits) != 0 ? option & reply::kIncludeBits : 0),
      answerBelow_((option & reply::kBelow) != 0), ownAddress_(std::move(ownAddress)) {
    state_.quoteWidth = quoteWidth;
}

bool ReplyReader::Line(std::string_view line) {
    if (!inHeader_) {
        BodyLine(line);
        return true;
    }
    line = line.substr(0, line.find('\n'));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty()) {
        HeaderLine(line);
        return true;
    }
    inHeader_ = false;
    return bodyMode_ == reply::kQuoted || bodyMode_ == reply::kUnquoted;
}

void ReplyReader::HeaderLine(std::string_view line) {
    if (StartsWithNoCase(line, "Subject:")) {
        std::string_view subject = line.substr(8);
        if (!subject.empty() && subject.front() == ' ') subject.remove_prefix(1);
        fields_.subject = CutCopy(subject, cap::subjectField);
    }
    if ((choice_ & reply::kAddressBits) != 0 && StartsWithNoCase(line, "Reply-To:")) {
        std::string_view address = SkipBlanksAndTabs(line.substr(9));
        if (const std::size_t open = FindUnquoted(address, '<'); open != std::string_view::npos) {
            address.remove_prefix(open + 1);
            address = address.substr(0, address.find('>'));
        }
        fields_.to = std::string(address);  // whole: a cut would name another address
        std::string bare = fields_.to;
        BareAddress(bare);
        fields_.cc = WithoutItem(fields_.cc, bare);
    }
    if ((choice_ & reply::kAddressBits) == reply::kAll) {
        const bool continuation = IsBlankOrTab(line.front());
        inCc_ = StartsWithNoCase(line, "CC:") || (inCc_ && continuation);
        inTo_ = StartsWithNoCase(line, "To:") || (inTo_ && continuation);
        if (inCc_ || inTo_) AddHeaderAddresses(fields_.cc, line, ownAddress_, fields_.to);
    }
}

void ReplyReader::BodyLine(std::string_view line) {
    const bool first = std::exchange(firstBodyLine_, false);
    if (bodyMode_ == reply::kUnquoted) {
        if (first && !answerBelow_) {
            AppendToBody(body_, state_, "\n");
            AppendToBody(body_, state_, "\n");
        }
        AppendToBody(body_, state_, line);
    } else if (bodyMode_ == reply::kQuoted) {
        if (!first) {
            QuoteLine(body_, state_, line);
            return;
        }
        AppendToBody(body_, state_, "\n");
        AppendToBody(body_, state_, "\n");
        AppendToBody(body_, state_, line);
    }
}

ReplyFields ReplyReader::Finish() {
    BareAddress(fields_.to);
    BareAddress(fields_.cc);
    return fields_;
}

void ReadReplySource(ByteSource& source, ReplyReader& reader) {
    TextModeSource text(source);
    ByteReader in(text);
    std::string line;
    for (int c; (c = in.Get()) >= 0;) {
        line += static_cast<char>(c);
        if (c != '\n') continue;
        if (!reader.Line(line)) return;
        line.clear();
    }
    if (!line.empty()) (void)reader.Line(line);
}

}  // namespace velmar
