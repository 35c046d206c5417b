#include "compose/Layout.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(LayOutControls, RowsAtTwoBaseUnitPairs) {
    const LayoutInput plain8x16{8, 16, 600, 400, 28, false};
    const LayoutInput reply6x13{6, 13, 500, 350, 0, true};
    const LayoutInput reply8x16{8, 16, 600, 400, 28, true};
    // The Subject label sits two eighths lower than its field; positions multiply before they divide.
    struct Case { LayoutInput in; Row row; ControlRect want; } cases[] = {
        {plain8x16, RowToButton, {6, 36, 52, 20}}, {plain8x16, RowTo, {68, 36, 510, 16}},
        {plain8x16, RowSubjectLabel, {6, 112, 52, 20}}, {plain8x16, RowSubject, {68, 108, 510, 16}},
        {plain8x16, RowBody, {8, 136, 584, 206}}, {plain8x16, RowSend, {538, 352, 60, 20}},
        {plain8x16, RowCancel, {538, 376, 60, 20}}, {plain8x16, RowAttach, {468, 352, 60, 20}},
        {plain8x16, RowAttachmentDisplay, {8, 350, 450, 44}}, {plain8x16, RowReplyAll, {0, 0, 0, 0}},
        {reply6x13, RowReplyLabel, {4, 6, 45, 16}}, {reply6x13, RowReplyAll, {49, 3, 45, 16}},
        {reply6x13, RowIncludeLabel, {154, 6, 52, 16}}, {reply6x13, RowIncludeYes, {214, 3, 37, 16}},
        {reply6x13, RowSaveDefault, {312, 3, 67, 16}}, {reply6x13, RowTo, {51, 28, 433, 13}},
        {reply6x13, RowSubjectLabel, {4, 90, 39, 16}}, {reply6x13, RowBody, {6, 109, 488, 194}},
        {reply6x13, RowSend, {454, 311, 45, 16}}, {reply6x13, RowAttach, {401, 311, 45, 16}},
        {reply6x13, RowAttachmentDisplay, {6, 310, 388, 35}}, {reply8x16, RowReplyAll, {66, 32, 60, 20}},
        {reply8x16, RowReplyLabel, {6, 36, 60, 20}}, {reply8x16, RowTo, {68, 64, 510, 16}},
        {reply8x16, RowBody, {8, 164, 584, 178}},
    };
    for (const auto& c : cases) {
        const ControlRect got = LayOutControls(c.in)[static_cast<std::size_t>(c.row)];
        EXPECT_EQ(got, c.want) << c.row << ": got " << got.x << "," << got.y << " " << got.width << "x" << got.height;
    }
}

}  // namespace
}  // namespace velmar
