#include "datawin/prediction_sheet.h"

#include <string>

namespace dw {

bool hasPrediction(const sim::Prediction& p)
{
    return p.on && p.revealed && p.hideFrom > 0 && (p.red.given || p.black.given);
}

void appendPrediction(Sheet& sheet, const sim::PredictionTable& t, const char* unit)
{
    const std::string u = unit;
    const std::string names[sim::PredictedValueCount] = {
        "red speed (" + u + "/s)",         "red direction (degrees)",        "red momentum (kg " + u + "/s)",
        "black speed (" + u + "/s)",       "black direction (degrees)",      "black momentum (kg " + u + "/s)",
        "total momentum (kg " + u + "/s)", "kinetic energy kept (%)",        "red velocity x (" + u + "/s)",
        "red velocity y (" + u + "/s)",    "black velocity x (" + u + "/s)", "black velocity y (" + u + "/s)"};
    const auto& decimals = sim::kPredictedDecimals;
    sheet.rows.push_back(
        {Cell::word("prediction"), Cell::word("predicted"), Cell::word("actual"), Cell::word("difference")});
    for (size_t r = 0; r < t.size(); ++r) {
        const sim::PredictionLine& l = t[r];
        auto cell = [&](bool has, double v) { return has ? Cell::of(v, 4, decimals[r]) : Cell::word("-"); };
        sheet.rows.push_back({Cell::word(names[r]), cell(l.hasPredicted, l.predicted), cell(l.hasActual, l.actual),
                              cell(l.hasDifference(), l.difference)});
    }
}

}   // namespace dw
