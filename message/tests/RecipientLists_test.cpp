#include "message/RecipientLists.h"

#include <gtest/gtest.h>

#include "message/tests/MessageFakes.h"

namespace velmar {
namespace {

class RecipientListsTest : public ::testing::Test, protected testing::MessageWorld {
protected:
    RecipientWriter Writer() { return RecipientWriter(directory, ResolvedSettings(), 1252); }
    std::string Header(std::string_view list) {
        std::string out;
        Writer().WriteAddressHeader(out, "To:", list, ',');
        return out;
    }
    std::string Envelope(std::string_view list) {
        std::string out;
        Writer().WriteEnvelopeRecipients(out, list);
        return out;
    }
};

TEST_F(RecipientListsTest, ThirteenAddressesMakeToLinesOfSixSixAndOne) {
    EXPECT_EQ(Header("a@x, b@x, c@x, d@x, e@x, f@x, g@x, h@x, i@x, j@x, k@x, l@x, m@x"),
              "To: <a@x>,\n    <b@x>,\n    <c@x>,\n    <d@x>,\n    <e@x>,\n    <f@x>\n"
              "To: <g@x>,\n    <h@x>,\n    <i@x>,\n    <j@x>,\n    <k@x>,\n    <l@x>\n"
              "To: <m@x>\n");
}

TEST_F(RecipientListsTest, AddressItemForms) {
    // Local names are qualified with the host; a comment after a blank stays; empty items are left out
    // rather than written as a bare "@host".
    for (auto [list, want] : std::initializer_list<std::pair<const char*, const char*>>{
             {"bob@x.org ", "To: <bob@x.org>\n"}, {"Bob Smith bob@x.org", "To: Bob Smith <bob@x.org>\n"},
             {"\"Smith, Bob\" <bob@x.org>, ann@y.org", "To: \"Smith, Bob\" <bob@x.org>,\n    <ann@y.org>\n"},
             {"bob@x.org (Bob)", "To: <bob@x.org> (Bob)\n"}, {"carol (Carol C)", "To: carol@example.com (Carol C)\n"},
             {"<carol>", "To: <carol@example.com>\n"}, {"Carol <carol>", "To: Carol <carol@example.com>\n"},
             {"a@x.org,, b@x.org,", "To: <a@x.org>,\n    <b@x.org>\n"}, {" , ", ""}})
        EXPECT_EQ(Header(list), want) << list;
}

TEST_F(RecipientListsTest, DefHostQualifiesNamesWithoutTheirOwnAddress) {
    backend.SetString("SOFTWARE\\Brindle\\Velmar\\Global", "DefHost", "other.org");
    backend.SetString(UserKey("dave"), "MAILADDR", "dave@example.com");
    EXPECT_EQ(Header("erin, dave"), "To: erin@other.org,\n    dave@example.com\n");
}

TEST_F(RecipientListsTest, ServerListsExpandIntoTheirMembersAndLoopsEnd) {
    library.aliases["example.com/sales"] = "ann@x.org, bo@y.org";
    EXPECT_EQ(Header("sales, zed@z.org"), "To: <ann@x.org>,\n    <bo@y.org>,\n    <zed@z.org>\n");
    // Members end at a line break: nothing after it becomes a header line.
    library.aliases["example.com/ops"] = "ann@x.org\nBcc: spy@evil.example";
    EXPECT_EQ(Header("ops"), "To: <ann@x.org>\n");
    // A list naming itself back and forth stops expanding at the depth limit.
    library.aliases["example.com/ping"] = "pong";
    library.aliases["example.com/pong"] = "ping";
    const std::string looped = Header("ping");
    EXPECT_TRUE(looped.find("@example.com") != std::string::npos && looped.size() < 200u) << looped;
    // A member list that names a file is not expanded in the header.
    library.aliases["example.com/staff"] = "C:\\lists\\staff.lst";
    EXPECT_EQ(Header("staff"), "To: staff@example.com\n");
}

TEST_F(RecipientListsTest, ExpandToZeroWritesTheFoldedListAsTyped) {
    backend.SetDword("SOFTWARE\\Brindle\\Velmar\\_Mail", "EXPANDTO", 0);
    library.aliases["example.com/sales"] = "ann@x.org";
    EXPECT_EQ(Header("sales, bob"), "To: sales, bob\n");
}

TEST_F(RecipientListsTest, FoldedLists) {
    std::string out;
    const std::string one(30, 'a'), two(30, 'b'), three(30, 'c');
    Writer().WriteFoldedList(out, "X-Attachments:", "a.txt;b.txt;", ';');
    Writer().WriteFoldedList(out, "X-Attachments:", one + ";" + two + ";" + three + ";", ';');
    Writer().WriteFoldedList(out, "To:", "\"Ren\xE9 Roe\" <r@x.org>", ',');
    EXPECT_EQ(out,
              "X-Attachments: a.txt;b.txt;\nX-Attachments: " + one + ";\n         " + two + ";\n         " + three +
                       ";\nTo: \"Ren=?ISO-8859-1?Q?=E9?= Roe\" <r@x.org>\n");
}

TEST(SeparateAtLineBreaks, ALineBreakIsAComma) {
    const struct { const char *in, *want; } cases[] = {
        {"a@x\r\nb@y", "a@x,b@y"},         {"a@x\nb@y\rc@z", "a@x,b@y,c@z"}, {"a@x,\r\nb@y", "a@x, b@y"},
        {"a@x\r\n\r\n b@y", "a@x, b@y"}, {"\r\na@x\r\n", " a@x "},          {"a@x", "a@x"},
    };
    for (const auto& c : cases) EXPECT_EQ(SeparateAtLineBreaks(c.in), c.want) << c.in;
    EXPECT_EQ(SeparateAtLineBreaks(std::string_view("a@x\0\nb@y", 8)), "a@x") << "a NUL ends the list";
}

TEST(BareAddress, ReducesEveryItemForm) {
    for (auto [in, want] : std::initializer_list<std::pair<const char*, const char*>>{
             {"  bob@x.org \n", "bob@x.org"}, {"\"Bob, Jr\" <bob@x.org>", "bob@x.org"},
             {"bob@x.org (Bob)", "bob@x.org"},
             {"'Bob' <bob@x.org>", "bob@x.org"}, {"(open bob@x.org", "(open bob@x.org"}, {"", ""}}) {
        std::string item = in;
        EXPECT_EQ(BareAddress(item), std::string(want).size()) << in;
        EXPECT_EQ(item, want) << in;
    }
    std::string list = "\"Smith, Bob\" <bob@x.org>, Ann ann@y.org,, carol, alice@x.org (Smith, Alice)";
    ReduceToBareAddresses(list);
    EXPECT_EQ(list, "bob@x.org,ann@y.org,carol,alice@x.org");
}

TEST_F(RecipientListsTest, EnvelopeOfForeignAndLocalAddresses) {
    EXPECT_EQ(Envelope("Bob <bob@x.org>"), "N<bob@x.org>\nR<bob@x.org>\n");
    // Nothing after the bracket ("john<"): the line is still written.
    for (auto [letter, address, want] : {std::tuple{'S', "<already@x.org>", "S<already@x.org>\n"},
                                         {'N', "odd@x.org>tail", "N<odd@x.org>tail\n"}, {'S', "john<", "S<john>\n"}}) {
        std::string out;
        Writer().WriteEnvelopeLine(out, letter, address);
        EXPECT_EQ(out, want);
    }
    EXPECT_EQ(Envelope("carol@EXAMPLE.com"), "N<carol@EXAMPLE.com>\nR<carol@EXAMPLE.com>\n");
    EXPECT_EQ(Envelope("a@x.org (A, B), b@y.org"), "N<a@x.org>\nR<a@x.org>\nN<b@y.org>\nR<b@y.org>\n");
    EXPECT_EQ(Envelope("(open a@x.org, b@y.org"), "N<(opena@x.org>\nR<(opena@x.org>\nN<b@y.org>\nR<b@y.org>\n");
}

TEST_F(RecipientListsTest, EnvelopeAliasesAndListFiles) {
    const std::string aliases = UserKey("_aliases");
    backend.SetString(aliases, "team", "ann@x.org, bo@y.org");
    EXPECT_EQ(Envelope("team"), "N<ann@x.org>\nR<ann@x.org>\nN<bo@y.org>\nR<bo@y.org>\n"
                                "N<ann@x.org>\nR<ann@x.org>\nN<bo@y.org>\nR<bo@y.org>\n");
    // A list file: comment lines, blank-led lines and short lines are skipped.
    listFiles.files["C:\\lists\\staff.lst"] = "; staff\n# more\n  indented@x.org\na\nsue@x.org\n\nTom <tom@y.org>\n";
    backend.SetString(aliases, "staff", "C:\\lists\\staff.lst");
    listFiles.files["C:\\lists\\cr.lst"] = "; CR only\rsue@x.org\r\rTom <tom@y.org>";  // a lone CR ends a line too
    for (const char* list : {"staff@example.com", "C:\\lists\\staff.lst", "C:\\lists\\cr.lst"})
        EXPECT_EQ(Envelope(list), "N<sue@x.org>\nN<tom@y.org>\nR<sue@x.org>\nR<tom@y.org>\n") << list;
    // An alias that names itself is written as it stands.
    backend.SetString(aliases, "me", "me");
    EXPECT_EQ(Envelope("me"), "N<me>\nR<me>\n");
    // An alias loop ends where an alias comes round again (written as it stands).
    backend.SetString(aliases, "loop", "loop2");
    backend.SetString(aliases, "loop2", "loop");
    EXPECT_EQ(Envelope("loop"), "N<loop2>\nR<loop2>\nN<loop2>\nR<loop2>\nN<loop2>\nR<loop2>\nN<loop2>\nR<loop2>\n");
    // Program aliases are no recipients' aliases.
    backend.SetString(aliases, "robot", "|C:\\bin\\robot.exe");
    EXPECT_EQ(Envelope("robot"), "N<robot>\nR<robot>\n");
}

TEST(TrimEncoderLineEnd, CutsOnlyAFinalLineEnd) {
    for (auto [text, want] : std::initializer_list<std::pair<std::string, std::string>>{
             {"=?x?Q?a?=\r\n", "=?x?Q?a?="}, {"=?x?Q?a?=\r\n =?x?Q?b?=", "=?x?Q?a?=\r\n =?x?Q?b?="}, {"plain\n", "plain"}}) {
        TrimEncoderLineEnd(text);
        EXPECT_EQ(text, want);
    }
}

}  // namespace
}  // namespace velmar
