// Parameter files of arbitrary bytes, read at odd chunk sizes, in a double-byte code page.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "startup/ParameterFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmar;
    if (size == 0) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    MemorySource file(bytes, 1 + data[0] % 13);
    ParsedCommandLine parsed;
    ReadParameterFile(file, parsed, data[0] & 1 ? 932 : 1252);
    if (parsed.fields.subject.size() > cap::subjectField || parsed.request.bodyPath.size() > cap::bodyPath ||
        parsed.request.headerCharset.size() > cap::charsetName || parsed.request.bodyCharset.size() > cap::charsetName)
        std::abort();
    for (const auto& attachment : parsed.attachments)
        if (attachment.path.size() > cap::attachPath || (attachment.displayName.empty() && !attachment.path.empty()))
            std::abort();
    if (parsed.request.toText && parsed.request.toText->find_first_of("\r\n") != std::string::npos) std::abort();
    return 0;
}
