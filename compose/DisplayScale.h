// The compose window at any display scale. Sizes of the design are for 96 dots per inch;
// at another scale the window's fonts are made for its own DPI (the stock fonts do not grow),
// the layout's dialog base units follow the window's DPI, and the toolbar takes the image
// strip nearest its scale.
#pragma once

namespace velmar {

inline constexpr int kDefaultDpi = 96;

// `value`, a size in pixels at 96 DPI, at `dpi`: rounded to the nearest pixel, halves away
// from zero (as the platform's MulDiv), so a negative font height stays negative.
[[nodiscard]] int ScaleForDpi(int value, int dpi);
// The same from a size at `fromDpi` (a font the platform already made for the system's DPI).
[[nodiscard]] int ScaleBetweenDpi(int value, int fromDpi, int toDpi);

// The window's fonts at `dpi` are the stock fonts themselves (only at 96 DPI) or fonts made
// for it.
[[nodiscard]] constexpr bool UsesStockFonts(int dpi) { return dpi == kDefaultDpi; }

// The size of the toolbar images for a window at `dpi`: the largest of 16, 24 and 32 pixels
// that is not larger than 16 pixels scaled to it (16 below 144 DPI).
[[nodiscard]] int ToolbarImageSizeFor(int dpi);

struct BaseUnits {
    int x = 0;
    int y = 0;
    friend bool operator==(const BaseUnits&, const BaseUnits&) = default;
};

// Dialog base units measured with a font as the platform measures its own: the width of
// the 52 letters "A".."Z", "a".."z" in pixels gives the horizontal unit (their average
// width, rounded), the character height the vertical one.
[[nodiscard]] BaseUnits BaseUnitsOfFont(int lettersWidth, int charHeight);

// The letters measured for the horizontal base unit.
inline constexpr char kBaseUnitLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

}  // namespace velmar
