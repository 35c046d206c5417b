// The command-line parser on arbitrary text (first byte even) or a parameter file of
// arbitrary bytes read at odd chunk sizes (first byte odd), in a double-byte code page or
// not: every value stays inside its field and no value carries a line break out.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
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
        p = ParseCommandLine(bytes, codePage, {});
    }
    const auto& r = p.request;
    if (p.fields.to.size() > cap::addressField || p.fields.cc.size() > cap::addressField ||
        p.fields.bcc.size() > cap::addressField || p.fields.subject.size() > cap::subjectField ||
        r.bodyPath.size() > cap::bodyPath || r.attachPath.size() > cap::attachPath ||
        r.headerCharset.size() > cap::charsetName || r.bodyCharset.size() > cap::charsetName ||
        (p.hostName && p.hostName->size() > cap::hostOverride) || (p.userId && p.userId->size() > cap::userOverride))
        std::abort();
    for (const auto& a : p.attachments)
        if (a.path.size() > cap::attachPath || (a.displayName.empty() && !a.path.empty())) std::abort();
    for (const auto* value : {&p.fields.to, &p.fields.cc, &p.fields.bcc, &p.fields.subject})
        if (value->find_first_of("\r\n") != std::string::npos) std::abort();
    if (r.toText && r.toText->find_first_of("\r\n") != std::string::npos) std::abort();
    return 0;
}
