#include "datawin/table_text.h"

#include "engine/numbers.h"

namespace dw {

namespace {
constexpr const char* kHeaders[ColumnCount] = {"R Speed", "R Angle",  "R Energy", "R Mom",       "B Speed",
                                               "B Angle", "B Energy", "B Mom",    "Compression "};
using num::kPi;

void append(std::string& out, double x, int w, int d)
{
    char buf[64];
    const int n = num::formatFixed(buf, sizeof buf, x, w, d);
    if (n > 0 && n < static_cast<int>(sizeof buf))
        out.append(buf, static_cast<size_t>(n));
    else
        out += num::F(x, w, d);
}
}   // namespace

std::string buildTableText(const RunData& run, const TableChoice& choice)
{
    std::array<bool, ColumnCount> shown = choice.columns;
    shown[Compression] = shown[Compression] && run.springShown;
    std::string out;
    out += "time";
    for (int c = 0; c < ColumnCount; ++c)
        if (shown[static_cast<size_t>(c)]) {
            out += '\t';
            out += kHeaders[c];
        }
    out += '\n';
    if (!run.log)
        return out;
    const int divisor = choice.divisor > 0 ? choice.divisor : 1;
    const int last = choice.lastPosition - 1 < sim::kTickCeiling ? choice.lastPosition - 1 : sim::kTickCeiling;
    out.reserve(out.size() + static_cast<size_t>(last / divisor + 1) * 80);
    for (int i = 1; i <= last; ++i) {
        if ((i - 1) % divisor != 0)
            continue;
        const sim::VelocitySample& v = run.log->velocities[static_cast<size_t>(i)];
        const double U = v.redSpeed + (i - 1) * run.g;
        append(out, (i - 1) * 50 / 1000.0, 4, 2);
        auto angle = [&](double a) {
            if (choice.radians)
                append(out, a, 5, 3);
            else
                append(out, a * 180.0 / kPi, 4, 1);
        };
        for (int c = 0; c < ColumnCount; ++c) {
            if (!shown[static_cast<size_t>(c)])
                continue;
            out += '\t';
            switch (c) {
            case RSpeed: append(out, U, 4, 2); break;
            case RAngle: angle(v.redDirection); break;
            case REnergy: append(out, 0.5 * run.redMass * U * U, 4, 2); break;
            case RMom: append(out, run.redMass * v.redSpeed, 4, 2); break;
            case BSpeed: append(out, v.blackSpeed, 4, 2); break;
            case BAngle: angle(v.blackDirection); break;
            case BEnergy: append(out, 0.5 * run.blackMass * v.blackSpeed * v.blackSpeed, 4, 2); break;
            case BMom: append(out, run.blackMass * v.blackSpeed, 4, 2); break;
            case Compression: append(out, run.log->compression[static_cast<size_t>(i)], 4, 2); break;
            default: break;
            }
        }
        out += '\n';
    }
    return out;
}

}   // namespace dw
