#include "datawin/table_text.h"

#include "engine/disclosure.h"
#include "engine/numbers.h"
#include "engine/translatable.h"

namespace dw {

namespace {
// the windows show them translated (context "DataTable")
constexpr const char* kHeaders[ColumnCount] = {
    TRANSLATABLE("DataTable", "R Speed"),     TRANSLATABLE("DataTable", "R Angle"),
    TRANSLATABLE("DataTable", "R Energy"),    TRANSLATABLE("DataTable", "R Mom"),
    TRANSLATABLE("DataTable", "B Speed"),     TRANSLATABLE("DataTable", "B Angle"),
    TRANSLATABLE("DataTable", "B Energy"),    TRANSLATABLE("DataTable", "B Mom"),
    TRANSLATABLE("DataTable", "Compression ")};
constexpr const char* kNames[ColumnCount] = {"rspeed", "rangle",  "renergy", "rmom",       "bspeed",
                                             "bangle", "benergy", "bmom",    "compression"};
using num::kPi;

std::string headerWithUnit(int c, const char* unit, bool radians)
{
    const std::string u = unit;
    const char* puck = c < BSpeed ? "red" : "black";
    switch (c) {
    case RSpeed:
    case BSpeed: return std::string(puck) + " speed (" + u + "/s)";
    case RAngle:
    case BAngle: return std::string(puck) + (radians ? " angle (radians)" : " angle (degrees)");
    case REnergy:
    case BEnergy: return std::string(puck) + " energy (kg " + u + "^2/s^2)";
    case RMom:
    case BMom: return std::string(puck) + " momentum (kg " + u + "/s)";
    default: return "compression (cm)";
    }
}
}   // namespace

const char* columnHeader(Column c)
{
    return kHeaders[c];
}

const char* columnName(Column c)
{
    return kNames[c];
}

Sheet tableSheet(const RunData& run, const TableChoice& choice, const char* unit)
{
    std::array<bool, ColumnCount> shown = choice.columns;
    shown[Compression] = shown[Compression] && run.springShown;
    Sheet sheet;
    sheet.header.push_back(unit ? "time (s)" : TRANSLATABLE("DataTable", "time"));
    for (int c = 0; c < ColumnCount; ++c)
        if (shown[static_cast<size_t>(c)])
            sheet.header.push_back(unit ? headerWithUnit(c, unit, choice.radians) : kHeaders[c]);
    for (int c = 0; c < PhysicsColumnCount; ++c)
        if (choice.physics[size_t(c)])
            sheet.header.push_back(unit ? physicsHeaderWithUnit(PhysicsColumn(c), unit)
                                        : physicsColumnHeader(PhysicsColumn(c)));
    if (!run.log)
        return sheet;
    const auto addPhysics = [&](std::vector<Cell>& row, int i) {
        for (int c = 0; c < PhysicsColumnCount; ++c)
            if (choice.physics[size_t(c)])
                row.push_back(physicsCell(run, i, PhysicsColumn(c)));
    };
    const int divisor = choice.divisor > 0 ? choice.divisor : 1;
    const int last = choice.lastPosition - 1 < sim::kTickCeiling ? choice.lastPosition - 1 : sim::kTickCeiling;
    sheet.rows.reserve(static_cast<size_t>(last > 0 ? last / divisor + 1 : 0));
    for (int i = 1; i <= last; ++i) {
        if ((i - 1) % divisor != 0)
            continue;
        const sim::VelocitySample& v = run.log->velocities[static_cast<size_t>(i)];
        const double U = v.redSpeed + (i - 1) * run.g;
        std::vector<Cell>& row = sheet.rows.emplace_back();
        row.reserve(static_cast<size_t>(ColumnCount) + 1);
        row.push_back(Cell::of(sim::secondsAt(i)));
        if (hiddenSample(run, i)) {   // an outcome to predict, or a challenge's launch: not read
            for (int c = 0; c < ColumnCount; ++c)
                if (shown[static_cast<size_t>(c)])
                    row.push_back(Cell::word(sim::kHiddenNumber));
            addPhysics(row, i);
            continue;
        }
        const bool blackKept = run.blackMassHidden;
        auto angle = [&](double a) { return choice.radians ? Cell::of(a, 5, 3) : Cell::of(a * 180.0 / kPi, 4, 1); };
        for (int c = 0; c < ColumnCount; ++c) {
            if (!shown[static_cast<size_t>(c)])
                continue;
            switch (c) {
            case RSpeed: row.push_back(Cell::of(U)); break;
            case RAngle: row.push_back(angle(v.redDirection)); break;
            case REnergy: row.push_back(Cell::of(0.5 * run.redMass * U * U)); break;
            case RMom: row.push_back(Cell::of(run.redMass * v.redSpeed)); break;
            case BSpeed: row.push_back(Cell::of(v.blackSpeed)); break;
            case BAngle: row.push_back(angle(v.blackDirection)); break;
            case BEnergy:
                row.push_back(blackKept ? Cell::word(sim::kHiddenNumber)
                                        : Cell::of(0.5 * run.blackMass * v.blackSpeed * v.blackSpeed));
                break;
            case BMom:
                row.push_back(blackKept ? Cell::word(sim::kHiddenNumber) : Cell::of(run.blackMass * v.blackSpeed));
                break;
            default: row.push_back(Cell::of(run.log->compression[static_cast<size_t>(i)])); break;
            }
        }
        addPhysics(row, i);
    }
    return sheet;
}

std::string buildTableText(const RunData& run, const TableChoice& choice)
{
    return writeSheet(tableSheet(run, choice), SheetFormat::Tsv, false);
}

}   // namespace dw
