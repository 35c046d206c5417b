#include "common/HelpTopics.h"

namespace velmar {

std::string_view HelpPageOf(int context) {
    for (const HelpTopic& topic : kHelpTopics)
        if (topic.context == context) return topic.page;
    return kHelpTopics[0].page;
}

std::string HelpTopicUrl(std::string_view helpFilePath, int context) {
    std::string url(helpFilePath);
    url += "::/";
    url += HelpPageOf(context);
    return url;
}

}  // namespace velmar
