#include "message/MessageTexts.h"

#include "encoding/UnicodeText.h"

namespace velmar {

MessageTexts EncodeMessageTexts(const std::vector<std::u16string>& texts, const AnsiCodec& codec) {
    MessageTexts result;
    result.codePage = codec.CodePage();
    for (const std::u16string& text : texts) {
        std::optional<std::string> bytes = codec.ToAnsi(text);
        if (!bytes) {
            result.codePage = utf8CodePage;
            break;
        }
        result.texts.push_back(std::move(*bytes));
    }
    if (result.codePage != utf8CodePage) return result;
    result.texts.clear();
    for (const std::u16string& text : texts) result.texts.push_back(Utf16ToUtf8(text));
    return result;
}

std::string AnsiInMessage(std::string_view bytes, unsigned codePage, const AnsiCodec& codec) {
    if (codePage != utf8CodePage || codec.CodePage() == utf8CodePage) return std::string(bytes);
    bool ascii = true;
    for (const char c : bytes) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    return ascii ? std::string(bytes) : Utf16ToUtf8(codec.FromAnsi(bytes));
}

}  // namespace velmar
