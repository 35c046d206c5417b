// The fields of a mailto: link. Browsers and other programs send links whose query is
// "key=value" pairs with percent-encoded UTF-8 values; older callers pass a plain word
// after the "?", which has always been the Subject.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmar {

struct MailtoFields {
    bool pairs = false;  // the query held "key=value" pairs: the texts below are UTF-8
    std::string to;
    std::string subject;
    std::optional<std::string> cc, bcc, body;
};

// Reads `url`, the link after "mailto:". Without any "=" in the query the address part is
// To and the whole query the Subject, both exactly as written. With pairs, the address
// part and the values of "to", "cc", "bcc" (each repeated key adds its addresses, joined
// with ", "), "subject" and "body" (the first of each counts) are percent-decoded; other
// keys are ignored, and a value whose escapes are broken or do not decode to UTF-8 is kept
// as written. A CR, LF or NUL ends every value but the body, whose line ends become CR LF.
[[nodiscard]] MailtoFields ParseMailto(std::string_view url);

// `text` cut to at most `maxBytes` bytes without leaving part of a UTF-8 character.
[[nodiscard]] std::string CutUtf8(std::string_view text, std::size_t maxBytes);

}  // namespace velmar
