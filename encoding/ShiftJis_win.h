// The Shift-JIS to ISO-2022-JP converter over two buffered files, for the batch path.
#pragma once

#include "common/BufferedFile_win.h"

namespace velmar {

// The same bytes as SjisToJisStream, read from `in` and written to `out`, yielding the processor once per 64 KiB read.
// True when every read and write succeeded; callers may ignore it.
bool SjisToJisHandle(BufferedFile& in, BufferedFile& out);

}  // namespace velmar
