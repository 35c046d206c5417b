// Golden files of the end-to-end tests: queue file sets compared byte for byte with
// tests/e2e/golden/*.ref, with what changes from run to run masked.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "tests/support/WinTestSupport.h"

namespace velmar::wintest {

// What changes from run to run, masked: the Date and Message-Id lines (only when they have
// their exact shape, so a malformed line still shows as a difference) and the 16 digits of
// the spool file names.
inline std::string Masked(const std::string& bytes) {
    static const std::regex date(
        "Date: (Sun|Mon|Tue|Wed|Thu|Fri|Sat), [ 1-3][0-9] (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) "
        "20[0-9]{2} [0-2][0-9]:[0-5][0-9]:[0-5][0-9] [+-][0-9]{4}\r\n");
    static const std::regex id("Message-Id: <[0-9]{12}\\.AA[0-9]{5,}@localhost>\r\n");
    static const std::regex name("\\\\([QD])[0-9a-f]{16}\\.GSC");
    std::string text = std::regex_replace(bytes, date, "Date: <masked>\r\n");
    text = std::regex_replace(text, id, "Message-Id: <masked>\r\n");
    return std::regex_replace(text, name, "\\$1<masked>.GSC");
}

// Compares `bytes` (masked) with the golden file tests/e2e/golden/<file>, byte for byte. To
// rewrite them from the current program (and review the change before committing it):
//     VELMAR_UPDATE_GOLDEN=1 ctest --test-dir build/windows -R 'BatchSend|WindowSend' -j1
inline void ExpectGolden(const std::string& file, const std::string& bytes) {
    std::string dir = __FILE__;  // tests/support/Golden.h; the source tree is on Z: under Wine
    dir = (dir.front() == '/' ? "Z:" : "") + dir.substr(0, dir.find_last_of("/\\", dir.find_last_of("/\\") - 1)) +
          "/e2e/golden/";
    const std::string got = Masked(bytes);
    char update[8] = {};
    if (GetEnvironmentVariableA("VELMAR_UPDATE_GOLDEN", update, sizeof update) > 0 && update[0] == '1') {
        EXPECT_TRUE(WriteWholeFile(dir + file, got)) << dir + file;
        return;
    }
    EXPECT_TRUE(FileExists(dir + file)) << dir + file << " missing; see ExpectGolden";
    EXPECT_EQ(got, ReadWholeFile(dir + file)) << file;
}

}  // namespace velmar::wintest
