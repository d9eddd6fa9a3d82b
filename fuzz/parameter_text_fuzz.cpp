// libFuzzer target: any bytes as a catalogue parameter text. A text that
// parses gives a record whose own text parses to the same 27 integers; a
// rejected one gives no record and a message.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "experiments/experiment_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const exper::ParameterParse p = exper::parseParameterText(text);
    if (!p.record) {
        if (p.error.empty())
            std::abort();
        return 0;
    }
    const exper::ParameterParse q = exper::parseParameterText(exper::parameterText(*p.record));
    if (!q.record || *q.record != *p.record)
        std::abort();
    return 0;
}
