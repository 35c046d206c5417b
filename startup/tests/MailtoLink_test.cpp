#include "startup/MailtoLink.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

std::string Describe(const MailtoFields& f) {
    std::string out = f.pairs ? "pairs" : "plain";
    out += " | to=" + f.to + " | subject=" + f.subject;
    if (f.cc) out += " | cc=" + *f.cc;
    if (f.bcc) out += " | bcc=" + *f.bcc;
    if (f.body) out += " | body=" + *f.body;
    return out;
}

TEST(MailtoLinks, QueryPairsAndPlainWords) {
    const struct { const char* name; std::string url, want; } cases[] = {  // url: after "mailto:"
        {"plain query kept as written", "b@x?Hi%20there&more", "plain | to=b@x | subject=Hi%20there&more"},
        {"no query", "bob@example.com", "plain | to=bob@example.com | subject="},
        {"UTF-8 subject and body", "bob@example.com?subject=Gr%C3%BC%C3%9Fe&body=Zeile%201%0AZeile%202",
         "pairs | to=bob@example.com | subject=Gr\xC3\xBC\xC3\x9F" "e | body=Zeile 1\r\nZeile 2"},
        {"encoded &, = and %", "?subject=a%26b%3Dc%25d&body=x", "pairs | to= | subject=a&b=c%d | body=x"},
        {"invalid escapes keep the raw value", "b@x?subject=100%&body=%zz%41",
         "pairs | to=b@x | subject=100% | body=%zz%41"},
        {"not UTF-8 keeps the raw value", "b@x?subject=K%F6ln", "pairs | to=b@x | subject=K%F6ln"},
        {"repeated keys: addresses add up, the first subject counts",
         "a@x?to=b@x&cc=c@x&cc=d@x&subject=one&subject=two&bcc=e@x", "pairs | to=a@x, b@x | subject=one | cc=c@x, d@x | bcc=e@x"},
        {"keys in any case, others ignored", "?To=b%40x&In-Reply-To=%3Cid%3E&SUBJECT=Hi&junk", "pairs | to=b@x | subject=Hi"},
        {"plus stays a plus", "b@x?subject=1+1", "pairs | to=b@x | subject=1+1"},
        {"an encoded line break ends a header value", "b@x?subject=Hi%0D%0ABcc:%20v@y&cc=c@x%0Ad@y",
         "pairs | to=b@x | subject=Hi | cc=c@x"},
        {"encoded address part", "b%40x?subject=x", "pairs | to=b@x | subject=x"},
    };
    for (const auto& c : cases) EXPECT_EQ(Describe(ParseMailto(c.url)), c.want) << c.name;
}

TEST(MailtoLinks, CutsNeverSplitACharacter) {
    EXPECT_EQ(std::string(CutUtf8("ab\xC3\xBC", 3)) + "|" + std::string(CutUtf8("ab\xC3\xBC", 4)) + "|" +
                  std::string(CutUtf8("a\xF0\x9F\x98\x80z", 4)), "ab|ab\xC3\xBC|a");
}

}  // namespace
}  // namespace velmar
