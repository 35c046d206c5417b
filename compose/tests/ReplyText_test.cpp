#include "compose/ReplyText.h"

#include <gtest/gtest.h>

#include <string>

namespace velmar {
namespace {

struct StringBody final : BodySink {
    void Insert(std::string_view text) override { text_ += text; }
    std::string text_;
};

struct Filled {
    ReplyFields fields;
    std::string body;
};

// A reply run over `source` as the window makes it, read `chunk` bytes at a time.
Filled Reply(const std::string& source, int choice, int option, int width = 70, std::size_t chunk = 4096) {
    StringBody body;
    ReplyReader reader(body, choice, ApplyReplyChoice(option, choice, width), "me@here.org", width);
    MemorySource file(source, chunk);
    ReadReplySource(file, reader);
    return {reader.Finish(), body.text_};
}

const std::string kHeader =
    "From: Alice <alice@example.org>\r\n"
    "To: Bob <bob@example.com>, carol@example.com,\r\n"
    "\tdave@example.net,ME@here.org\r\n"
    "cc: \"Eve, E.\" <eve@example.org>, alice@example.org (Alice), bob@example.com\r\n"
    "Received: from x\r\n"
    "  by mx.example.net\r\n"
    "REPLY-TO: Alice Smith <alice@example.org>\r\n"
    "Subject: Lunch on Friday\r\n"
    "\r\n";
const std::string kBody = "Hi all,\r\n> earlier words\r\n>> older words\r\n>-- \r\nbye\r\n";

TEST(PrefillReply, FieldsAndBodyByChoice) {
    const std::string quotedBody = "\r\n\r\nHi all,\r\n> earlier words\r\n>> older words\r\n>-- \r\n>bye\r\n";
    const struct {
        const char* name;
        std::string source;
        int choice;
        int option;
        ReplyFields want;
        std::string body;
    } cases[] = {
        {"stored default: To from Reply-To, subject as it is, no body", kHeader + kBody, 2, 2,
         {"alice@example.org", "", "Lunch on Friday"}, ""},
        {"no Reply-To: empty To", "To: bob@example.com\nSubject: Hi\n\nText\n", 2, 2, {"", "", "Hi"}, ""},
        {"All: To and CC headers with continuations, own and reply address left out", kHeader + kBody, 1, 2,
         {"alice@example.org", "bob@example.com,carol@example.com,dave@example.net,eve@example.org",
          "Lunch on Friday"},
         ""},
        {"Reply-To before the headers: its address never joins CC",
         "Reply-To: <bob@example.com>\nCC: bob@example.com, x@y.z\n\n", 1, 2, {"bob@example.com", "x@y.z", ""}, ""},
        {"quoted: first line as it is, >> and >-- kept, a single > stays single", kHeader + kBody, 4, 2,
         {"", "", "Lunch on Friday"}, quotedBody},
        {"unquoted: two empty lines, then the text", kHeader + kBody, 12, 2, {"", "", "Lunch on Friday"}, "\r\n\r\n" + kBody},
        {"unquoted below the text: no empty lines", kHeader + kBody, 12, 2 | 16, {"", "", "Lunch on Friday"}, kBody},
        {"No: the body stays empty", kHeader + kBody, 8, 4, {"", "", "Lunch on Friday"}, ""},
        {"headers cut short are not read past", "Subject:\nReply-To:\nTo:\n\n", 1, 2, {"", "", ""}, ""},
        {"unreadable header end: everything is header", "Subject: only\nmore", 4, 2, {"", "", "only"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Filled got = Reply(c.source, c.choice, c.option);
        EXPECT_EQ(got.fields.to, c.want.to);
        EXPECT_EQ(got.fields.cc, c.want.cc);
        EXPECT_EQ(got.fields.subject, c.want.subject);
        EXPECT_EQ(got.body, c.body);
    }
}

TEST(QuoteLine, ReflowAtTheWidth) {
    const struct {
        const char* name;
        int width;
        std::string lines;
        std::string want;
    } cases[] = {
        {"short lines keep their breaks", 70, "one\ntwo\n", ">one\r\n>two\r\n"},
        {"long line joined with the next and re-flowed", 20,
         "aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk\nend\n",
         ">aaaa bbbb cccc dddd\r\n>eeee ffff gggg hhhh\r\n>iiii jjjj kkkk end\r\n"},
        {"empty line closes the paragraph", 70, std::string(60, 'x') + "\n\nnext\n",
         ">" + std::string(60, 'x') + " \r\n\r\n>next\r\n"},
        {"indented line starts its own", 70, std::string(55, 'y') + "\n  code\n",
         ">" + std::string(55, 'y') + " \r\n>  code\r\n"},
        {"a word longer than the room written whole", 30, std::string(55, 'z') + "\n" + std::string(20, 'w') + "\n",
         ">" + std::string(55, 'z') + " \r\n>" + std::string(20, 'w') + "\r\n"},
        {"no room at all: the line written whole", 3, "abcdef ghijkl\n", ">abcdef ghijkl\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StringBody body;
        QuoteState state{false, 0, c.width};
        for (std::size_t start = 0; start < c.lines.size();) {
            const std::size_t end = c.lines.find('\n', start) + 1;
            QuoteLine(body, state, std::string_view(c.lines).substr(start, end - start));
            start = end;
        }
        EXPECT_EQ(body.text_, c.want);
    }
    StringBody body;
    QuoteState lateInLine{true, 15, 30};
    QuoteLine(body, lateInLine, std::string(24, 'b') + "\n");
    EXPECT_EQ(body.text_, "\r\n>" + std::string(24, 'b') + "\r\n");  // a word with little room left moves on
}

TEST(ReplyOption, ChoicesMarksAndTheNarrowFlip) {
    const struct {
        const char* name;
        int option, choice, width, want;
        ReplyMarks marks;
    } cases[] = {
        {"All keeps the include bits", 2 | 4, 1, 70, 1 | 4, {true, false, true, false}},
        {"No replaces Yes", 1 | 4 | 16, 8, 70, 1 | 8 | 16, {true, false, false, true}},
        {"unquoted kept at 30 columns", 2, 12, 30, 2 | 12, {false, true, true, false}},
        {"unquoted becomes quoted below 30 columns", 2, 12, 29, 2 | 4, {false, true, true, false}},
        {"stored unquoted flips too", 1 | 12, 1, 10, 1 | 4, {true, false, true, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int option = ApplyReplyChoice(c.option, c.choice, c.width);
        EXPECT_EQ(option, c.want);
        EXPECT_EQ(ReplyMarksOf(option), c.marks);
    }
    EXPECT_EQ(QuoteWidthFor(600, 8), 70);
    EXPECT_EQ(QuoteWidthFor(600, 0), -5);
    EXPECT_EQ(Reply(kHeader + "x\nfirst\n", 12, 2, 20).body, "\r\n\r\nx\r\n>first\r\n");
}

TEST(ReplySource, LongLinesReadWholeAtEveryChunkSize) {
    std::string longTo = "To: ";
    for (int i = 0; longTo.size() < 10000; ++i) longTo += "user" + std::to_string(i) + "@example.com, ";
    std::string body;
    for (int i = 0; body.size() < 100 * 1024; ++i) body += "line " + std::to_string(i) + std::string(i % 300, '.') + "\r\n";
    const std::string source =
        "X-Long: " + std::string(10000, 'h') + "\r\n" + longTo + "\r\nSubject: " + std::string(300, 's') + "\r\n\r\n" + body;
    for (std::size_t chunk : {1u, 249u, 4096u}) {
        SCOPED_TRACE(chunk);
        const Filled got = Reply(source, 1 | 12, 2 | 16, 70, chunk);
        EXPECT_EQ(got.body, body);
        EXPECT_EQ(got.fields.subject, std::string(300, 's'));
        EXPECT_LE(got.fields.cc.size(), 510u);
        EXPECT_GT(got.fields.cc.size(), 480u);
        EXPECT_TRUE(got.fields.cc.starts_with("user0@example.com,user1@example.com,"));
        EXPECT_EQ(got.fields.cc.back(), 'm');  // the last address is whole
    }
}

}  // namespace
}  // namespace velmar
