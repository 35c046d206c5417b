// Converts Shift-JIS on standard input to ISO-2022-JP on standard output.
#include <cstdio>

#include "common/ByteStream.h"
#include "encoding/ShiftJis.h"

int main() {
    velmar::StdioSource in(stdin);
    velmar::StdioSink out(stdout);
    if (!velmar::SjisToJisStream(in, out)) return 1;
    return std::fflush(stdout) == 0 ? 0 : 1;
}
