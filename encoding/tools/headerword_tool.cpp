// Encodes the text on standard input as header words and writes the result, a NUL, and the
// text as the encoder left it (its ISO-2022-JP form on code page 932).
//   headerword_tool whole|after|folded|foldedjis CODEPAGE CAPACITY [CHARSET]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "encoding/HeaderWords.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs("usage: headerword_tool whole|after|folded|foldedjis CODEPAGE CAPACITY [CHARSET]\n", stderr);
        return 2;
    }
    const std::string mode = argv[1];
    const auto codePage = static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10));
    const auto capacity = static_cast<std::size_t>(std::strtoul(argv[3], nullptr, 10));
    const std::string charset = argc > 4 ? argv[4] : "ISO-8859-1";
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;) text.append(buffer, n);
    std::string result;
    if (mode == "whole") result = velmar::EncodeWordWhole(text, capacity, codePage);
    else if (mode == "after") result = velmar::EncodeWordAfterAscii(text, capacity, codePage);
    else if (mode == "folded") result = velmar::QEncodeFolded(text, capacity, charset, codePage);
    else if (mode == "foldedjis") result = velmar::QEncodeFoldedJis(text, capacity, charset, codePage);
    else return 2;
    result += '\0';
    result += text;
    return std::fwrite(result.data(), 1, result.size(), stdout) == result.size() ? 0 : 1;
}
