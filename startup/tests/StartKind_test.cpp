#include "startup/StartKind.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(ClassifyCommandLine, StartKinds) {
    const struct { const char* name; const char* commandLine; StartKind want; } cases[] = {
        {"one character is a plain start", "x", StartKind::Plain}, {"SEND is a plain start", "SEND", StartKind::Plain},
        {"send in lower case is a hand-off", "send", StartKind::HandOff},
        {"switches without a batch marker are a hand-off", "-s x -c y", StartKind::HandOff},
        {"-t with a blank is a batch marker", "-t a@b.c -s hi", StartKind::Batch},
        {"-t glued to its value is not", "-ta@b.c -s hi", StartKind::HandOff},
        {"-i, -f and -u with a blank", "-s x -u me", StartKind::Batch},
        {"~NEX anywhere", "C:\\params~NEX.txt", StartKind::Batch},
        {"MAILTO: in capitals", "MAILTO:a@b.c", StartKind::Batch},
        {"mailto: after a blank is a hand-off", " mailto:a@b.c", StartKind::HandOff},
        {"RPL inside a batch line still wins", "-t xRPLy@b.c -s hi", StartKind::Reply},
        {"rpl in lower case is not a reply", "C:\\rpl.txt", StartKind::HandOff},
        {"-f at the very end without blank", "-s x -f", StartKind::HandOff},
    };
    for (const auto& c : cases) EXPECT_EQ(ClassifyCommandLine(c.commandLine), c.want) << c.name;
}

TEST(HandOffCommand, PrefixesTheBuiltInDeliveryProgramAndCuts) {
    EXPECT_EQ(HandOffCommand("-s x -c y"), "mqsend -s x -c y");
    EXPECT_EQ(HandOffCommand(std::string(600, 'a')).size(), 511u);
}

TEST(ArgumentsOfCommandLine, SkipsProgramNameAndOneBlank) {
    const struct { const char* name; const char* full; const char* want; } cases[] = {
        {"plain program name", "velmar1.exe -t a", "-t a"},
        {"quoted program name with blanks", "\"C:\\Program Files\\velmar1.exe\" mailto:x", "mailto:x"},
        {"a second blank belongs to the arguments", "velmar1.exe  mailto:x", " mailto:x"},
        {"no arguments", "velmar1.exe", ""}, {"unterminated quote", "\"C:\\a b", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ArgumentsOfCommandLine(c.full), c.want) << c.name;
}

}  // namespace
}  // namespace velmar
