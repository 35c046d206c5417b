#include "compose/Layout.h"

#include <cstddef>

namespace velmar {

namespace {

struct ReplyColumn {
    Row row;
    int left;   // in quarters of the horizontal base unit
    int width;  // likewise
};

// The reply row, left to right: "Reply to:", All, Sender, "Include text:", Yes, No,
// "Save as Default".
constexpr ReplyColumn kReplyColumns[] = {
    {RowReplyLabel, 3, 30},    {RowReplyAll, 33, 30}, {RowReplySender, 68, 30}, {RowIncludeLabel, 103, 35},
    {RowIncludeYes, 143, 25},  {RowIncludeNo, 173, 25}, {RowSaveDefault, 208, 45},
};

}  // namespace

ControlLayout LayOutControls(const LayoutInput& in) {
    const int bx = in.baseX;
    const int by = in.baseY;
    const int W = in.clientWidth;
    const int H = in.clientHeight;
    int t = in.toolbarHeight;
    ControlLayout out{};
    auto at = [&out](int row) -> ControlRect& { return out[static_cast<std::size_t>(row)]; };

    if (in.replyRow) {
        for (const ReplyColumn& c : kReplyColumns) {
            const bool label = c.row == RowReplyLabel || c.row == RowIncludeLabel;
            at(c.row) = {bx * c.left / 4, (label ? by * 4 / 8 : by * 2 / 8) + t, bx * c.width / 4, by * 10 / 8};
        }
        t += by * 14 / 8;  // everything below moves down by the reply row
    }

    // Four field rows: a button (or the Subject label) and its field.
    for (int k = 0; k < 4; ++k) {
        const int labelRow = 2 * k;
        const int fieldY = (12 * k + 4) * by / 8 + t;
        // The Subject label sits two eighths lower, in line with the field's text.
        const int labelY = labelRow == RowSubjectLabel ? (12 * k + 6) * by / 8 + t : fieldY;
        at(labelRow) = {bx * 3 / 4, labelY, bx * 26 / 4, by * 10 / 8};
        at(labelRow + 1) = {bx * 34 / 4, fieldY, W - bx * 45 / 4, by};
    }

    at(RowBody) = {bx * 4 / 4, by * 54 / 8 + t, W - bx * 8 / 4, H - by * 83 / 8 - t};

    const int buttonWidth = bx * 30 / 4;
    const int buttonHeight = by * 10 / 8;
    at(RowSend) = {W - bx * 31 / 4, H - by * 24 / 8, buttonWidth, buttonHeight};
    at(RowCancel) = {W - bx * 31 / 4, H - by * 12 / 8, buttonWidth, buttonHeight};
    at(RowAttach) = {W - bx * 66 / 4, H - by * 24 / 8, buttonWidth, buttonHeight};

    at(RowAttachmentDisplay) = {bx * 4 / 4, H - by * 25 / 8, W - bx * 75 / 4, by * 22 / 8};
    return out;
}

}  // namespace velmar
