// The command-line parser on arbitrary text (first byte even; a mailto: link with bit 2
// set) or a parameter file of arbitrary bytes read at odd chunk sizes (first byte odd), in
// a double-byte code page or not: every value stays inside its field and no value carries
// a line break out.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "startup/CommandLine.h"
#include "startup/ParameterFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmar;
    if (size == 0) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const unsigned codePage = data[0] & 2 ? 932 : 1252;
    ParsedCommandLine p;
    if (data[0] & 1) {
        MemorySource file(bytes, 1 + data[0] % 13);
        ReadParameterFile(file, p, codePage);
    } else {
        p = ParseCommandLine((data[0] & 4 ? "mailto:" : "") + std::string(bytes), codePage, {});
    }
    const auto fits = [](const std::string& value, std::size_t capacity, bool oneLine = false) {
        if (value.size() > capacity || (oneLine && value.find_first_of("\r\n") != std::string::npos)) std::abort();
    };
    const auto& r = p.request;
    // A mailto: To list is kept whole (a cut would name another address); CC and BCC fields are cut.
    fits(p.fields.to, std::string::npos, true);
    for (const auto* field : {&p.fields.cc, &p.fields.bcc}) fits(*field, cap::addressField, true);
    fits(p.fields.subject, cap::subjectField, true);
    for (const auto* list : {&r.toText, &r.ccText, &r.bccText}) fits(list->value_or(""), std::string::npos, true);
    for (const auto& [value, capacity] :
         {std::pair{r.bodyPath, cap::bodyPath}, {r.attachPath, cap::attachPath}, {r.headerCharset, cap::charsetName},
          {r.bodyCharset, cap::charsetName}, {p.hostName.value_or(""), cap::hostOverride},
          {p.userId.value_or(""), cap::userOverride}})
        fits(value, capacity);
    for (const auto& a : p.attachments)
        if (a.path.size() > cap::attachPath || (a.displayName.empty() && !a.path.empty())) std::abort();
    return 0;
}
