#include "view/prediction_arrows.h"

#include <QColor>
#include <algorithm>
#include <cmath>

#include "engine/motion.h"
#include "engine/numbers.h"
#include "ui/canvas.h"

using num::Trunc;

void drawPrediction(Canvas& cv, const sim::SimState& s, const sim::Prediction& p)
{
    if (!p.on || p.hideFrom <= 0)
        return;
    const sim::PositionSample& at = s.sampleLog.positions[static_cast<size_t>(p.hideFrom)];
    const sim::Offset g = sim::displayOffset(s, p.hideFrom);   // where a tilted table draws it
    cv.setPenWidth(2);
    // dashes of 6 px with gaps of 4, drawn as pieces: a wide pen draws no dots
    auto dashed = [&](double x1, double y1, double x2, double y2) {
        const double len = std::hypot(x2 - x1, y2 - y1);
        for (double d = 0.0; d < len; d += 10.0) {
            const double e = std::min(d + 6.0, len);
            cv.line(Trunc(x1 + (x2 - x1) * d / len), Trunc(y1 + (y2 - y1) * d / len), Trunc(x1 + (x2 - x1) * e / len),
                    Trunc(y1 + (y2 - y1) * e / len));
        }
    };
    auto arrow = [&](const sim::PredictedPuck& q, double x, double y, QColor colour) {
        if (!q.given || q.speed <= 0.0)
            return;
        const double a = q.direction * sim::kPi / 180.0;
        const double len = q.speed * s.scale;   // a second's travel, at the table's scale
        const double tx = x + len * std::cos(a), ty = y - len * std::sin(a);
        cv.setPenColor(colour);
        dashed(x, y, tx, ty);
        for (double side : {-sim::kPi / 6.0, sim::kPi / 6.0})
            cv.line(Trunc(tx), Trunc(ty), Trunc(tx - 10 * std::cos(a + side)), Trunc(ty + 10 * std::sin(a + side)));
    };
    arrow(p.red, at.redX + g.x, at.redY + g.y, QColor(255, 0, 0));
    arrow(p.black, at.blackX + g.x, at.blackY + g.y, QColor(0, 0, 0));
    cv.setPenWidth(1);
}
