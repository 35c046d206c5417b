// Reply mode: filling the compose window from a stored message. The header block gives the
// To, CC and Subject fields; the body is included quoted and re-flowed to the editor's
// width, included as it is, or left out. Everything here is pure: the text meant for the
// body goes through a BodySink, which the window turns into insertions at the body's caret.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/ByteStream.h"

namespace velmar {

// The reply option ("OPT_RPVAL"): who is answered in bits 0-1, what is done with the
// received text in bits 2-3, and where the answer goes.
namespace reply {
inline constexpr int kAll = 1;       // To from "Reply-To:", CC from the received To and CC headers
inline constexpr int kSender = 2;    // To from "Reply-To:" only
inline constexpr int kAddressBits = 3;
inline constexpr int kQuoted = 4;    // the received body quoted and re-flowed
inline constexpr int kNone = 8;      // the body left out
inline constexpr int kUnquoted = 12; // the received body as it is
inline constexpr int kIncludeBits = 12;
inline constexpr int kBelow = 16;    // the answer goes below the included text
inline constexpr int kDefaultOption = 2;
inline constexpr int kNarrowColumns = 30;  // below this many columns the text is always quoted
}  // namespace reply

// Receives the text meant for the body, in order, each piece inserted at the caret.
class BodySink {
public:
    virtual ~BodySink() = default;
    virtual void Insert(std::string_view text) = 0;
};

// Where the body's text stands while it is filled; reset at the start of every fill.
struct QuoteState {
    bool lineOpen = false;  // the last text inserted did not end its line
    int quoteColumn = 0;    // characters on the current quoted line, its ">" included
    int quoteWidth = 0;     // columns a quoted line may fill
};

// Columns for quoted lines: the characters the body's formatting rectangle holds, less 5.
[[nodiscard]] int QuoteWidthFor(int formatWidth, int averageCharWidth);

// The reply option after a choice: the choice's address bits and include bits, where it
// has them, replace the option's; then, in a body narrower than 30 columns, unquoted
// inclusion becomes quoted.
[[nodiscard]] int ApplyReplyChoice(int option, int choice, int quoteWidth);

// Which reply buttons show pressed for an option.
struct ReplyMarks {
    bool all = false;
    bool sender = false;
    bool yes = false;
    bool no = false;
    friend bool operator==(const ReplyMarks&, const ReplyMarks&) = default;
};
[[nodiscard]] ReplyMarks ReplyMarksOf(int option);

// Inserts `text` up to its first line feed; a line feed ends the line with CR LF.
void AppendToBody(BodySink& body, QuoteState& state, std::string_view text);

// Inserts one line of the received body quoted: lines already quoted twice (">>") and
// signature marks (">--") as they are; otherwise the leading ">" characters dropped, lines
// of more than 50 characters joined with the next one, and the text re-flowed at the
// quote width with one ">" before each output line.
void QuoteLine(BodySink& body, QuoteState& state, std::string_view line);

// Adds the addresses of a "To:" or "CC:" header line, or of one of its continuation lines,
// to the comma-separated `ccList`. The own address, addresses already in `toList` or
// `ccList` (compared as bare addresses, any case) and empty items are left out; the list
// grows as long as it needs. Returns the list's length.
std::size_t AddHeaderAddresses(std::string& ccList, std::string_view headerLine, std::string_view ownAddress,
                               std::string_view toList);

// What a reply fills the fields with.
struct ReplyFields {
    std::string to;
    std::string cc;
    std::string subject;
};

// Reads a reply source one line at a time: the header block up to the first empty line,
// then the body, which goes to `body` as the choice asks.
class ReplyReader {
public:
    // `option` is the reply option after ApplyReplyChoice; `choice` the choice being made.
    ReplyReader(BodySink& body, int choice, int option, std::string ownAddress, int quoteWidth);

    // One line, with its line feed when it had one. False once the rest of the source is
    // of no use (the body part began and the choice leaves the body alone).
    bool Line(std::string_view line);

    // The fields, each reduced to its bare address.
    [[nodiscard]] ReplyFields Finish();

private:
    void HeaderLine(std::string_view line);
    void BodyLine(std::string_view line);

    BodySink& body_;
    int choice_;
    int bodyMode_;
    bool answerBelow_;
    std::string ownAddress_;
    QuoteState state_;
    ReplyFields fields_;
    bool inHeader_ = true;
    bool firstBodyLine_ = true;
    bool inCc_ = false;
    bool inTo_ = false;
};

// Feeds every line of `source` (read as a text file: CR LF is a line feed, 0x1A ends it)
// to `reader`, whatever the lines' length, until the reader needs no more.
void ReadReplySource(ByteSource& source, ReplyReader& reader);

}  // namespace velmar
