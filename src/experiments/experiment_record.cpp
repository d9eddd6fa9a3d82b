#include "experiments/experiment_record.h"

#include <limits>

#include "engine/translatable.h"

namespace exper {

std::optional<int32_t> parseDecimal(std::string_view t)
{
    size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) {
        negative = t[i] == '-';
        ++i;
    }
    if (i == t.size())
        return std::nullopt;
    int64_t v = 0;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + (c - '0');
        if (v > static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        v = -v;
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(v);
}

namespace {

// Splits into lines at CR LF, LF or a lone CR; a final line end adds no
// empty line.
std::vector<std::string_view> splitLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' || bytes[i] == '\r') {
            lines.push_back(bytes.substr(start, i - start));
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < bytes.size())
        lines.push_back(bytes.substr(start));
    return lines;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

// How many fields each data line holds, in order.
constexpr int kGroups[] = {4, 4, 4, 3, 3, 4, 1, 4};

}   // namespace

ExperimentFile parseExperimentFile(std::string_view bytes)
{
    ExperimentFile out;
    const std::vector<std::string_view> lines = splitLines(bytes);
    size_t i = 0;
    for (; i < lines.size() && lines[i] != kMarker; ++i)
        out.lines.emplace_back(lines[i]);
    if (i == lines.size()) {
        out.error = ParseError{0,
                               TRANSLATABLE("FileReading",
                                            "The file holds no experiment data (no line \"START "
                                            "EXPERIMENT DATA\").")};
        return out;
    }
    // The numbers run on across lines: each group takes the next tokens
    // wherever they stand, and what is left of the line holding a group's
    // last number is skipped.
    ExperimentRecord r;
    size_t line = i + 1;
    size_t pos = 0;
    int field = 0;
    for (int group : kGroups) {
        for (int k = 0; k < group; ++k, ++field) {
            // next token, across line ends; none left reads as 0
            std::string_view token;
            while (line < lines.size()) {
                const std::string_view l = lines[line];
                while (pos < l.size() && isBlank(l[pos]))
                    ++pos;
                if (pos < l.size()) {
                    size_t end = pos;
                    while (end < l.size() && !isBlank(l[end]))
                        ++end;
                    token = l.substr(pos, end - pos);
                    pos = end;
                    break;
                }
                ++line;
                pos = 0;
            }
            if (token.empty()) {
                r.f[static_cast<size_t>(field)] = 0;
                continue;
            }
            const std::optional<int32_t> v = parseDecimal(token.substr(0, 32));
            if (!v || token.size() > 32) {
                out.error =
                    ParseError{static_cast<int>(line) + 1, TRANSLATABLE("FileReading", "Invalid numeric input")};
                return out;
            }
            r.f[static_cast<size_t>(field)] = *v;
        }
        if (line < lines.size()) {
            ++line;   // the rest of the group's last line is skipped
            pos = 0;
        }
    }
    out.record = r;
    return out;
}

std::string writeExperimentFile(const std::vector<std::string>& lines, const ExperimentRecord& r)
{
    std::string out;
    if (lines.empty())
        out += "\r\n";
    for (const std::string& l : lines)
        out += l + "\r\n";
    out += std::string(kMarker) + "\r\n";
    size_t field = 0;
    for (int group : kGroups) {
        for (int k = 0; k < group; ++k, ++field) {
            if (k > 0)
                out += ' ';
            out += std::to_string(r.f[field]);
        }
        out += "\r\n";
    }
    return out;
}

ParameterParse parseParameterText(std::string_view text)
{
    ParameterParse out;
    auto failed = [&out](const char* pattern, int number) {
        out.errorPattern = pattern;
        out.errorNumber = number;
        out.error = pattern;
        if (const size_t at = out.error.find("%1"); at != std::string::npos)
            out.error.replace(at, 2, std::to_string(number));
        return out;
    };
    ExperimentRecord r;
    size_t count = 0, start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != ' ')
            continue;
        const std::string_view token = text.substr(start, i - start);
        const std::optional<int32_t> v = parseDecimal(token);
        if (!v)
            return failed(TRANSLATABLE("FileReading", "Invalid numeric input in number %1 of the experiment"),
                          static_cast<int>(count) + 1);
        if (count == r.f.size())
            return failed(TRANSLATABLE("FileReading", "The experiment holds more than 27 numbers"), 0);
        r.f[count++] = *v;
        start = i + 1;
    }
    if (count != r.f.size())
        return failed(TRANSLATABLE("FileReading", "The experiment holds %1 numbers instead of 27"),
                      static_cast<int>(count));
    out.record = r;
    return out;
}

std::string parameterText(const ExperimentRecord& r)
{
    std::string out;
    for (size_t i = 0; i < r.f.size(); ++i) {
        if (i > 0)
            out += ' ';
        out += std::to_string(r.f[i]);
    }
    return out;
}

}   // namespace exper
