#include "view/kept_trace.h"

#include <QCoreApplication>

#include "engine/motion.h"
#include "engine/numbers.h"
#include "ui/canvas.h"

using num::Trunc;

void drawKeptMark(Canvas& cv, int run, int x, int y)
{
    if (run == 0) {
        cv.ellipse(x - 2, y - 2, x + 3, y + 3);
    } else if (run == 1) {
        cv.line(x - 2, y - 2, x + 3, y + 3);
        cv.line(x - 2, y + 2, x + 3, y - 3);
    } else {
        cv.rectangle(x - 2, y - 2, x + 3, y + 3);
    }
}

void drawKeptRuns(Canvas& cv, const sim::KeptRuns& kept, int strobeIndex)
{
    if (kept.runs().empty())
        return;
    // the run's own drawing goes on with the pen and brush it had
    const QRgb pen = cv.penColor(), brush = cv.brushColor();
    const int width = cv.penWidth();
    const Canvas::PenStyle penStyle = cv.penStyle();
    const Canvas::BrushStyle brushStyle = cv.brushStyle();
    cv.setBrushStyle(Canvas::BrushStyle::Clear);
    cv.setPenStyle(Canvas::PenStyle::Solid);
    cv.setPenWidth(1);
    for (size_t i = 0; i < kept.runs().size(); ++i) {
        const sim::KeptRun& r = kept.runs()[i];
        const sim::SimState& s = *r.state;
        if (r.model.interaction == sim::Interaction::Circle)
            continue;   // the circle draws a picture of its own
        const int divisor = sim::strobeDivisor(s, strobeIndex);
        for (int k = 1; k <= r.end; k += divisor) {
            const sim::PositionSample& e = s.sampleLog.positions[static_cast<size_t>(k)];
            const sim::Offset g = sim::displayOffset(s, k);
            cv.setPenColor(kKeptTints[0]);
            drawKeptMark(cv, static_cast<int>(i), Trunc(e.redX + g.x), Trunc(e.redY + g.y));
            if (r.model.blackOnTable()) {
                cv.setPenColor(kKeptTints[1]);
                drawKeptMark(cv, static_cast<int>(i), Trunc(e.blackX + g.x), Trunc(e.blackY + g.y));
            }
        }
        // the legend, bottom left
        const int y = cv.height() - 16 * static_cast<int>(kept.runs().size() - i);
        cv.setPenColor(kKeptTints[1]);
        drawKeptMark(cv, static_cast<int>(i), 10, y + 7);
        cv.textOut(18, y, QCoreApplication::translate("KeptTrace", "Run %1").arg(QChar::fromLatin1(r.letter)));
    }
    cv.setPenColor(QColor(pen));
    cv.setPenWidth(width);
    cv.setPenStyle(penStyle);
    cv.setBrushColor(QColor(brush));
    cv.setBrushStyle(brushStyle);
}
