#include "compose/Signature.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

const std::string kPart = "--==Velmar_v8.2==\r\nContent-Type: text/plain; charset=";

TEST(SignaturePart, Cases) {
    const struct { const char* name; std::string signature; SignatureForm form; std::string want; } cases[] = {
        {"us-ascii part with attachments", "-- \r\nAnn\r\n", {false, "iso-8859-1", 1, false},
         kPart + "us-ascii\r\n\r\n-- \r\nAnn\r\n"},
        {"8-bit part as quoted-printable", "Ren\xE9\r\n", {true, "iso-8859-1", 2, false},
         kPart + "iso-8859-1\r\nContent-Transfer-Encoding: quoted-printable\r\n\r\nRen=E9\r\n\r\n"},
        {"ISO-2022-JP part converted", "\x93\xfa\r\n", {true, "ISO-2022-JP", 1, false},
         kPart + "ISO-2022-JP\r\n\r\n\x1b$BF|\x1b(B\r\n"},
        {"no attachments: the text alone, a line end added", "Ann\nSales", {false, "iso-8859-1", 0, false},
         "Ann\r\nSales\r\n"},
        {"no attachments, 8-bit: quoted-printable without a part", "Ren\xE9", {true, "iso-8859-1", 0, false},
         "\r\nRen=E9\r\n"},
        {"uuencoded attachments: no part header", "Ann\r\n", {false, "iso-8859-1", 1, true}, "Ann\r\n"},
        {"empty signature: one empty line", "", {false, "iso-8859-1", 0, false}, "\r\n"},
        {"text ends at 0x1A", "Ann\r\n\x1Arest", {false, "iso-8859-1", 0, false}, "Ann\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(SignaturePart(c.signature, c.form), c.want) << c.name;
}

}  // namespace
}  // namespace velmar
