#include "engine/lesson.h"

#include <algorithm>
#include <charconv>

#include "engine/translatable.h"
#include "engine/utf8.h"

namespace sim {

namespace {
constexpr const char* kParts[kLessonPartCount] = {"start",       "reset",  "recenter",   "time-line",    "replay",
                                                  "data-table",  "ruler",  "protractor", "print",        "frequency",
                                                  "masses",      "speeds", "charges",    "percent",      "spring",
                                                  "table-angle", "pucks",  "file-menu",  "view-menu",    "options-menu",
                                                  "data",        "graph",  "momentum",   "before-after", "investigate"};

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// Well-formed and free of NUL, which would cut a message short.
bool isLessonText(std::string_view s)
{
    return isWellFormedUtf8(s) && s.find('\0') == std::string_view::npos;
}

bool isLessonSection(std::string_view s)
{
    std::string lower(s);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
    return lower == "[lesson]";
}

std::string withBreaks(std::string_view v)
{
    std::string out;
    for (size_t i = 0; i < v.size(); ++i) {
        if (v[i] == '\\' && i + 1 < v.size() && v[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else {
            out += v[i];
        }
    }
    return out;
}

// A quoted word is cut short: a whole line could be 64 KB.
LessonError fault(int line, const char* pattern, std::string_view word = {})
{
    return {line, pattern, shortQuote(word)};
}

// The experiment a lesson names: a built-in number, or a file beside it.
std::optional<LessonError> readExperiment(Lesson& l, std::string_view v, int line)
{
    int k = 0;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), k);
    if (ec == std::errc() && end == v.data() + v.size()) {
        if (k < 1 || k > 17)
            return fault(line, TRANSLATABLE("Lesson", "Line %1: there is no built-in experiment %2 (1 to 17)."), v);
        l.catalogue = k;
    } else {
        std::string lower(v);
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
        const bool col = lower.size() > 4 && lower.compare(lower.size() - 4, 4, ".col") == 0;
        if (!col || v.find_first_of("/\\:") != std::string_view::npos || v.front() == '.')
            return fault(line,
                         TRANSLATABLE("Lesson",
                                      "Line %1: \"%2\" is neither a built-in experiment (1 to 17) nor a "
                                      ".col file beside the lesson file."),
                         v);
        l.file = std::string(v);
    }
    l.experimentLine = line;
    return std::nullopt;
}

std::optional<LessonError> readEnable(Lesson& l, std::string_view v, int line)
{
    l.restricted = true;
    while (!v.empty()) {
        const size_t comma = v.find(',');
        const std::string_view name = trimmed(v.substr(0, comma));
        v = comma == std::string_view::npos ? std::string_view() : v.substr(comma + 1);
        if (name.empty())
            continue;
        const auto* at = std::find_if(std::begin(kParts), std::end(kParts), [&](const char* p) { return name == p; });
        if (at == std::end(kParts))
            return fault(line, TRANSLATABLE("Lesson", "Line %1: \"%2\" is nothing a lesson can enable."), name);
        l.enabled[static_cast<size_t>(at - std::begin(kParts))] = true;
    }
    return std::nullopt;
}

std::optional<LessonError> readLine(Lesson& l, std::string_view key, std::string_view v, int line)
{
    if (key == "title")
        l.title = std::string(v);
    else if (key == "note")
        l.note = withBreaks(v);
    else if (key == "experiment")
        return readExperiment(l, v, line);
    else if (key == "challenge") {
        l.challenge = challengeKindNamed(v);
        if (!l.challenge)
            return fault(
                line,
                TRANSLATABLE("Lesson", "Line %1: \"%2\" is not a challenge (mass, restitution, speed or glancing)."),
                v);
    } else if (key == "predict-first") {
        if (v != "yes" && v != "no")
            return fault(line, TRANSLATABLE("Lesson", "Line %1: predict-first takes yes or no, not \"%2\"."), v);
        l.predictFirst = v == "yes";
    } else if (key == "enable") {
        return readEnable(l, v, line);
    } else if (key == "hand-in") {
        if (v.size() > 1024)
            return fault(line,
                         TRANSLATABLE("Lesson", "Line %1: a hand-in folder or address is at most 1024 characters."),
                         v.substr(0, 0));
        l.handIn = std::string(v);
    } else {
        return fault(line,
                     TRANSLATABLE("Lesson",
                                  "Line %1: unknown key \"%2\" (a lesson knows title, note, experiment, "
                                  "challenge, predict-first, enable and hand-in)."),
                     key);
    }
    return std::nullopt;
}
}   // namespace

const char* lessonPartName(LessonPart p)
{
    return kParts[static_cast<int>(p)];
}

bool Lesson::allows(LessonPart p) const
{
    return !restricted || enabled[static_cast<size_t>(p)];
}

bool Lesson::allowsPage(LessonPart page) const
{
    if (!restricted)
        return true;
    bool anyPage = false;
    for (int p = static_cast<int>(LessonPart::DataPage); p <= static_cast<int>(LessonPart::InvestigatePage); ++p)
        anyPage = anyPage || enabled[static_cast<size_t>(p)];
    return anyPage ? allows(page) : allows(LessonPart::DataTable);
}

LessonParse parseLesson(std::string_view bytes)
{
    if (bytes.size() > kLessonMaxBytes)
        return {std::nullopt, fault(0, TRANSLATABLE("Lesson", "The lesson file is larger than 64 KB."))};
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    if (!isLessonText(bytes))
        return {std::nullopt, fault(0, TRANSLATABLE("Lesson", "The lesson file is not UTF-8 text."))};
    Lesson l;
    std::vector<std::string> seen;
    int line = 0;
    for (size_t from = 0; from <= bytes.size();) {
        const size_t end = std::min(bytes.find('\n', from), bytes.size());
        const std::string_view text = trimmed(bytes.substr(from, end - from));
        from = end + 1;
        ++line;
        if (text.empty() || text.front() == '#' || text.front() == ';' || isLessonSection(text))
            continue;
        if (text.front() == '[')
            return {std::nullopt, fault(line, TRANSLATABLE("Lesson", "Line %1: unknown section \"%2\"."), text)};
        const size_t eq = text.find('=');
        if (eq == std::string_view::npos)
            return {std::nullopt,
                    fault(line, TRANSLATABLE("Lesson", "Line %1: \"%2\" is not of the form key = value."), text)};
        const std::string key(trimmed(text.substr(0, eq)));
        if (std::find(seen.begin(), seen.end(), key) != seen.end())
            return {std::nullopt, fault(line, TRANSLATABLE("Lesson", "Line %1: \"%2\" is given twice."), key)};
        seen.push_back(key);
        if (auto e = readLine(l, key, trimmed(text.substr(eq + 1)), line))
            return {std::nullopt, *e};
        if (l.challenge && l.experimentLine > 0)
            return {std::nullopt,
                    fault(line,
                          TRANSLATABLE("Lesson",
                                       "Line %1: a lesson opens an experiment or a "
                                       "challenge, not both."))};
    }
    return {l, {}};
}

std::string lessonErrorText(const LessonError& e)
{
    std::string out = e.pattern;
    auto put = [&out](const char* marker, const std::string& with) {
        if (const size_t at = out.find(marker); at != std::string::npos)
            out.replace(at, 2, with);
    };
    put("%1", std::to_string(e.line));
    put("%2", e.word);
    return out;
}

}   // namespace sim
