#include "compose/ReplyText.h"

#include <gtest/gtest.h>

#include <string>

namespace velmar {
namespace {

struct StringBody final : BodySink {
    void Insert(std::string_view text) override { text_ += text; }
    std::string text_;
};

// A reply run as the window makes it, the source read `chunk` bytes at a time; fields as "to|cc|subject".
std::pair<std::string, std::string> Reply(const std::string& source, int choice, int option, int width,
                                          std::size_t chunk) {
    StringBody body;
    ReplyReader reader(body, choice, ApplyReplyChoice(option, choice, width), "me@here.org", width);
    MemorySource file(source, chunk);
    ReadReplySource(file, reader);
    const ReplyFields f = reader.Finish();
    return {f.to + "|" + f.cc + "|" + f.subject, body.text_};
}

const std::string kHeader =
    "To: Bob <bob@example.com>, carol@example.com,\r\n\tdave@example.net,ME@here.org\r\n"
    "cc: \"Eve, E.\" <eve@example.org>, alice@example.org (Alice), bob@example.com\r\nReceived: from x\r\n"
    "  by mx.example.net\r\nREPLY-TO: Alice Smith <alice@example.org>\r\nSubject: Lunch\r\n\r\n";
const std::string kBody = "Hi all,\r\n> earlier\r\n>> older\r\n>-- \r\nbye\r\n";
const std::string kQuoted = "\r\n\r\nHi all,\r\n> earlier\r\n>> older\r\n>-- \r\n>bye\r\n";

// Character 510 falls inside "ceo@example.com.au".
const std::string kLongList = std::string(495, 'a') + "@x.org,ceo@example.com.au";

// Every row is read 1, 249 and 4096 bytes at a time: lines of any length are read whole.
TEST(PrefillReply, FieldsAndBodyByChoice) {
    std::string to = "user0@example.com", longBody;  // To past what the CC field shows; 100 KiB of lines
    for (int i = 1; to.size() < 10000; ++i) to += ",user" + std::to_string(i) + "@example.com";
    for (int i = 0; longBody.size() < 100 * 1024; ++i)
        longBody += "line " + std::to_string(i) + std::string(i % 300, '.') + "\r\n";
    const struct { const char* name; std::string source; int choice, option, width; std::string fields, body; }
        cases[] = {
        {"stored default: To from Reply-To, subject as it is", kHeader + kBody, 2, 2, 70, "alice@example.org||Lunch", ""},
        {"no Reply-To: empty To", "To: b@x.org\nSubject: Hi\n\nText\n", 2, 2, 70, "||Hi", ""},
        {"All: To and CC with continuations; own and reply address left out", kHeader, 1, 2, 70,
         "alice@example.org|bob@example.com,carol@example.com,dave@example.net,eve@example.org|Lunch", ""},
        {"quoted: first line as it is, >> and >-- kept, > stays single", kHeader + kBody, 4, 2, 70, "||Lunch", kQuoted},
        {"unquoted: two empty lines first", kHeader + kBody, 12, 2, 70, "||Lunch", "\r\n\r\n" + kBody},
        {"unquoted, answer below: no empty lines", kHeader + kBody, 12, 2 | 16, 70, "||Lunch", kBody},
        {"unquoted becomes quoted below 30 columns", kHeader + kBody, 12, 2, 29, "||Lunch", kQuoted},
        {"short lines keep their breaks, long ones are joined and re-flowed",
         "\nfirst\naaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk\nend\nshort\n", 4, 2, 20, "||",
         "\r\n\r\nfirst\r\n>aaaa bbbb cccc dddd\r\n>eeee ffff gggg hhhh\r\n>iiii jjjj kkkk end\r\n>short\r\n"},
        {"long Reply-To and CC lists whole", "Reply-To: " + kLongList + "\nCC: " + std::string(505, 'b') + "@x.org,x@y.org\n\n", 1,
         2, 70, kLongList + "|" + std::string(505, 'b') + "@x.org,x@y.org|", ""},
        {"\"<\" in a quoted Reply-To name", "Reply-To: \"Eve <evil@x.org>\" <eve@y.org>\n\n", 2, 2, 70, "eve@y.org||", ""},
        {"headers cut short are not read past", "Subject:\nReply-To:\nTo:\n\n", 1, 2, 70, "||", ""},
        {"long lines read whole", "To: " + to + "\r\nSubject: " + std::string(300, 's') + "\r\n\r\n" + longBody, 1 | 12,
         2 | 16, 70, "|" + to + "|" + std::string(300, 's'), longBody},
    };
    for (const auto& c : cases)
        for (std::size_t chunk : {1u, 249u, 4096u})
            EXPECT_EQ(Reply(c.source, c.choice, c.option, c.width, chunk), std::pair(c.fields, c.body)) << c.name;
}

}  // namespace
}  // namespace velmar
