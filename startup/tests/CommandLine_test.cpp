#include "startup/CommandLine.h"

#include <gtest/gtest.h>

#include <tuple>

namespace velmar {
namespace {

// What a parse produced, as one line: each field that differs from its empty state.
std::string Describe(const ParsedCommandLine& p) {
    std::string out;
    const auto add = [&](std::string_view label, const std::string& value) {
        if (!value.empty()) out += std::string(out.empty() ? "" : " | ") + std::string(label) + value;
    };
    const auto& r = p.request;
    const std::pair<const char*, std::string> values[] = {
        {"reply=", p.replyFilePath}, {"rejected=", p.rejectedText}, {"to=", p.fields.to}, {"cc=", p.fields.cc},
        {"bcc=", p.fields.bcc}, {"subject=", p.fields.subject}, {"body=", r.bodyPath}, {"attach=", r.attachPath},
        {"host=", p.hostName.value_or("")}, {"user=", p.userId.value_or("")}};
    for (const auto& [label, value] : values) add(label, value);
    // The lists as given, kept whole: a parameter file's always, a switch's where its field is cut.
    for (const auto& [label, value, field] : {std::tuple{"T=", r.toText, p.fields.to}, {"C=", r.ccText, p.fields.cc},
                                              {"B=", r.bccText, p.fields.bcc}})
        if (r.parameterMode || value.value_or(field) != field) add(label, value.value_or(""));
    for (const auto& a : p.attachments) add("A=", a.path + ">" + a.displayName);
    for (const auto& line : p.rawHeaderLines) add("R=", line);
    const std::pair<bool, const char*> flags[] = {{r.sendNow, "send"}, {r.bodyPathCut, "cut"}, {r.encodeBody, "encode"},
                                                  {p.returnReceipt, "receipt"}, {r.parameterMode, "param"},
                                                  {r.toGiven && r.parameterMode, "toGiven"}};
    for (const auto& [set, flag] : flags)
        if (set) add("", flag);
    return out;
}

const struct { const char* name; std::string line, want; } switchCases[] = {
    // mailto: a plain query is the subject exactly as written; the URL ends at its first line break.
    {"mailto any case, pairs decoded", "MailTo:b@x?subject=Hi%20there&body=x", "to=b@x | subject=Hi there"},
    {"mailto list whole past 511 characters", "mailto:" + std::string(500, 'a') + "@example.com.au?Hi",
     "to=" + std::string(500, 'a') + "@example.com.au | subject=Hi"},
    {"mailto ends at CR LF", "mailto:b@x?Hi\r\nBcc: victim@example.org", "to=b@x | subject=Hi"},
    {"RPL anywhere wins", "-t b@x -s x C:\\spool\\RPL001.txt", "reply=-t b@x -s x C:\\spool\\RPL001.txt"},
    {"values run to the next hyphen", "-t bob@example.com -s Hello there -f C:\\body.txt",
     "to=bob@example.com  | subject=Hello there  | body=C:\\body.txt | send"},
    {"quoted values", "-t \"mary-ann@example.com\" -s 'a - b'", "to=mary-ann@example.com | subject=a - b"},
    {"flags append their text to the value before", "-s Hello -e world -r again -t x",
     "to=x | subject=Hello world again  | encode | receipt"},
    {"flag text with no value before is dropped", "-e dropped -t x", "to=x | encode"},
    {"text before the first switch is dropped", "junk -t x", "to=x"},
    {"only an opening quote quotes", "-s ab\"c -t x", "to=x | subject=ab\"c "},
    {"blanks and quotes after a closing quote skipped", "-s 'it' 's -t x", "to=x | subject=its "},
    {"a repeat replaces", "-t a@x -t b@x", "to=b@x"}, {"lone hyphen at the end", "-t a@x -", "to=a@x "},
    {"unterminated quote", "-t \"unterminated", "to=unterminated"},
    {"host, user and attachment", "-h mail.example.com -u alice -a C:\\f.zip",
     "attach=C:\\f.zip | host=mail.example.com  | user=alice "},
    {"unknown letter rejects the rest of the line", "-t x -X whatever -s y", "rejected=-X whatever -s y | to=x "},
    {"values cut to their fields", "-t " + std::string(600, 'a') + " -u " + std::string(50, 'u') + " -f " +
     std::string(200, 'p'), "to=" + std::string(510, 'a') + " | body=" + std::string(127, 'p') + " | user=" +
     std::string(39, 'u') + " | T=" + std::string(600, 'a') + "  | send | cut"},
    {"127 characters are not cut", "-f " + std::string(127, 'p'), "body=" + std::string(127, 'p') + " | send"},
    {"values cut at a line break", "-t a@x -s Hi\rBcc: b@y", "to=a@x  | subject=Hi"},
};

TEST(ParseCommandLine, Switches) {
    for (const auto& c : switchCases) EXPECT_EQ(Describe(ParseCommandLine(c.line, 1252, {})), c.want) << c.name;
}

// Keys in column 1 with their values as written; the window's fields stay untouched.
const struct { const char* name; std::string content; unsigned codePage; std::string want; } fileCases[] = {
    {"every key", "T:bob@x\r\nC:c@x\r\nB:b@x\r\nS: leading blank\r\nU:alice\r\nH:mail.x\r\nt:no\r\nX:no\r\n F:no\r\n",
     1252, "subject= leading blank | host=mail.x | user=alice | T=bob@x | C=c@x | B=b@x | param | toGiven"},
    {"the send flag stays when a later line names the body; a lone CR ends a line's text",
     "F:C:\\send.txt\nI:C:\\show.txt\rjunk\n", 1252,
     "body=C:\\show.txt | send | param"},
    {"an overlong body path is cut", "F:" + std::string(200, 'p') + "\n", 1252,
     "body=" + std::string(127, 'p') + " | send | cut | param"},
    {"attachment display names",
     "A:C:\\f\\report.txt\r\nA:C:\\f\\data.bin::Quarterly\r\nA:C:\\x.txt::\r\nA:plain.txt\r\nA:C:\\dir\\\r\n"
     "A:\r\nA::name\r\nA:::name\r\n",
     1252,
     "A=C:\\f\\report.txt>report.txt | A=C:\\f\\data.bin>Quarterly | A=C:\\x.txt>C:\\x.txt | A=plain.txt>plain.txt"
     " | A=C:\\dir\\>C:\\dir\\ | param"},
    // 0x95 0x5C and 0x81 0x46 are characters whose second bytes look like a backslash and a colon.
    {"double-byte trail bytes are no separators", "A:C:\\d\\\x95\\name\x81:::shown\r\nA:C:\\d\\\x95\\x.txt\r\n", 932,
     "A=C:\\d\\\x95\\name\x81:>shown | A=C:\\d\\\x95\\x.txt>\x95\\x.txt | param"},
    {"raw header lines turn backslash n into line feeds", "R:X-One: 1\r\nR:X-Two: 2\\n\r\nR:X-P: C:\\temp\\nx\\n\r\n",
     1252, "R=X-One: 1 | R=X-Two: 2\n | R=X-P: C:\\temp\nx\n | param"},
    {"a NUL ends a value", std::string("T:1\0Revil@attacker.example\nS:Hi\0there\nH:\0x\n", 43), 1252,
     "subject=Hi | T=1 | param | toGiven"},
    {"an overlong attachment path is cut and marked", "A:C:\\" + std::string(270, 'a') + "\n", 1252,
     "A=C:\\" + std::string(257, 'a') + ">" + std::string(257, 'a') + " | param"},
    {"long lines, and 0x1A ends the text", "T:" + std::string(5000, 't') + "\nS:x\x1AS:after the end\n", 1252,
     "subject=x | T=" + std::string(5000, 't') + " | param | toGiven"},
};

TEST(ParseCommandLine, ParameterFiles) {
    for (const auto& c : fileCases) {
        SCOPED_TRACE(c.name);
        const FileOpener open = [&](const std::string& path) -> std::unique_ptr<ByteSource> {
            return path == "C:\\job~NEX.txt" ? std::make_unique<MemorySource>(c.content, 7) : nullptr;
        };
        EXPECT_EQ(Describe(ParseCommandLine("C:\\job~NEX.txt", c.codePage, open)), c.want);
        // A name that does not open is read as switches.
        EXPECT_EQ(Describe(ParseCommandLine("C:\\gone~NEX -t a@x", c.codePage, open)), "to=a@x");
    }
}

}  // namespace
}  // namespace velmar
