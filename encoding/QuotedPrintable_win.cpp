#include "encoding/QuotedPrintable_win.h"

#include "encoding/QuotedPrintable.h"

namespace velmar {

bool QpEncodeHandle(BufferedFile& in, BufferedFile& out) {
    BufferedFileSource source(in);
    BufferedFileSink sink(out);
    return QpEncodeStream(source, sink, [] { ::Sleep(0); });
}

}  // namespace velmar
