// libFuzzer entry for the report-descriptor parser. Besides the sanitizers' checks it asserts
// the parser's promises: a fault points inside the input, and every record needs at least a
// Collection and an End Collection byte.
#include "protocol/device/ReportDescriptor.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ParsedReportDescriptor parsed = parseReportDescriptor(data, size);
    if (parsed.faultOffset > size || (parsed.complete() && parsed.faultOffset != 0))
        std::abort();
    if (parsed.collections.size() > size / 2)
        std::abort();
    return 0;
}
