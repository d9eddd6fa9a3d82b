// libFuzzer target: any bytes as a lesson file. Either a lesson comes back or
// a fault with a message and a line within the text; nothing else.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/lesson.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const sim::LessonParse p = sim::parseLesson(text);
    if (p.lesson) {
        if (p.lesson->catalogue < 0 || p.lesson->catalogue > 17 || p.lesson->enabled.size() != sim::kLessonPartCount)
            std::abort();
        return 0;
    }
    const auto lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    if (p.error.line < 0 || p.error.line > lines || sim::lessonErrorText(p.error).empty())
        std::abort();
    return 0;
}
