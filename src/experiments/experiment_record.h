#pragma once
// An experiment's starting configuration: 27 integers in a fixed order,
// and the texts that carry them (a file and the catalogue's one-line form).

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace exper {

struct ExperimentRecord {
    enum Field {
        RedPuckLeft,
        RedPuckTop,
        RedHandleLeft,
        RedHandleTop,
        BlackPuckLeft,
        BlackPuckTop,
        BlackHandleLeft,
        BlackHandleTop,
        TableAngle,
        SpringK,
        SpringLength,
        ElasticPercent,
        RedCharge,
        RedMass,
        RedSpeed,
        BlackCharge,
        BlackMass,
        BlackSpeed,
        Dimension,
        SpringKind,
        ElectroRange,
        MassCount,
        Interaction,
        CircleSize,
        Scale,
        ViewFlags,   // the View menu's marks, as sim::ViewMark bits
        FrequencyIndex,
        FieldCount
    };
    std::array<int32_t, FieldCount> f{};

    int32_t operator[](Field i) const { return f[static_cast<size_t>(i)]; }
    int32_t& operator[](Field i) { return f[static_cast<size_t>(i)]; }
    bool operator==(const ExperimentRecord&) const = default;
};

// The line between the explanation and the numbers of an experiment file.
inline constexpr std::string_view kMarker = "START EXPERIMENT DATA";

struct ParseError {
    int line = 0;   // 1-based line of the text; 0 when it names none
    std::string message;   // "Invalid numeric input", ... (marked for translation, context "FileReading")
};

// What a file holds: its explanation lines (raw bytes, no line ends) and,
// when the marker was found and every number read, its record.
struct ExperimentFile {
    std::vector<std::string> lines;
    std::optional<ExperimentRecord> record;
    std::optional<ParseError> error;
};

// Reads a whole file's bytes. Lines end in CR LF, LF or CR. Integers
// missing at the end read as 0; extra numbers at a data line's end are
// ignored; a token that is not a decimal integer is an error naming its
// line; a file without the marker gives its lines and an error.
ExperimentFile parseExperimentFile(std::string_view bytes);

// The file's bytes: the explanation lines, the marker and eight data lines,
// each ending in CR LF. An empty explanation is one empty line.
std::string writeExperimentFile(const std::vector<std::string>& lines, const ExperimentRecord& r);

// The catalogue's form: exactly 27 decimal integers separated by single
// spaces; anything else is rejected with a message.
struct ParameterParse {
    std::optional<ExperimentRecord> record;
    std::string error;   // as shown in English
    // the same for translation (context "FileReading"): "%1" stands for the number
    const char* errorPattern = nullptr;
    int errorNumber = 0;
};
ParameterParse parseParameterText(std::string_view text);
std::string parameterText(const ExperimentRecord& r);

// Strict decimal integer (optional sign, digits, 32-bit range).
std::optional<int32_t> parseDecimal(std::string_view token);

}   // namespace exper
