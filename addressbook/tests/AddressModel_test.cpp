#include "addressbook/AddressModel.h"
#include "addressbook/StoreFiles.h"

#include <gtest/gtest.h>

#include "addressbook/tests/FakeAliasStores.h"

namespace velmar {
namespace {

using Items = std::vector<AddressItem>;

class AddressModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        stores.files["U\\me\\aliases.txt"] = "Ann Lee <ann>\r\nzed@x\r\n";
        stores.files["C\\aliases.txt"] = "carl (Carl Ek)\n", stores.files["C\\USERS.SYS"] = "bob\r\nroot\r\n";
        stores.files["C\\ALIASES.SYS"] = "sales\r\nteam\r\nrun now\r\n";
        stores.fullNames["bob"] = "Bob Cole";
        stores.serverAliases = {{"sales", "s@x.com"}, {"run", "|C:\\bin\\run.exe"}, {"team", "C:\\lists\\team.lst"}};
        stores.settingsAliases = {{"sales", "s@x.com"}, {"run", "|prog"}, {"team", "C:\\lists\\team.lst"}};
    }
    FakeAliasStores stores;
};

TEST_F(AddressModelTest, LoadOrderUnsortedAndSorted) {
    AddressModel unsorted(stores, false);
    unsorted.Load();
    EXPECT_EQ(unsorted.Items(), (Items{{"\"Ann Lee\" <ann>", EntryPersonal}, {"<zed@x>", EntryPersonal},
                                       {"\"Carl Ek\" <carl>", EntryShared}, {"\"sales\" <s@x.com>", EntryAlias},
                                       {"Multiple recipients <team@host>", EntryList},
                                       {"\"Bob Cole\" <bob>", EntryLocalUser}, {"root", EntryLocalUser}}));
    AddressModel sorted(stores, true);
    sorted.Load();
    EXPECT_EQ(sorted.Items(), (Items{{"\"Ann Lee\" <ann>", EntryPersonal}, {"\"Bob Cole\" <bob>", EntryLocalUser},
                                     {"\"Carl Ek\" <carl>", EntryShared}, {"\"sales\" <s@x.com>", EntryAlias},
                                     {"<zed@x>", EntryPersonal}, {"Multiple recipients <team@host>", EntryList},
                                     {"root", EntryLocalUser}}));
}

TEST_F(AddressModelTest, StoreCases) {
    // old: the place in the unsorted list; shown: the entry added last.
    const struct { const char* name; EntryDraft draft; std::optional<std::size_t> old; std::vector<std::string> changes;
                   std::optional<AddressItem> shown; bool modified; } cases[] = {
        {"new personal entry", {"Dee", "dee@x", EntryPersonal}, {}, {}, AddressItem{"\"Dee\" <dee@x>", EntryPersonal},
         true},
        {"new server alias", {"ops", "ops@x", EntryAlias}, {}, {"index+ ops", "put ops=ops@x"},
         AddressItem{"\"ops\" <ops@x>", EntryAlias}, false},
        {"alias given a path becomes a list", {"crew", "C:/l/c.lst", EntryAlias}, {}, {"index+ crew", "put crew=C:/l/c.lst"},
         AddressItem{"Multiple recipients <crew@host>", EntryList}, false},
        {"modify an alias removes the old one", {"sales2", "s@x.com", EntryAlias}, 3,
         {"delete sales", "index- sales", "index+ sales2", "put sales2=s@x.com"},
         AddressItem{"\"sales2\" <s@x.com>", EntryAlias}, false},
        {"modify a list removes the alias before @", {"team", "C:\\lists\\t2.lst", EntryList}, 4,
         {"delete team", "index- team", "index+ team", "put team=C:\\lists\\t2.lst"},
         AddressItem{"Multiple recipients <team@host>", EntryList}, false},
        {"modify a personal entry marks the files", {"Ann Lee", "ann@new", EntryPersonal}, 0, {},
         AddressItem{"\"Ann Lee\" <ann@new>", EntryPersonal}, true},
        {"no address shows nothing", {"Nobody", "", EntryPersonal}, {}, {}, std::nullopt, false},
        {"alias without address still stored", {"empty", "", EntryAlias}, {}, {"index+ empty", "put empty="}, {},
         false},
        {"same text twice is not added", {"Carl Ek", "carl", EntryPersonal}, {}, {}, std::nullopt, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        stores.changes.clear();
        AddressModel model(stores, false);
        model.Load();
        const std::size_t before = model.Items().size();
        const auto place = model.Store(c.draft, c.old);
        EXPECT_EQ(stores.changes, c.changes);
        EXPECT_EQ(model.Modified(), c.modified);
        ASSERT_EQ(place.has_value(), c.shown.has_value());
        if (!place) continue;
        EXPECT_EQ(model.Items()[*place], *c.shown);
        if (c.old) {
            EXPECT_EQ(*place, *c.old) << "an unsorted list keeps the replaced entry's place";
            EXPECT_EQ(model.Items().size(), before);
        }
    }
}

TEST_F(AddressModelTest, DeleteKeepsLocalUsersAndForgetsAliases) {
    AddressModel model(stores, false);
    model.Load();
    // personal, list, local user "root", alias
    const auto kept = model.Delete({0, 4, 6, 3});
    EXPECT_EQ(stores.changes, (std::vector<std::string>{"delete team", "index- team", "delete sales", "index- sales"}));
    EXPECT_TRUE(model.Modified());
    EXPECT_EQ(model.Items(), (Items{{"<zed@x>", EntryPersonal}, {"\"Carl Ek\" <carl>", EntryShared},
                                    {"\"Bob Cole\" <bob>", EntryLocalUser}, {"root", EntryLocalUser}}));
    EXPECT_EQ(kept, (std::vector<std::size_t>{3}));
}

TEST_F(AddressModelTest, SaveRewritesOnlyTheChangedStoreAndKeepsGoingAfterAFailure) {
    AddressModel model(stores, false);
    model.Load();
    ASSERT_TRUE(model.Store({"Dee", "dee@x", EntryShared}, std::nullopt));
    stores.failingPath = "C\\aliases.txt";
    EXPECT_EQ(model.Save(), (std::vector<std::string>{"C\\aliases.txt"}));
    EXPECT_EQ(stores.files["U\\me\\aliases.txt"], "Ann Lee <ann>\r\nzed@x\r\n") << "not changed, not written";
    EXPECT_FALSE(model.Modified());
    stores.failingPath.clear();
    ASSERT_TRUE(model.Store({"Eve", "eve@x", EntryShared}, std::nullopt));
    EXPECT_TRUE(model.Save().empty());
    EXPECT_EQ(stores.files["C\\aliases.txt"], "carl (Carl Ek)\n\"Dee\" <dee@x>\r\n\"Eve\" <eve@x>\r\n");
}

TEST(AliasFileWith, UnchangedLinesStayByteForByte) {
    const std::string longLine = "\"" + std::string(100000, 'n') + "\" <long@x>";
    const struct { const char* name; std::string old; std::vector<std::string> entries; std::string want; } cases[] = {
        {"CR-only lines kept, new entry after them", "a@x\rb@x\r", {"<a@x>", "<b@x>", "<c@x>"}, "a@x\rb@x\r<c@x>\r\n"},
        {"removed entry goes, others keep their form", "Ann <a@x>\nb@x (Bo)\n", {"\"Bo\" <b@x>"}, "b@x (Bo)\n"},
        {"after 0x1A kept, new entries before it", "a@x\x1A" "note\r\nz@x\r\n", {"<a@x>", "<n@x>"},
         "a@x\r\n<n@x>\r\n\x1A" "note\r\nz@x\r\n"},
        {"long line kept whole, not its shown cut", longLine + "\r\nb@x\r\n", {AliasLineDisplay(longLine)},
         longLine + "\r\n"},
        {"empty lines stay", "\r\na@x\r\n\r\n", {}, "\r\n\r\n"}, {"no old file", "", {"<a@x>"}, "<a@x>\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(AliasFileWith(c.old, c.entries), c.want) << c.name;
}

TEST_F(AddressModelTest, SearchAndDraft) {
    AddressModel model(stores, false);
    model.Load();
    EXPECT_EQ(model.Matching("LEE"), (std::vector<std::size_t>{0}));
    EXPECT_EQ(model.Matching("o"), (std::vector<std::size_t>{3, 4, 5, 6}));
    EXPECT_EQ(model.Matching("B>"), (std::vector<std::size_t>{5})) << "at the end";
    EXPECT_TRUE(model.Matching("").empty() && model.Matching("rooted").empty());
    EXPECT_EQ(model.Find("root"), std::optional<std::size_t>{6});
    const EntryDraft d = model.DraftOf(4);
    EXPECT_EQ(std::tie(d.name, d.address, d.kind), std::tuple("Multiple recipients", "team@host", EntryList));
}

TEST_F(AddressModelTest, CompletionCandidatesInSourceOrder) {
    const struct { const char* name; const char* typed; std::vector<std::string> want; } cases[] = {
        {"users, index, shared, personal", "e", {"\"Bob Cole\" <bob>", "\"sales\" <s@x.com>",
         "Multiple recipients <team@host>", "\"Carl Ek\" <carl>", "\"Ann Lee\" <ann>", "<zed@x>"}},
        {"a program alias is found", "prog", {"\"run\" <|prog>"}},
        {"one match in any case, listed once though found twice in it", "ANN", {"\"Ann Lee\" <ann>"}},
        {"never across two entries", ">r", {}}, {"nothing typed finds nothing", "", {}},
    };
    AddressCache cache;  // read once, then searched again: the same answers
    for (AddressCache* kept : {static_cast<AddressCache*>(nullptr), &cache, &cache})
        for (const auto& c : cases) EXPECT_EQ(CompletionCandidates(stores, c.typed, kept), c.want) << c.name;
    stores.files["C\\ALIASES.SYS"] = "ghost\r\n";
    EXPECT_EQ(CompletionCandidates(stores, "ghost", &cache), (std::vector<std::string>{"ghost"})) << "a changed file";
    stores.files["U\\me\\aliases.txt"] = "zed@x\r\n";
    AddressModel model(stores, false, &cache);
    model.Load();
    EXPECT_EQ(model.Items().front(), (AddressItem{"<zed@x>", EntryPersonal})) << "the cache follows the file";
}

TEST(ButtonsFor, Cases) {
    const struct { const char* name; std::size_t selected; EntryKind kind; bool modified;
                   EntryButtons want; } cases[] = {
        {"nothing selected", 0, EntryPersonal, true, {false, false, true, 0}},
        {"one personal", 1, EntryPersonal, false, {true, true, false, IDS_KIND_PERSONAL}},
        {"two shared", 2, EntryShared, false, {false, true, false, IDS_KIND_SHARED}},
        {"alias", 1, EntryAlias, false, {true, true, false, IDS_KIND_ALIAS}},
        {"list", 1, EntryList, false, {true, true, false, IDS_KIND_LIST}},
        {"local user", 1, EntryLocalUser, true, {false, false, true, IDS_KIND_LOCAL}},
    };
    const auto fields = [](const EntryButtons& b) { return std::tuple(b.modify, b.remove, b.save, b.kindLabel); };
    for (const auto& c : cases) EXPECT_EQ(fields(ButtonsFor(c.selected, c.kind, c.modified)), fields(c.want)) << c.name;
}

TEST(StoreFiles, NameIndexAndLists) {
    const std::string longName(100, 'a');
    EXPECT_FALSE(NameIndexWith("sales\r\nTEAM\r\n", "team"));
    for (const char* old : {"sales\r\n", "sales"})
        EXPECT_EQ(NameIndexWith(old, "team").value_or("-"), "sales\r\nteam\r\n");
    EXPECT_EQ(NameIndexWith("", "team").value_or("-"), "team\r\n");
    EXPECT_TRUE(NameIndexWith(longName + "\r\n", std::string(79, 'a'))) << "a long line is no shorter name";

    const NameIndexRewrite removed = NameIndexWithout("sales\nTeam\r\n" + longName + "\r\n", "team");
    EXPECT_TRUE(removed.seen);
    EXPECT_EQ(removed.bytes, "sales\r\n" + longName + "\r\n");
    EXPECT_FALSE(NameIndexWithout(longName + "\r\n", std::string(21, 'a')).seen);

    EXPECT_EQ(SiblingPath("C:\\cfg\\ALIASES.SYS", ".new"), "C:\\cfg\\ALIASES.new");
    EXPECT_EQ(SiblingPath("C:\\cfg.d\\ALIASES", ".bak"), "C:\\cfg.d\\ALIASES.bak");
    EXPECT_EQ(ListFileToBoxText("a@x\nb@y\r\n") + "|" + ListFileToBoxText("a@x\r\nlast") + "|"
              + ListFileToBoxText("a@x\rb@y\r"), "a@x\r\nb@y\r\n|a@x\r\nlast|a@x\r\nb@y\r\n");
    EXPECT_EQ(SplitTextLines("one\r\n\r\ntwo\x1Ahidden"), (std::vector<std::string>{"one", "", "two"}));
}

}  // namespace
}  // namespace velmar
