// The body editor's font: which font a "FONT" code names, the custom font's description
// from the user's settings, and the width the body's text is wrapped at.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "config/SettingsStore.h"

namespace velmar {

enum class BodyFontKind {
    System,        // 0: the system font
    SystemFixed,   // 1: the fixed-pitch system font
    AnsiVariable,  // 2: the variable-pitch ANSI font
    AnsiFixed,     // 3 and every unknown code: the fixed-pitch ANSI font
    Custom,        // 4: the font of the "F..." settings
};

inline constexpr std::int32_t kDefaultFontChoice = 3;

[[nodiscard]] BodyFontKind BodyFontKindOf(std::int32_t code);

// The custom font; every other field of the platform's font description is 0.
struct CustomFontSettings {
    std::int32_t height = -11;
    std::int32_t width = 0;
    std::int32_t weight = 400;
    std::uint8_t pitchAndFamily = 49;  // fixed pitch, modern family
    std::string faceName = "Courier New";
    friend bool operator==(const CustomFontSettings&, const CustomFontSettings&) = default;
};

inline constexpr std::size_t kFaceNameChars = 30;

// "FONT" of the user's section (default 3).
[[nodiscard]] std::int32_t ReadFontChoice(SettingsStore& settings, std::string_view userId);

// "FHEIGHT", "FWIDTH", "FWEIGHT", "FPITCH" and "FNAME" of the user's section.
[[nodiscard]] CustomFontSettings ReadCustomFont(SettingsStore& settings, std::string_view userId);

// Width in pixels of the body's formatting rectangle: the client width, narrowed to
// `sendWrap` average characters when wrapping is on and that is narrower. A wrap column
// or character width that is not positive leaves the client width.
[[nodiscard]] int FormattingWidth(int clientWidth, bool wrap, std::int32_t sendWrap, int averageCharWidth);

}  // namespace velmar
