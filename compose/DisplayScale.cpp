#include "compose/DisplayScale.h"

#include <cstdint>

namespace velmar {
namespace {

int MulDivRounded(int value, int numerator, int denominator) {
    if (denominator <= 0) return value;
    const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    const std::int64_t half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : -((-product + half) / denominator));
}

}  // namespace

int ScaleForDpi(int value, int dpi) { return dpi == kDefaultDpi ? value : MulDivRounded(value, dpi, kDefaultDpi); }

int ScaleBetweenDpi(int value, int fromDpi, int toDpi) {
    return fromDpi == toDpi ? value : MulDivRounded(value, toDpi, fromDpi);
}

int ToolbarImageSizeFor(int dpi) {
    const int wanted = 16 * dpi / kDefaultDpi;  // the next size only once it is reached
    return wanted >= 32 ? 32 : wanted >= 24 ? 24 : 16;
}

BaseUnits BaseUnitsOfFont(int lettersWidth, int charHeight) { return {(lettersWidth / 26 + 1) / 2, charHeight}; }

}  // namespace velmar
