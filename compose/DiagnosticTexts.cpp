#include "compose/DiagnosticTexts.h"

namespace velmar {

std::string ReplyNameCaption(std::string_view replyFilePath) {
    std::string caption = "Reply Name " + std::to_string(replyFilePath.size()) + " ";
    if (!replyFilePath.empty()) caption += replyFilePath.front();
    return caption;
}

std::string UserIdCaption(std::string_view userId) { return "UserID " + std::string(userId); }

}  // namespace velmar
