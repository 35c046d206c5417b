// encoding/: quoted-printable bodies, the charset of a code page, encoded header words,
// Shift-JIS to ISO-2022-JP, UTF-8 and UTF-16 text and byte-order marks, base64 and
// uuencode, and attachments (the list, their parts in a message, and the file-handle
// variants of the encoders). The stream encoders work in
// blocks, with vector paths chosen at run time (SixBitSimd.h), and write the same bytes as
// their plain paths. Depends on common/ and config/.
#pragma once

#include "encoding/AttachmentFiles.h"
#include "encoding/AttachmentList.h"
#include "encoding/AttachmentParts.h"
#include "encoding/Base64.h"
#include "encoding/Charset.h"
#include "encoding/HeaderWords.h"
#include "encoding/QuotedPrintable.h"
#include "encoding/ShiftJis.h"
#include "encoding/UnicodeText.h"
#include "encoding/Uuencode.h"

#ifdef _WIN32
#include "encoding/AttachmentFiles_win.h"
#include "encoding/AttachmentParts_win.h"
#include "encoding/QuotedPrintable_win.h"
#include "encoding/ShiftJis_win.h"
#endif
