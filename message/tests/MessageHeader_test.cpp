#include "message/MessageHeader.h"

#include <gtest/gtest.h>

#include "message/tests/MessageFakes.h"

namespace velmar {
namespace {

class MessageHeaderTest : public ::testing::Test, protected testing::MessageWorld {
protected:
    MessageFileBytes Format(MessageInput input, unsigned codePage = 1252) {
        return FormatMessageFiles(std::move(input), ResolvedSettings(), directory,
                                  WritingMoment{codePage, now, zone, 42},
                                  "C:\\MAIL\\spool\\D0000000000000001.GSC");
    }
    static MessageInput Simple() {
        MessageInput input;
        input.sender = "alice", input.to = "bob@x.org", input.subject = "Hi";
        return input;
    }
    // The header block from the From line on, up to the To line.
    static std::string SenderLines(const std::string& data) {
        const auto from = data.find("From:");
        return data.substr(from, data.find("\r\nTo:") + 2 - from);
    }
    bool Has(const MessageInput& input, const std::string& text, unsigned codePage = 1252) {
        return Format(input, codePage).data.find(text) != std::string::npos;
    }
    LocalTime now{2026, 12, 3, 4, 9, 5, 7};
    ZoneInfo zone;
};

TEST_F(MessageHeaderTest, WholeHeaderBlockAndControlFile) {
    const auto files = Format(Simple());
    EXPECT_EQ(files.data, "Date: Thu,  3 Dec 2026 09:05:07 +0000\r\nMessage-Id: <202612030905.AA00042@example.com>\r\n"
                          "Mime-Version: 1.0\r\nContent-Type: text/plain; charset=us-ascii\r\n"
                          "From: <alice@example.com>\r\nReply-To: <alice@example.com>\r\nX-Sender: <alice@example.com>\r\n"
                          "To: <bob@x.org>\r\nSubject: Hi\r\nX-Mailer: <Velmar v8.22>\r\n\r\n");
    EXPECT_EQ(files.control, "QC:\\MAIL\\spool\\D0000000000000001.GSC\r\nHexample.com\r\nAalice\r\nS<alice>\r\n"
                             "N<bob@x.org>\r\nR<bob@x.org>\r\n");
}

TEST(FormatZoneText, SignsHoursAndMinutes) {
    const struct { ZoneInfo zone; const char* want; } cases[] = {
        {{true, 0, 0, false, {}}, "+0000"},     {{true, -330, 0, false, {}}, "+0530"},
        {{true, 300, 0, false, {}}, "-0500"},
        {{true, 210, 0, false, {}}, "-0330"},   {{true, 300, -60, true, {}}, "-0400"},  // daylight time in effect
        {{true, 300, -60, false, {}}, "-0500"}, {{false, 0, 0, false, {}}, "+0000"},
        {{false, 0, 0, false, std::string("EST5EDT-and-more")}, "EST5EDT-and"},  // cut to 11
    };
    for (const auto& c : cases) EXPECT_EQ(FormatZoneText(c.zone), c.want);
}

TEST_F(MessageHeaderTest, SenderStyles) {
    backend.SetString(UserKey("alice"), "FULLNAME", "From Setting");
    EXPECT_TRUE(Has(Simple(), "From: \"From Setting\" <alice@example.com>\r\n"));
    library.domains["example.com"] = {"example.com", "D:\\"};
    library.users["example.com/alice"] = {"Alice Ex\xE4mple", "alice@example.com"};  // wins over the setting
    EXPECT_EQ(SenderLines(Format(Simple()).data), "From: \"Alice Ex=?ISO-8859-1?Q?=E4?=mple\" <alice@example.com>\r\n"
                                                  "Reply-To: <alice@example.com>\r\nX-Sender: <alice@example.com>\r\n");
    // Postmaster: no lookup, no X-Sender.
    MessageInput postmaster = Simple();
    postmaster.sender = "PostMaster";
    const auto files = Format(postmaster);
    EXPECT_EQ(SenderLines(files.data),
              "From: \"Postmaster\" <postmaster@example.com>\r\nReply-To: <postmaster@example.com>\r\n");
    EXPECT_NE(files.control.find("Apostmaster@example.com\r\nS<postmaster@example.com>\r\n"), std::string::npos);
    // No host: the lines close without one, X-Sender shows a bare "@".
    config.hostName.clear();
    library.users.clear();
    EXPECT_EQ(SenderLines(Format(Simple()).data),
              "From: \"From Setting\" <alice>\r\nReply-To: <alice>\r\nX-Sender: <alice@>\r\n");
}

TEST_F(MessageHeaderTest, OverrideStyleLinesAndEmptySettings) {
    backend.SetDword("SOFTWARE\\Brindle\\Velmar\\_Mail", "FROMSTYLE", 1);
    EXPECT_EQ(SenderLines(Format(Simple()).data),
              "From: alice\r\nReply-To: alice@example.com\r\nX-Sender: alice@example.com\r\n");
    backend.SetString(UserKey("alice"), "FROMHDR", "From: The Desk <desk@example.com>");
    backend.SetString(UserKey("alice"), "REPLYHDR", "");  // an empty setting leaves the line out
    EXPECT_EQ(SenderLines(Format(Simple()).data), "From: The Desk <desk@example.com>\r\nX-Sender: alice@example.com\r\n");
}

TEST_F(MessageHeaderTest, ReceiptLinesRawLinesAndEmptyFields) {
    MessageInput input = Simple();
    input.receiptRequested = true;
    input.to.clear(), input.subject.clear();
    input.rawHeaderLines = {"X-Job: 1\n", "X-Glued: "};
    const auto files = Format(input);
    EXPECT_EQ(files.data.rfind("X-Job: 1\r\nX-Glued: Date: Thu,", 0), 0u);
    EXPECT_NE(files.data.find("X-Sender: <alice@example.com>\r\nX-Confirm-Reading-To: alice@example.com\r\n"
                              "Return-receipt-to: alice@example.com\r\nRegistered:   \r\nX-Mailer:"),
                                  std::string::npos);
    EXPECT_EQ(files.data.find("Subject:"), std::string::npos);
    EXPECT_EQ(files.data.find("\r\nTo:"), std::string::npos);
    EXPECT_TRUE(files.control.ends_with("S<alice>\r\n"));  // the control file is still written
}

TEST_F(MessageHeaderTest, LineBreaksEndValuesAndSeparateRecipients) {
    MessageInput input = Simple();
    input.subject = "Hi\r\nBcc: victim@x.org";
    input.to = "bob@x.org\rX-Evil: 1";
    input.cc = std::string("carol@x.org\0X-Nul: 1", 21);
    config.hostName = "example.com\nX-Host: evil";  // a configured host with a line feed
    const auto files = Format(input);
    EXPECT_NE(files.data.find("Subject: Hi\r\nX-Mailer"), std::string::npos);
    for (const char* leak : {"X-Nul", "X-Host", "victim", "\nX-Evil", "\r\r"})
        EXPECT_EQ(files.data.find(leak), std::string::npos) << leak;
    EXPECT_EQ(files.control.find("X-Host"), std::string::npos);
}

TEST_F(MessageHeaderTest, LongSubjectsFoldWithinTheLineLimit) {
    std::string words;
    while (words.size() < 100000) words += "word" + std::to_string(words.size()) + " ";
    for (const std::string& subject : {words, std::string(3000, 'x')}) {
        MessageInput input = Simple();
        input.subject = subject;
        const std::string data = Format(input).data;
        const auto from = data.find("\r\nSubject:") + 2;
        std::string field = data.substr(from, data.find("\r\nX-Mailer:") - from);
        for (std::size_t at = 0, end; at < field.size(); at = end + 2)
            EXPECT_LE((end = std::min(field.find("\r\n", at), field.size())) - at, 998u);
        for (std::size_t at; (at = field.find("\r\n")) != std::string::npos;) field.erase(at, 2);
        if (subject == words) EXPECT_EQ(field.substr(9), subject) << "folded at blanks";
        else EXPECT_EQ(field.rfind("Subject: =?us-ascii?Q?", 0), 0u) << "one word too long: encoded words";
    }
}

TEST_F(MessageHeaderTest, EightBitDisplayNamesKeepTheAddressAndOneLineEnd) {
    const struct { std::string to; unsigned codePage; } cases[] = {
        {"\"\xC9l\xE8ve " + std::string(80, 'x') + "\" <bob@example.com>", 1252},  // long Latin-1 name
        {"\x93\xFA\x96\x7B\x8C\xEA <bob@example.com>", 932}, {"\x82\xA0<bob@example.com>", 932}};
    for (const auto& c : cases) {
        MessageInput input = Simple();
        input.to = c.to;
        const auto files = Format(input, c.codePage);
        const std::size_t to = files.data.find("\r\nTo: ");
        ASSERT_NE(to, std::string::npos);
        const std::string header = files.data.substr(to + 2, files.data.find("\r\nSubject:") - to - 2);
        EXPECT_NE(header.find("<bob@example.com>"), std::string::npos) << header;
        EXPECT_EQ(header.find("\r\r"), std::string::npos) << header;
        for (std::size_t at = 0; (at = header.find('\n', at)) != std::string::npos; ++at)
            EXPECT_EQ(header[at - 1], '\r') << header;
        EXPECT_NE(files.control.find("R<bob@example.com>\r\n"), std::string::npos);
    }
}

TEST_F(MessageHeaderTest, SubjectCharsetRules) {
    MessageInput input = Simple();
    input.subject = "Gr\xFC\xDF" "e";
    EXPECT_TRUE(Has(input, "Subject: Gr=?ISO-8859-1?Q?=FC=DF?=e\r\nX-Mailer"));
    // A given charset other than exactly "ISO-2022-JP" folds with that charset.
    input.headerCharset = input.bodyCharset = "iso-2022-jp";
    EXPECT_TRUE(Has(input, "Subject: =?iso-2022-jp?Q?"));
    input.headerCharset = "ISO-2022-JP";
    EXPECT_TRUE(Has(input, "Subject: Gr=?ISO-8859-1?Q?"));
}

// An encoded body names the given charset, else the code page's; JIS text has no encoding line.
TEST_F(MessageHeaderTest, EncodedBodyHeadersFollowTheCharsetOrTheCodePage) {
    const struct { unsigned codePage; std::optional<std::string> charset; const char* want; } cases[] = {
        {1252, std::nullopt, "ISO-8859-1\r\nContent-Transfer-Encoding: quoted-printable\r\n"},
        {932, std::nullopt, "ISO-2022-JP\r\nFrom:"},
        {1252, "koi8-r", "koi8-r\r\nContent-Transfer-Encoding: quoted-printable\r\n"}};
    for (const auto& c : cases) {
        MessageInput input = Simple();
        input.bodyEncoded = true;
        input.headerCharset = input.bodyCharset = c.charset;
        EXPECT_TRUE(Has(input, std::string("Content-Type: text/plain; charset=") + c.want, c.codePage)) << c.want;
    }
}

TEST_F(MessageHeaderTest, MultipartSkeletonAndAttachmentNames) {
    MessageInput input = Simple();
    input.attachmentNames = {"b.zip", std::string(1100, 'n'), "a.txt"};  // the name too long for the text is left out
    auto data = Format(input).data;
    EXPECT_NE(data.find("Content-Type: multipart/mixed;boundary=\"==Velmar_v8.2==\"\r\n"), std::string::npos);
    EXPECT_NE(data.find("X-Attachments: b.zip;a.txt;\r\n\r\n-----"), std::string::npos);
    EXPECT_TRUE(data.ends_with("compliant mail reader to read any non-text attachments in this message.\r\n"
                               "------------------------------------------------------------------------\r\n"
                               "\r\n--==Velmar_v8.2==\r\nContent-Type: text/plain; charset=us-ascii\r\n\r\n"));
    config.uuencode = 1;  // uuencoded attachments: a single-part message that still lists them
    data = Format(input).data;
    EXPECT_NE(data.find("Content-Type: text/plain; charset=us-ascii\r\n"), std::string::npos);
    EXPECT_TRUE(data.ends_with("X-Attachments: b.zip;a.txt;\r\n\r\n"));
}

TEST_F(MessageHeaderTest, EnvelopeOfAllListsAndTheArchiveCopy) {
    MessageInput input = Simple();
    input.to = "\"Bob, B\" <bob@x.org>, carol", input.cc = "dan@y.org", input.bcc = "eve@z.org";
    config.copyAddress = "archive@example.com";
    config.copyAllMail = 1;
    const auto files = Format(input);
    EXPECT_EQ(files.control.substr(files.control.find("S<alice>")),
              "S<alice>\r\nN<bob@x.org>\r\nR<bob@x.org>\r\nN<carol>\r\nR<carol>\r\nN<dan@y.org>\r\nR<dan@y.org>\r\n"
              "N<eve@z.org>\r\nR<eve@z.org>\r\nN<archive@example.com>\r\nR<archive@example.com>\r\n");
    EXPECT_EQ(files.data.find("eve@"), std::string::npos);
}

}  // namespace
}  // namespace velmar
