// The signature a window send adds after the body and the attachment parts: the signature
// file's text, in a text part of its own when the attachments go out as MIME parts.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmar {

// What decides the signature's form besides its bytes.
struct SignatureForm {
    bool eightBit = false;            // the signature file, read as text, holds a byte of 0x7F or more
    std::string_view charset;         // the code page's charset, used for 8-bit text
    std::size_t attachmentCount = 0;  // attachments of the message
    bool uuencode = false;            // attachments uuencoded inside the text: no MIME parts
};

// The bytes the signature adds to the body file, as they land on disk (every line end
// CR LF). `signature` is the signature file as stored; it is read as a text file (CR LF
// becomes a line end, the byte 0x1A ends it). With MIME attachments a part header comes
// first: us-ascii for 7-bit text, else the charset with quoted-printable, or ISO-2022-JP
// converted as 7-bit text. 7-bit text is copied with a line end added when its last line
// has none (an empty signature gives one empty line); 8-bit text is encoded as
// quoted-printable, or converted to ISO-2022-JP when that is the charset. The closing
// boundary that follows with MIME attachments is not part of it.
[[nodiscard]] std::string SignaturePart(std::string_view signature, const SignatureForm& form);

}  // namespace velmar
