#include "compose/Signature.h"

#include "common/ByteStream.h"
#include "common/Text.h"
#include "common/TextMode.h"
#include "encoding/QuotedPrintable.h"
#include "encoding/ShiftJis.h"
#include "message/MessageHeader.h"

namespace velmar {

namespace {

// The signature file as a text-mode read gives it.
std::string ReadAsText(std::string_view stored) {
    MemorySource raw(stored);
    TextModeSource text(raw);
    StringSink out;
    char piece[4096];
    for (std::size_t n; (n = text.Read(piece, sizeof piece)) > 0;) (void)out.Write(piece, n);
    return out.text;
}

// Logical "\n" line ends written as a text-mode file writes them.
std::string AsWrittenText(std::string_view text) {
    StringSink raw;
    TextModeSink sink(raw);
    (void)sink.Write(text.data(), text.size());
    return raw.text;
}

// The quoted-printable lines already end in CR LF; only the encoder's own leading and
// closing line feeds become CR LF.
std::string LoneLineFeedsAsCrLf(std::string_view bytes) {
    std::string out;
    bool afterCr = false;
    if (!AppendWithCrBeforeLoneLf(bytes, afterCr, out)) out = bytes;
    return out;
}

}  // namespace

std::string SignaturePart(std::string_view signature, const SignatureForm& form) {
    const bool ownPart = form.attachmentCount > 0 && !form.uuencode;
    const bool japanese = EqualsNoCase(form.charset, "ISO-2022-JP");
    const std::string text = ReadAsText(signature);

    std::string header;
    if (ownPart) {
        header = "--" + std::string(mimeBoundary) + "\n";
        header += TextPartHeaders(form.charset, false, form.eightBit, false);
        // The empty line after the part header: the quoted-printable encoder writes its own.
        if (!form.eightBit || japanese) header += "\n";
    }
    std::string out = AsWrittenText(header);

    if (!form.eightBit) {
        std::string copy = text;
        if (copy.empty() || copy.back() != '\n') copy += '\n';
        return out + AsWrittenText(copy);
    }
    MemorySource in(text);
    StringSink encoded;
    if (japanese) {
        (void)SjisToJisStream(in, encoded);
        return out + AsWrittenText(encoded.text);
    }
    (void)QpEncodeStream(in, encoded);
    return out + LoneLineFeedsAsCrLf(encoded.text);
}

}  // namespace velmar
