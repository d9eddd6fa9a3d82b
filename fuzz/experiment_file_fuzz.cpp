// libFuzzer target: any bytes as an experiment file. Besides not crashing,
// a file that parses must come back the same when written and read again,
// and a rejected one must give no record.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "experiments/experiment_record.h"
#include "experiments/text_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const exper::ExperimentFile f = exper::parseExperimentFile(bytes);
    for (const std::string& l : f.lines)
        if (l.find_first_of("\r\n") != std::string::npos)
            std::abort();   // a line kept a line end
    if (!f.record) {
        if (!f.error)
            std::abort();   // rejected without a reason
        return 0;
    }
    if (f.error)
        std::abort();
    const std::string again = exper::writeExperimentFile(f.lines, *f.record);
    const exper::ExperimentFile g = exper::parseExperimentFile(again);
    if (!g.record || *g.record != *f.record)
        std::abort();
    // the text as the box shows it and saves it survives too
    const auto shown = exper::decodeLines(f.lines);
    const auto saved = exper::parseExperimentFile(exper::writeExperimentFile(exper::encodeLines(shown), *f.record));
    if (!saved.record || exper::decodeLines(saved.lines) != (shown.empty() ? std::vector<std::string>{""} : shown))
        std::abort();
    return 0;
}
