#include "startup/CommandLine.h"

#include <gtest/gtest.h>

#include <map>

#include "startup/ParameterFile.h"

namespace velmar {
namespace {

// Parameter files held in memory, by name.
struct Files {
    std::map<std::string, std::string> byName;
    FileOpener Opener() {
        return [this](const std::string& path) -> std::unique_ptr<ByteSource> {
            auto it = byName.find(path);
            if (it == byName.end()) return nullptr;
            return std::make_unique<MemorySource>(it->second, 7);
        };
    }
};

ParsedCommandLine Parse(std::string_view line) { return ParseCommandLine(line, 1252, {}); }

TEST(MailtoUrl, QueryIsTheSubjectExactlyAsWritten) {
    auto parsed = Parse("mailto:bob@example.com?Hello");
    EXPECT_EQ(parsed.fields.to, "bob@example.com");
    EXPECT_EQ(parsed.fields.subject, "Hello");
    parsed = Parse("MailTo:bob@example.com?subject=Hi%20there&body=x");
    EXPECT_EQ(parsed.fields.to, "bob@example.com");
    EXPECT_EQ(parsed.fields.subject, "subject=Hi%20there&body=x");
    EXPECT_FALSE(parsed.request.sendNow);
    parsed = Parse("mailto:bob@example.com");
    EXPECT_EQ(parsed.fields.subject, "");
}

TEST(MailtoUrl, EndsAtTheFirstLineBreak) {
    auto parsed = Parse("mailto:bob@example.com?Hi\r\nBcc: victim@example.org");
    EXPECT_EQ(parsed.fields.subject, "Hi");
    parsed = Parse("mailto:bob@example.com\nx?y");
    EXPECT_EQ(parsed.fields.to, "bob@example.com");
    EXPECT_EQ(parsed.fields.subject, "");
}

TEST(ReplyStart, RplAnywhereWinsOverEverythingElse) {
    const auto parsed = Parse("-t bob@example.com -s x C:\\spool\\RPL001.txt");
    EXPECT_EQ(parsed.outcome, CommandOutcome::Reply);
    EXPECT_EQ(parsed.replyFilePath, "-t bob@example.com -s x C:\\spool\\RPL001.txt");
    EXPECT_EQ(parsed.fields.to, "");
}

TEST(Switches, UnquotedValuesRunToTheNextHyphenBlanksIncluded) {
    auto parsed = Parse("-t bob@example.com -s Hello there -f C:\\body.txt");
    EXPECT_EQ(parsed.fields.to, "bob@example.com ");
    EXPECT_EQ(parsed.fields.subject, "Hello there ");
    EXPECT_EQ(parsed.request.bodyPath, "C:\\body.txt");
    EXPECT_TRUE(parsed.request.sendNow);
    // A hyphen inside an unquoted value starts the next switch...
    parsed = Parse("-t mary-ann@example.com");
    EXPECT_EQ(parsed.fields.to, "mary");
    EXPECT_EQ(parsed.request.attachPath, "nn@example.com");
    parsed = Parse("-t jo-smith@example.com");
    EXPECT_EQ(parsed.fields.to, "jo");
    EXPECT_EQ(parsed.fields.subject, "mith@example.com");
    // ...unless the value is quoted.
    parsed = Parse("-t \"mary-ann@example.com\" -s 'a - b'");
    EXPECT_EQ(parsed.fields.to, "mary-ann@example.com");
    EXPECT_EQ(parsed.fields.subject, "a - b");
}

TEST(Switches, FlagsAppendTheirTextToTheValueBefore) {
    auto parsed = Parse("-s Hello -e world -r again -t x");
    EXPECT_TRUE(parsed.request.encodeBody);
    EXPECT_TRUE(parsed.returnReceipt);
    EXPECT_EQ(parsed.fields.subject, "Hello world again ");
    parsed = Parse("-e dropped -t x");
    EXPECT_EQ(parsed.fields.to, "x");
    // Text before the first switch is dropped too.
    parsed = Parse("junk -t x");
    EXPECT_EQ(parsed.fields.to, "x");
}

TEST(Switches, WordAfterAClosingQuoteIsGluedOn) {
    auto parsed = Parse("-s \"Hello\"   world -t x");
    EXPECT_EQ(parsed.fields.subject, "Helloworld ");
    // Only a quote that opens the value quotes; later ones are text.
    parsed = Parse("-s ab\"c -t x");
    EXPECT_EQ(parsed.fields.subject, "ab\"c ");
    // Blanks and quotes right after a closing quote are skipped.
    parsed = Parse("-s 'it' 's -t x");
    EXPECT_EQ(parsed.fields.subject, "its ");
    EXPECT_EQ(parsed.fields.to, "x");
}

TEST(Switches, RepeatsReplaceAndEndsAreSafe) {
    auto parsed = Parse("-t a@x -t b@x");
    EXPECT_EQ(parsed.fields.to, "b@x");
    parsed = Parse("-t a@x -");
    EXPECT_EQ(parsed.outcome, CommandOutcome::Request);
    EXPECT_EQ(parsed.fields.to, "a@x ");
    parsed = Parse("-t \"unterminated");
    EXPECT_EQ(parsed.fields.to, "unterminated");
    parsed = Parse("-h mail.example.com -u alice -a C:\\f.zip");
    EXPECT_EQ(parsed.hostName, "mail.example.com ");
    EXPECT_EQ(parsed.userId, "alice ");
    EXPECT_EQ(parsed.request.attachPath, "C:\\f.zip");
    EXPECT_FALSE(Parse("-t x").hostName.has_value());
}

TEST(Switches, UnknownLetterIsRejectedWithTheRestOfTheLine) {
    const auto parsed = Parse("-t x -X whatever -s y");
    EXPECT_EQ(parsed.outcome, CommandOutcome::Rejected);
    EXPECT_EQ(parsed.rejectedText, "-X whatever -s y");
}

TEST(Switches, ValuesAreCutToTheirFieldsAndAtLineBreaks) {
    const std::string longTo(600, 'a');
    auto parsed = Parse("-t " + longTo + " -u " + std::string(50, 'u') + " -f " + std::string(200, 'p'));
    EXPECT_EQ(parsed.fields.to.size(), 510u);
    EXPECT_EQ(parsed.userId->size(), 39u);
    EXPECT_EQ(parsed.request.bodyPath.size(), 127u);
    EXPECT_TRUE(parsed.request.bodyPathCut);
    EXPECT_FALSE(Parse("-f " + std::string(127, 'p')).request.bodyPathCut);
    parsed = Parse("-t a@x -s Hi\rBcc: b@y");
    EXPECT_EQ(parsed.fields.subject, "Hi");
}

class ParameterFileTest : public ::testing::Test {
protected:
    ParsedCommandLine Run(const std::string& content, unsigned codePage = 1252) {
        files.byName["C:\\job~NEX.txt"] = content;
        return ParseCommandLine("C:\\job~NEX.txt", codePage, files.Opener());
    }
    Files files;
};

TEST_F(ParameterFileTest, KeysInColumnOneWithTheirValuesAsWritten) {
    const auto parsed = Run("T:bob@example.com\r\nC:c@x\r\nB:b@x\r\nS: leading blank\r\nU:alice\r\nH:mail.x\r\n"
                            "t:ignored\r\nX:ignored\r\n F:ignored\r\n");
    EXPECT_TRUE(parsed.request.parameterMode);
    EXPECT_EQ(parsed.request.toText, "bob@example.com");
    EXPECT_TRUE(parsed.request.toGiven);
    EXPECT_EQ(parsed.request.ccText, "c@x");
    EXPECT_EQ(parsed.request.bccText, "b@x");
    EXPECT_EQ(parsed.fields.subject, " leading blank");
    EXPECT_EQ(parsed.userId, "alice");
    EXPECT_EQ(parsed.hostName, "mail.x");
    EXPECT_FALSE(parsed.request.sendNow);
    EXPECT_EQ(parsed.fields.to, "");  // the window's field is untouched in parameter mode
}

TEST_F(ParameterFileTest, SendFlagStaysWhenALaterLineNamesTheBody) {
    const auto parsed = Run("F:C:\\send.txt\nI:C:\\show.txt\n");
    EXPECT_TRUE(parsed.request.sendNow);
    EXPECT_FALSE(parsed.request.bodyPathCut);
    EXPECT_TRUE(Run("F:" + std::string(200, 'p') + "\n").request.bodyPathCut);
    EXPECT_EQ(parsed.request.bodyPath, "C:\\show.txt");
}

TEST_F(ParameterFileTest, AttachmentDisplayNames) {
    const auto parsed = Run("A:C:\\files\\report.txt\r\nA:C:\\files\\data.bin::Quarterly data\r\nA:C:\\x.txt::\r\n"
                            "A:plain.txt\r\nA:C:\\dir\\\r\nA:\r\nA::name\r\nA:::name\r\n");
    ASSERT_EQ(parsed.attachments.size(), 5u);
    EXPECT_EQ(parsed.attachments[0].path, "C:\\files\\report.txt");
    EXPECT_EQ(parsed.attachments[0].displayName, "report.txt");
    EXPECT_EQ(parsed.attachments[1].path, "C:\\files\\data.bin");
    EXPECT_EQ(parsed.attachments[1].displayName, "Quarterly data");
    EXPECT_EQ(parsed.attachments[2].displayName, "C:\\x.txt");  // empty name: the whole path
    EXPECT_EQ(parsed.attachments[3].displayName, "plain.txt");
    EXPECT_EQ(parsed.attachments[4].displayName, "C:\\dir\\");
}

TEST_F(ParameterFileTest, DoubleByteTrailBytesAreNotSeparators) {
    // 0x95 0x5C is one Shift-JIS character whose second byte looks like a backslash; 0x81
    // 0x46 one whose second byte looks like a colon.
    const auto parsed = Run("A:C:\\d\\\x95\\name\x81:::shown\r\n", 932);
    ASSERT_EQ(parsed.attachments.size(), 1u);
    EXPECT_EQ(parsed.attachments[0].path, "C:\\d\\\x95\\name\x81:");
    EXPECT_EQ(parsed.attachments[0].displayName, "shown");
    const auto plain = Run("A:C:\\d\\\x95\\x.txt\r\n", 932);
    EXPECT_EQ(plain.attachments[0].displayName, "\x95\\x.txt");
}

TEST_F(ParameterFileTest, RawHeaderLinesTurnBackslashNIntoLineFeeds) {
    const auto parsed = Run("R:X-One: 1\r\nR:X-Two: 2\\n\r\nR:X-Path: C:\\temp\\nx\\n\r\n");
    ASSERT_EQ(parsed.rawHeaderLines.size(), 3u);
    EXPECT_EQ(parsed.rawHeaderLines[0], "X-One: 1");
    EXPECT_EQ(parsed.rawHeaderLines[1], "X-Two: 2\n");
    EXPECT_EQ(parsed.rawHeaderLines[2], "X-Path: C:\\t" "emp\nx\n");
}

TEST_F(ParameterFileTest, LongLinesAndTheEndOfTextRule) {
    const std::string longTo(5000, 't');
    const auto parsed = Run("T:" + longTo + "\nS:x\x1AS:after the end\n");
    EXPECT_EQ(parsed.request.toText->size(), 5000u);
    EXPECT_EQ(parsed.fields.subject, "x");
}

TEST_F(ParameterFileTest, MissingFileIsReadAsSwitches) {
    const auto parsed = ParseCommandLine("C:\\gone~NEX -t a@x", 1252, files.Opener());
    EXPECT_FALSE(parsed.request.parameterMode);
    EXPECT_EQ(parsed.fields.to, "a@x");
}

TEST(CutLineEnd, CutsAtLineFeedThenCarriageReturn) {
    std::string text = "abc\r\ndef";
    EXPECT_TRUE(CutLineEnd(text));
    EXPECT_EQ(text, "abc");
    text = "a\rb\nc";
    EXPECT_TRUE(CutLineEnd(text));
    EXPECT_EQ(text, "a");
    text = "plain";
    EXPECT_FALSE(CutLineEnd(text));
}

}  // namespace
}  // namespace velmar
