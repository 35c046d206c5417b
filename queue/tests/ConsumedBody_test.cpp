// The rule for temporary body files, for both ways a body file arrives.
#include "queue/ConsumedBody.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(IsConsumedBody, TmpAtTheEndOrAnywhereInAnyCase) {
    struct Case { const char* name; const char* path; bool atEnd; bool anywhere; } cases[] = {
        {"lower case", "C:\\spool\\tmp1.tmp", true, true},
        {"upper case, as the temporary-file function names it", "C:\\BODY.TMP", true, true},
        {"a longer ending", "C:\\x.tmpl", false, true}, {"in a folder name", "C:\\old.TMP\\body.txt", false, true},
        {"no dot", "C:\\atmp", false, false}, {"just the ending", ".tmp", true, true},
        {"shorter than the ending", "tmp", false, false}, {"empty", "", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsConsumedBody(c.path, TmpMark::AtEnd), c.atEnd) << c.name;
        EXPECT_EQ(IsConsumedBody(c.path, TmpMark::Anywhere), c.anywhere) << c.name;
    }
}

}  // namespace
}  // namespace velmar
