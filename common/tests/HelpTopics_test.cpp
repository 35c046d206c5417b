#include "common/HelpTopics.h"

#include <gtest/gtest.h>

#include <fstream>

namespace velmar {
namespace {

TEST(HelpTopics, PageOfEachContext) {
    const struct { const char* name; int context; const char* want; } cases[] = {
        {"Creating Messages, toolbar, F1", 250, "creating.htm"}, {"Specifying Recipients", 260, "recipients.htm"},
        {"address book Help button", 300, "addressbook.htm"}, {"unknown context: the first page", 999, "creating.htm"}};
    for (const auto& c : cases) EXPECT_EQ(HelpPageOf(c.context), c.want) << c.name;
    EXPECT_EQ(HelpTopicUrl("C:\\app\\VELMAR.CHM", 260), "C:\\app\\VELMAR.CHM::/recipients.htm");
}

TEST(HelpTopics, EveryPageIsInTheHelpProject) {
    std::ifstream in(std::string(VELMAR_SOURCE_DIR) + "/help/velmar.hhp");
    const std::string project{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_NE(project.find("Compiled file=VELMAR.CHM"), std::string::npos);
    for (const HelpTopic& topic : kHelpTopics)
        EXPECT_NE(project.find("\n" + std::string(topic.page) + "\n"), std::string::npos) << topic.page;
}

}  // namespace
}  // namespace velmar
