// The quoted-printable encoder over two buffered files, for the batch path.
#pragma once

#include "common/BufferedFile_win.h"

namespace velmar {

// The same bytes as QpEncodeStream, read from `in` and written to `out`, yielding the processor once per 64 KiB read.
// True when every read and write succeeded; callers may ignore it.
bool QpEncodeHandle(BufferedFile& in, BufferedFile& out);

}  // namespace velmar
