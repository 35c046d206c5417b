#include "compose/Commands.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "compose/ControlTable.h"
#include "compose/Toolbar.h"

namespace velmar {
namespace {

std::string ReadSource(const char* relative) {
    std::ifstream in(std::string(VELMAR_SOURCE_DIR) + "/" + relative);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every id the window can take as a command: IDM_ ids, the menu's and accelerators', buttons, toolbar commands.
std::set<int> WindowCommandIds() {
    std::map<std::string, int> defines;
    const std::string header = ReadSource("resources/resource.h"), script = ReadSource("resources/velmar1.rc");
    const std::regex define(R"(#define\s+(ID[A-Z]_\w+)\s+(\d+))"), named(R"(\b(ID[CM]_\w+)\b)");
    for (std::sregex_iterator it(header.begin(), header.end(), define), end; it != end; ++it)
        defines[(*it)[1]] = std::stoi((*it)[2]);
    std::set<int> ids;
    for (const auto& [name, value] : defines)
        if (name.starts_with("IDM_")) ids.insert(value);
    for (std::sregex_iterator it(script.begin(), script.end(), named), end; it != end; ++it) {
        EXPECT_TRUE(defines.count((*it)[1])) << (*it)[1] << " is not in resource.h";
        ids.insert(defines[(*it)[1]]);
    }
    for (const ControlRow& row : kControlRows)
        if (row.controlClass == ControlClass::Button) ids.insert(row.id);
    for (const ToolbarButton& b : ToolbarButtons(true))
        if (!b.IsSeparator()) ids.insert(b.command);
    return ids;
}

// Fields and unknown ids have none; Alt+U and Alt+M focus the Subject and the body (fields' own notifications).
TEST(CommandGroupOf, EveryCommandOfTheWindowHasAGroup) {
    const std::set<int> ids = WindowCommandIds();
    for (int id : ids) EXPECT_NE(CommandGroupOf(id), CommandGroup::None) << id;
    for (const CommandEntry& e : kCommandTable) EXPECT_TRUE(ids.count(e.id)) << e.id << " is in no resource";
    for (int id : {IDC_TO, IDC_ATTACHMENT_DISPLAY, 0, 4000, 65535}) EXPECT_EQ(CommandGroupOf(id), CommandGroup::None);
    EXPECT_EQ(std::pair(CommandGroupOf(IDC_SUBJECT), CommandGroupOf(IDC_BODY)),
              std::pair(CommandGroup::Focus, CommandGroup::Focus));
}

TEST(CommandHelpers, FieldRowsAndReplyChoices) {
    EXPECT_EQ(std::tuple(AddressFieldRowOf(IDC_CC_BUTTON), AddressFieldRowOf(IDM_CHECK_BCC_NAMES),
                         AddressFieldRowOf(IDC_SEND)),
              std::tuple(int{RowCc}, int{RowBcc}, -1));
    EXPECT_EQ(std::tuple(ReplyChoiceOf(IDC_INCLUDE_YES, false), ReplyChoiceOf(IDC_INCLUDE_YES, true),
                         ReplyChoiceOf(IDC_REPLY_SAVE_DEFAULT, false)), std::tuple(4, 12, 0));
}

TEST(ToolbarButtons, UserProgramButtonGoesBeforeUndo) {
    const auto plain = ToolbarButtons(false), withProgram = ToolbarButtons(true);
    ASSERT_EQ(std::pair(plain.size(), withProgram.size()), std::pair(std::size_t{14}, std::size_t{16}));
    EXPECT_EQ(std::pair(plain[8], withProgram[8]),
              std::pair(ToolbarButton{7, IDM_UNDO}, ToolbarButton{11, IDM_APPLY_SPECIAL}));
    EXPECT_TRUE(withProgram[9].IsSeparator() && withProgram[10] == plain[8]);
    for (const ToolbarButton& b : withProgram)
        EXPECT_TRUE(b.IsSeparator() || (b.image < kToolbarImageCount && FindToolbarTip(b.command) != nullptr))
            << b.command;
    EXPECT_EQ(FindToolbarTip(IDM_DELETE), nullptr);
}

}  // namespace
}  // namespace velmar
