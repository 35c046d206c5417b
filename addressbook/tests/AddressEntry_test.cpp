#include "addressbook/AddressEntry.h"
#include "addressbook/RecipientPicks.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(ParseAddressEntry, LineForms) {
    const struct {
        const char* name;
        std::string line;
        std::string address;
        std::string entryName;
    } cases[] = {
        {"quoted name and angle brackets", "\"Ann Lee\" <ann>", "ann", "Ann Lee"},
        {"name before angle brackets", "Ann Lee <ann>", "ann", "Ann Lee"},
        {"name in parentheses", "ann (Ann Lee)", "ann", "Ann Lee"},
        {"address only", "ann@example.com", "ann@example.com", ""},
        {"address only, trailing blanks and line feed", "bob   \n", "bob", ""},
        {"leading blanks stay", "  bob", "  bob", ""},
        {"parentheses after angle brackets keep the bracket address", "<x@y> (Xavier)", "x@y", "Xavier"},
        {"unclosed bracket runs to the end", "Cy <cy@z", "cy@z", "Cy"},
        {"address cut to 99", "<" + std::string(150, 'a') + ">", std::string(99, 'a'), ""},
        {"name cut to 255", "\"" + std::string(300, 'n') + "\" <a>", "a", std::string(255, 'n')},
        {"quoted name without address", "\"Only Name\"", "", "Only Name"},
        {"\"<\" in the quoted name is its text", "\"Eve <evil@attacker.example>\" <eve@example.com>", "eve@example.com",
         "Eve <evil@attacker.example>"},
        {"unclosed quote: no address", "\"Eve <evil@attacker.example>", "", "Eve <evil@attacker.example>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ParsedEntry e = ParseAddressEntry(c.line);
        EXPECT_EQ(e.address, c.address);
        EXPECT_EQ(e.name, c.entryName);
    }
}

TEST(TrimEntryText, TrailingGoneLeadingCounted) {
    std::string text = " \tab c \n \n";
    EXPECT_EQ(TrimEntryText(text), 2u);
    EXPECT_EQ(text, " \tab c");
    std::string blank = "   ";
    EXPECT_EQ(TrimEntryText(blank), 0u);
    EXPECT_EQ(blank, "");
}

TEST(ContainsNoCase, Cases) {
    const struct {
        const char* name;
        const char* text;
        const char* pattern;
        bool want;
    } cases[] = {
        {"empty pattern never found", "anything", "", false},
        {"other case found", "\"Ann Lee\" <ann>", "LEE", true},
        {"at the end", "mqsend", "SEND", true},
        {"longer than the text", "ab", "abc", false},
        {"absent", "velmar", "mars", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ContainsNoCase(c.text, c.pattern), c.want);
    }
}

TEST(DisplayForms, Cases) {
    const struct {
        const char* name;
        std::string got;
        std::string want;
    } cases[] = {
        {"name and address", EntryDisplay("Ann Lee", "ann"), "\"Ann Lee\" <ann>"},
        {"address only", EntryDisplay("", "ann"), "<ann>"},
        {"no address shows nothing", EntryDisplay("Ann", ""), ""},
        {"local user with full name", LocalUserDisplay("bob", "Bob Cole"), "\"Bob Cole\" <bob>"},
        {"local user without full name", LocalUserDisplay("bob", ""), "bob"},
        {"server alias", ServerAliasEntry("sales", "s@x.com", "host").text, "\"sales\" <s@x.com>"},
        {"list alias", ServerAliasEntry("team", "C:\\lists\\team.lst", "host").text,
         "Multiple recipients <team@host>"},
        {"program path is no list", ServerAliasEntry("run", "|C:\\bin\\run", "h").text, "\"run\" <|C:\\bin\\run>"},
        {"alias file line", AliasLineDisplay("Ann Lee <ann>"), "\"Ann Lee\" <ann>"},
        {"alias file name-only line kept", AliasLineDisplay("\"Nobody\""), "\"Nobody\""},
        {"alias name of an alias", AliasNameOf("\"sales\" <s@x.com>", EntryAlias), "sales"},
        {"alias name of a list: before @", AliasNameOf("Multiple recipients <team@host>", EntryList), "team"},
        {"alias name without name part", AliasNameOf("<solo>", EntryAlias), "solo"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.got, c.want);
    }
    EXPECT_EQ(ServerAliasEntry("team", "C:\\l\\t.lst", "h").kind, EntryList);
    EXPECT_EQ(ServerAliasEntry("a", "a@b", "h").kind, EntryAlias);
    EXPECT_TRUE(IsProgramTarget("|prog"));
    EXPECT_FALSE(IsProgramTarget(""));
}

TEST(SplitFieldRecipients, Cases) {
    const struct {
        const char* name;
        const char* field;
        std::vector<std::string> recipients;
        std::string search;
    } cases[] = {
        {"two addresses", "a@x.com,b@y.com", {"a@x.com", "b@y.com"}, ""},
        {"quoted comma does not split", "\"Lee, Ann\" <ann@x>,bob@y", {"\"Lee, Ann\" <ann@x>", "bob@y"}, ""},
        {"trailing fragment becomes the search", "a@x.com, ann", {"a@x.com"}, " ann"},
        {"trailing angle brackets are a recipient", "a@x,Ann <ann>", {"a@x", "Ann <ann>"}, ""},
        {"trailing @ with nothing after is a fragment", "a@x,bob@", {"a@x"}, "bob@"},
        {"empty angle brackets are a fragment", "<>", {}, "<>"},
        {"pieces kept as typed", "a@x, b@y", {"a@x", " b@y"}, ""},
        {"empty field", "", {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const FieldRecipients got = SplitFieldRecipients(c.field);
        EXPECT_EQ(got.recipients, c.recipients);
        EXPECT_EQ(got.searchText, c.search);
    }
}

TEST(JoinRecipients, CutAfterTheRecipientCrossing450) {
    const std::string r40(40, 'r');  // 11 of them with commas: 10 * 41 + 40 = 450
    std::vector<std::string> twelve(12, r40);
    const std::string joined = JoinRecipients(twelve);
    EXPECT_EQ(joined.size(), 450u);
    std::vector<std::string> crossing(10, r40);
    crossing.push_back(std::string(60, 'x'));  // 409 + 1 + 60 = 470, then stop
    crossing.push_back("late@x");
    EXPECT_EQ(JoinRecipients(crossing).size(), 470u);
    EXPECT_EQ(JoinRecipients({"a@x", "b@y"}), "a@x,b@y");
    EXPECT_EQ(JoinRecipients({}), "");
}

TEST(AddRecipient, NoRepeatsByPrefixIgnoringCase) {
    std::vector<std::string> recipients{"\"Ann Lee\" <ann>"};
    EXPECT_FALSE(AddRecipient(recipients, "\"ann lee\""));
    EXPECT_TRUE(AddRecipient(recipients, "<bob>"));
    EXPECT_EQ(recipients.size(), 2u);
}

}  // namespace
}  // namespace velmar
