#include "compose/BodyFont.h"

#include <algorithm>

namespace velmar {

BodyFontKind BodyFontKindOf(std::int32_t code) {
    switch (code) {
    case 0: return BodyFontKind::System;
    case 1: return BodyFontKind::SystemFixed;
    case 2: return BodyFontKind::AnsiVariable;
    case 4: return BodyFontKind::Custom;
    default: return BodyFontKind::AnsiFixed;
    }
}

std::int32_t ReadFontChoice(SettingsStore& settings, std::string_view userId) {
    return settings.GetConfigInt(userId, "FONT", kDefaultFontChoice, ProfileUser);
}

CustomFontSettings ReadCustomFont(SettingsStore& settings, std::string_view userId) {
    const CustomFontSettings defaults;
    CustomFontSettings font;
    font.height = settings.GetConfigInt(userId, "FHEIGHT", defaults.height, ProfileUser);
    font.width = settings.GetConfigInt(userId, "FWIDTH", defaults.width, ProfileUser);
    font.weight = settings.GetConfigInt(userId, "FWEIGHT", defaults.weight, ProfileUser);
    font.pitchAndFamily =
        static_cast<std::uint8_t>(settings.GetConfigInt(userId, "FPITCH", defaults.pitchAndFamily, ProfileUser));
    settings.GetConfigString(userId, "FNAME", defaults.faceName, font.faceName, kFaceNameChars + 1, ProfileUser);
    return font;
}

int FormattingWidth(int clientWidth, bool wrap, std::int32_t sendWrap, int averageCharWidth) {
    if (!wrap || sendWrap <= 0 || averageCharWidth <= 0) return clientWidth;
    const long long column = static_cast<long long>(sendWrap) * averageCharWidth;
    return static_cast<int>(std::min<long long>(clientWidth, column));
}

}  // namespace velmar
