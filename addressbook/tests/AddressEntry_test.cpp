#include "addressbook/AddressEntry.h"
#include "addressbook/RecipientPicks.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

// The plain forms are met in the model tables (its load order and the alias names it forgets).
TEST(ParseAddressEntry, LineForms) {
    const struct { const char* name; std::string line, address, entryName; } cases[] = {
        {"address only, trailing blanks and line feed", "bob   \n", "bob", ""},
        {"leading blanks stay", "  bob", "  bob", ""},
        {"parentheses after angle brackets keep the bracket address", "<x@y> (Xavier)", "x@y", "Xavier"},
        {"unclosed bracket runs to the end", "Cy <cy@z", "cy@z", "Cy"},
        {"address cut to 99", "<" + std::string(150, 'a') + ">", std::string(99, 'a'), ""},
        {"name cut to 255", "\"" + std::string(300, 'n') + "\" <a>", "a", std::string(255, 'n')},
        {"\"<\" in the quoted name is its text", "\"Eve <evil@attacker.example>\" <eve@example.com>",
         "eve@example.com", "Eve <evil@attacker.example>"},
        {"unclosed quote: no address", "\"Eve <evil@attacker.example>", "", "Eve <evil@attacker.example>"},
    };
    for (const auto& c : cases) {
        const ParsedEntry e = ParseAddressEntry(c.line);
        EXPECT_EQ(e.address + "|" + e.name, c.address + "|" + c.entryName) << c.name;
    }
}

// The display forms the model tables do not show.
TEST(DisplayForms, Cases) {
    const struct { const char* name; std::string got, want; } cases[] = {
        {"program path is no list", ServerAliasEntry("run", "|C:\\bin\\run", "h").text, "\"run\" <|C:\\bin\\run>"},
        {"alias file name-only line kept", AliasLineDisplay("\"Nobody\""), "\"Nobody\""},
        {"alias name without name part", AliasNameOf("<solo>", EntryAlias), "solo"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << c.name;
    EXPECT_FALSE(IsProgramTarget(""));
}

TEST(SplitFieldRecipients, Cases) {
    const struct { const char *name, *field; std::vector<std::string> recipients; std::string search; } cases[] = {
        {"quoted comma does not split", "\"Lee, Ann\" <ann@x>,bob@y", {"\"Lee, Ann\" <ann@x>", "bob@y"}, ""},
        {"trailing fragment becomes the search", "a@x.com, ann", {"a@x.com"}, " ann"},
        {"trailing angle brackets are a recipient", "a@x,Ann <ann>", {"a@x", "Ann <ann>"}, ""},
        {"trailing @ with nothing after is a fragment", "a@x,bob@", {"a@x"}, "bob@"},
        {"empty angle brackets are a fragment", "<>", {}, "<>"},
        {"pieces kept as typed", "a@x, b@y", {"a@x", " b@y"}, ""}, {"empty field", "", {}, ""},
    };
    for (const auto& c : cases) {
        const FieldRecipients got = SplitFieldRecipients(c.field);
        EXPECT_EQ(std::pair(got.recipients, got.searchText), std::pair(c.recipients, c.search)) << c.name;
    }
}

TEST(JoinRecipients, CutAfterTheRecipientCrossing450) {
    const std::string r40(40, 'r');  // 11 of them with commas: 10 * 41 + 40 = 450
    EXPECT_EQ(JoinRecipients(std::vector<std::string>(12, r40)).size(), 450u);
    std::vector<std::string> crossing(10, r40);
    crossing.push_back(std::string(60, 'x'));  // 409 + 1 + 60 = 470, then stop
    crossing.push_back("late@x");
    EXPECT_EQ(JoinRecipients(crossing).size(), 470u);
    EXPECT_EQ(JoinRecipients({"a@x", "b@y"}) + JoinRecipients({}), "a@x,b@y");
}

TEST(AddRecipient, NoRepeatsByPrefixIgnoringCase) {
    std::vector<std::string> recipients{"\"Ann Lee\" <ann>"};
    EXPECT_FALSE(AddRecipient(recipients, "\"ann lee\""));
    EXPECT_TRUE(AddRecipient(recipients, "<bob>"));
    EXPECT_EQ(recipients.size(), 2u);
}

}  // namespace
}  // namespace velmar
