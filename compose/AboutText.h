// The texts and picture placement of the About box.
#pragma once

#include <string>
#include <string_view>

#include "VelmarVersion.h"

namespace velmar {

// Both come from the build's one version definition, as does the version resource.
inline constexpr std::string_view kProductVersion = VELMAR_VERSION_TEXT;
inline constexpr std::string_view kBuildDate = VELMAR_BUILD_DATE;

// "<application name> <Version> 8.22-2005.11.30".
[[nodiscard]] std::string AboutVersionLine(std::string_view appName, std::string_view versionWord);

// Offset that centres a picture of `size` pixels in a frame of `space` pixels; 0 when the
// picture is the larger.
[[nodiscard]] constexpr int CentredOffset(int space, int size) { return space > size ? (space - size) / 2 : 0; }

}  // namespace velmar
