#include "compose/Layout.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(LayOutControls, RowsAtTwoBaseUnitPairs) {
    const LayoutInput plain8x16{8, 16, 600, 400, 28, false};
    const LayoutInput reply6x13{6, 13, 500, 350, 0, true};
    const LayoutInput reply8x16{8, 16, 600, 400, 28, true};
    struct Case {
        const char* name;
        LayoutInput in;
        Row row;
        ControlRect want;
    } cases[] = {
        {"8x16 To button under the toolbar", plain8x16, RowToButton, {6, 36, 52, 20}},
        {"8x16 To field", plain8x16, RowTo, {68, 36, 510, 16}},
        {"8x16 Subject label two eighths lower", plain8x16, RowSubjectLabel, {6, 112, 52, 20}},
        {"8x16 Subject field", plain8x16, RowSubject, {68, 108, 510, 16}},
        {"8x16 body", plain8x16, RowBody, {8, 136, 584, 206}},
        {"8x16 Send", plain8x16, RowSend, {538, 352, 60, 20}},
        {"8x16 Cancel", plain8x16, RowCancel, {538, 376, 60, 20}},
        {"8x16 Attach", plain8x16, RowAttach, {468, 352, 60, 20}},
        {"8x16 attachment display", plain8x16, RowAttachmentDisplay, {8, 350, 450, 44}},
        {"8x16 no reply row", plain8x16, RowReplyAll, {0, 0, 0, 0}},
        {"6x13 reply label", reply6x13, RowReplyLabel, {4, 6, 45, 16}},
        {"6x13 All", reply6x13, RowReplyAll, {49, 3, 45, 16}},
        {"6x13 Sender", reply6x13, RowReplySender, {102, 3, 45, 16}},
        {"6x13 include label", reply6x13, RowIncludeLabel, {154, 6, 52, 16}},
        {"6x13 Yes", reply6x13, RowIncludeYes, {214, 3, 37, 16}},
        {"6x13 Save as Default", reply6x13, RowSaveDefault, {312, 3, 67, 16}},
        {"6x13 To field below the reply row", reply6x13, RowTo, {51, 28, 433, 13}},
        {"6x13 CC field, product before division", reply6x13, RowCc, {51, 48, 433, 13}},
        {"6x13 BCC button", reply6x13, RowBccButton, {4, 67, 39, 16}},
        {"6x13 Subject label", reply6x13, RowSubjectLabel, {4, 90, 39, 16}},
        {"6x13 Subject field", reply6x13, RowSubject, {51, 87, 433, 13}},
        {"6x13 body", reply6x13, RowBody, {6, 109, 488, 194}},
        {"6x13 Send", reply6x13, RowSend, {454, 311, 45, 16}},
        {"6x13 Attach", reply6x13, RowAttach, {401, 311, 45, 16}},
        {"6x13 attachment display", reply6x13, RowAttachmentDisplay, {6, 310, 388, 35}},
        {"8x16 reply row under the toolbar", reply8x16, RowReplyAll, {66, 32, 60, 20}},
        {"8x16 reply label under the toolbar", reply8x16, RowReplyLabel, {6, 36, 60, 20}},
        {"8x16 To field below toolbar and reply row", reply8x16, RowTo, {68, 64, 510, 16}},
        {"8x16 body shortened by the reply row", reply8x16, RowBody, {8, 164, 584, 178}},
        {"8x16 Send keeps its place", reply8x16, RowSend, {538, 352, 60, 20}},
    };
    for (const auto& c : cases) {
        const ControlRect got = LayOutControls(c.in)[static_cast<std::size_t>(c.row)];
        EXPECT_EQ(got, c.want) << c.name << ": got " << got.x << "," << got.y << " " << got.width << "x" << got.height;
    }
}

}  // namespace
}  // namespace velmar
