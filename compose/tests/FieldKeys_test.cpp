#include "compose/FieldKeys.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmar {
namespace {

std::vector<int> Cycle(int from, bool backwards, bool replyRow = false) {
    std::vector<int> rows{NextTabRow(from, backwards, replyRow)};
    while (rows.back() != from && rows.size() < 20) rows.push_back(NextTabRow(rows.back(), backwards, replyRow));
    return rows;
}

TEST(NextTabRow, CyclesBothWaysAndLeavesTheReplyRow) {
    EXPECT_EQ(Cycle(0, false), (std::vector<int>{1, 2, 3, 4, 5, 7, 8, 9, 10, 12, 0}));
    EXPECT_EQ(Cycle(0, true), (std::vector<int>{12, 10, 9, 8, 7, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(std::pair(NextTabRow(RowReplyAll, false), NextTabRow(RowSaveDefault, true)),
              std::pair(int{RowToButton}, int{RowToButton}));
    // A reply start: the reply row's buttons follow Attach.
    EXPECT_EQ(Cycle(0, false, true), (std::vector<int>{1, 2, 3, 4, 5, 7, 8, 9, 10, 12, 14, 15, 17, 18, 19, 0}));
    EXPECT_EQ(Cycle(0, true, true), (std::vector<int>{19, 18, 17, 15, 14, 12, 10, 9, 8, 7, 5, 4, 3, 2, 1, 0}));
}

TEST(DecideFieldKey, KeysByRow) {
    using A = KeyAction;
    using K = FieldKey;
    const struct { const char* name; int row; FieldKey key; bool shift, tabInBody; KeyDecision want; } cases[] = {
        {"Enter in To checks names", RowTo, K::EnterChar, false, false, {A::PostCommand, 4001}},
        {"Enter in BCC checks names", RowBcc, K::EnterChar, false, false, {A::PostCommand, 4005}},
        {"Enter key in CC dropped", RowCc, K::EnterKey, false, false, {A::Drop}},
        {"Enter character in Subject passed", RowSubject, K::EnterChar, false, false, {A::Pass}},
        {"Enter in body is a new line", RowBody, K::EnterChar, false, false, {A::Pass}},
        {"Enter key on Send presses it", RowSend, K::EnterKey, false, false, {A::PassAsSpace}},
        {"Enter character on To button", RowToButton, K::EnterChar, false, false, {A::PassAsSpace}},
        {"Enter on a reply choice passed", RowReplyAll, K::EnterKey, false, false, {A::Pass}},
        {"Tab key dropped in body", RowBody, K::TabKey, false, false, {A::Drop}},
        {"Tab key passed in tab-typing body", RowBody, K::TabKey, false, true, {A::Pass}},
        {"Tab types a tab in the body", RowBody, K::TabChar, false, true, {A::Pass}},
        {"Tab leaves the body", RowBody, K::TabChar, false, false, {A::MoveFocus, 0, RowSend}},
        {"Tab from BCC skips the label", RowBcc, K::TabChar, false, true, {A::MoveFocus, 0, RowSubject}},
        {"Shift+Tab from To button", RowToButton, K::TabChar, true, false, {A::MoveFocus, 0, RowAttach}},
        {"other keys pass", RowTo, K::Other, false, false, {A::Pass}},
    };
    for (const auto& c : cases) EXPECT_EQ(DecideFieldKey(c.row, c.key, c.shift, c.tabInBody), c.want) << c.name;
}

}  // namespace
}  // namespace velmar
