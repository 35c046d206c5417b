#include "common/HelpTopics.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace velmar {
namespace {

TEST(HelpTopics, PageOfEachContext) {
    struct Case {
        const char* name;
        int context;
        const char* want;
    } cases[] = {
        {"Creating Messages, toolbar, F1", 250, "creating.htm"},
        {"Specifying Recipients", 260, "recipients.htm"},
        {"address book Help button", 300, "addressbook.htm"},
        {"unknown context: the first page", 999, "creating.htm"},
    };
    for (const Case& c : cases) EXPECT_EQ(HelpPageOf(c.context), c.want) << c.name;
    EXPECT_EQ(HelpTopicUrl("C:\\app\\VELMAR.CHM", 260), "C:\\app\\VELMAR.CHM::/recipients.htm");
}

TEST(HelpTopics, EveryPageIsInTheHelpProject) {
    std::ifstream in(std::string(VELMAR_SOURCE_DIR) + "/help/velmar.hhp");
    std::stringstream project;
    project << in.rdbuf();
    EXPECT_NE(project.str().find("Compiled file=VELMAR.CHM"), std::string::npos);
    for (const HelpTopic& topic : kHelpTopics) {
        std::string line(1, '\n');
        line.append(topic.page).push_back('\n');
        EXPECT_NE(project.str().find(line), std::string::npos) << topic.page;
    }
}

}  // namespace
}  // namespace velmar
