#include "message/MessageTexts.h"

#include <gtest/gtest.h>

#include <map>

namespace velmar {
namespace {

// A code page as a table: the characters 0x80-0xFF that it holds (the rest is ASCII).
class TableCodec final : public AnsiCodec {
public:
    TableCodec(unsigned codePage, std::map<char16_t, std::string> table) : codePage_(codePage), table_(std::move(table)) {}
    unsigned CodePage() const override { return codePage_; }
    std::optional<std::string> ToAnsi(std::u16string_view text) const override {
        std::string out;
        for (const char16_t c : text) {
            const auto found = table_.find(c);
            if (c >= 0x80 && found == table_.end()) return std::nullopt;
            out += c < 0x80 ? std::string(1, static_cast<char>(c)) : found->second;
        }
        return out;
    }
    std::u16string FromAnsi(std::string_view bytes) const override {
        std::u16string out;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            char16_t c = static_cast<unsigned char>(bytes[i]);
            for (const auto& [unit, form] : table_)
                if (bytes.substr(i, form.size()) == form) c = unit, i += form.size() - 1;
            out += c;
        }
        return out;
    }

private:
    unsigned codePage_;
    std::map<char16_t, std::string> table_;
};

const TableCodec kWestern(1252, {{u'é', "\xE9"}, {u'–', "\x96"}, {u'€', "\x80"}, {u'ó', "\xF3"}});
const TableCodec kJapanese(932, {{u'会', "\x89\xEF"}, {u'議', "\x8B\x63"}, {u'ｱ', "\xB1"}});

TEST(MessageTexts, AllInTheCodePageOrAllUtf8) {
    const struct { const char* name; const AnsiCodec& codec; std::vector<std::u16string> texts; unsigned wantCodePage;
                   std::vector<std::string> want; } cases[] = {
        {"1252 text fits, with an en dash", kWestern, {u"caf\u00e9", u"10 – 12"}, 1252, {"caf\xE9", "10 \x96 12"}},
        {"1252: Polish letter in one field", kWestern, {u"caf\u00e9", u"Żółw"}, 65001,
         {"caf\xC3\xA9", "\xC5\xBB\xC3\xB3\xC5\x82w"}},
        {"1252: no look-alike for Cyrillic", kWestern, {u"Привет"}, 65001, {"\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82"}},
        {"932 kanji and half-width kana fit", kJapanese, {u"会議 ｱ", u""}, 932, {"\x89\xEF\x8B\x63 \xB1", ""}},
        {"932: emoji outside the BMP", kJapanese, {u"会議 😀"}, 65001, {"\xE4\xBC\x9A\xE8\xAD\xB0 \xF0\x9F\x98\x80"}},
        {"932: accented Latin", kJapanese, {u"ok", u"é"}, 65001, {"ok", "\xC3\xA9"}},
    };
    for (const auto& c : cases) {
        const MessageTexts got = EncodeMessageTexts(c.texts, c.codec);
        EXPECT_EQ(std::pair(got.codePage, got.texts), std::pair(c.wantCodePage, c.want)) << c.name;
    }
}

TEST(MessageTexts, StoredBytesFollowTheMessage) {
    EXPECT_EQ(AnsiInMessage("Jos\xE9", 1252, kWestern) + "|" + AnsiInMessage("Jos\xE9", 65001, kWestern) + "|" +
                  AnsiInMessage("\x89\xEF", 65001, kJapanese), "Jos\xE9|Jos\xC3\xA9|\xE4\xBC\x9A");
}

}  // namespace
}  // namespace velmar
