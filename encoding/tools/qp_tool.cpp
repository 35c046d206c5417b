// Encodes standard input as a quoted-printable body on standard output.
#include <cstdio>

#include "common/ByteStream.h"
#include "encoding/QuotedPrintable.h"

int main() {
    velmar::StdioSource in(stdin);
    velmar::StdioSink out(stdout);
    if (!velmar::QpEncodeStream(in, out)) return 1;
    return std::fflush(stdout) == 0 ? 0 : 1;
}
