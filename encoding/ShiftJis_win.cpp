#include "encoding/ShiftJis_win.h"

#include "encoding/ShiftJis.h"

namespace velmar {

bool SjisToJisHandle(BufferedFile& in, BufferedFile& out) {
    BufferedFileSource source(in);
    BufferedFileSink sink(out);
    return SjisToJisStream(source, sink, [] { ::Sleep(0); });
}

}  // namespace velmar
