#include "encoding/QuotedPrintable.h"

namespace velmar {

bool HasEightBit(std::string_view text) {
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == 0) return false;
        if (c >= 0x7F) return true;
    }
    return false;
}

}  // namespace velmar
