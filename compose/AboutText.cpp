#include "compose/AboutText.h"

namespace velmar {

std::string AboutVersionLine(std::string_view appName, std::string_view versionWord) {
    std::string line(appName);
    line += ' ';
    line += versionWord;
    line += ' ';
    line += kProductVersion;
    line += '-';
    line += kBuildDate;
    return line;
}

}  // namespace velmar
