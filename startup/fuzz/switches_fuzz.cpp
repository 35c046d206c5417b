// The command-line parser on arbitrary text: switches, mailto: URLs and reply paths, with
// every value inside its field.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "startup/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const auto parsed = velmar::ParseCommandLine(line, 932, {});
    using namespace velmar;
    if (parsed.fields.to.size() > cap::addressField || parsed.fields.cc.size() > cap::addressField ||
        parsed.fields.bcc.size() > cap::addressField || parsed.fields.subject.size() > cap::subjectField ||
        parsed.request.bodyPath.size() > cap::bodyPath || parsed.request.attachPath.size() > cap::attachPath ||
        (parsed.hostName && parsed.hostName->size() > cap::hostOverride) ||
        (parsed.userId && parsed.userId->size() > cap::userOverride))
        std::abort();
    // No value carries a line break out of the command line.
    for (const auto* value : {&parsed.fields.to, &parsed.fields.cc, &parsed.fields.bcc, &parsed.fields.subject})
        if (value->find_first_of("\r\n") != std::string::npos) std::abort();
    return 0;
}
