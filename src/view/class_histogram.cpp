#include "view/class_histogram.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>

#include "engine/numbers.h"
#include "ui/language.h"

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ClassPredictions)
};

QString edge(double v, double width)
{
    const int decimals = width >= 1.0 ? 0 : width >= 0.1 ? 1 : 2;
    return lang::shown(num::F(v, 0, decimals));
}

}   // namespace

QString classPredictionsTitle(const sim::ClassPredictions& c, const QString& unit)
{
    QString what;
    switch (c.of) {
    case sim::PredictedOf::RedSpeed: what = Text::tr("red speed after (%1/s)").arg(unit); break;
    case sim::PredictedOf::RedDirection: what = Text::tr("red direction after (°)"); break;
    case sim::PredictedOf::BlackSpeed: what = Text::tr("black speed after (%1/s)").arg(unit); break;
    case sim::PredictedOf::BlackDirection: what = Text::tr("black direction after (°)"); break;
    }
    return Text::tr("The class's predictions of %1: %2").arg(what).arg(c.values.size());
}

void drawClassPredictions(QPainter& p, const QRect& area, const sim::ClassPredictions& c, const QString& unit)
{
    p.save();
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(std::max(12, area.height() / 12));
    p.setFont(font);
    p.setPen(Qt::white);
    const QFontMetrics fm(font);
    p.drawText(QRect(area.left(), area.top(), area.width(), fm.height()), Qt::AlignHCenter,
               classPredictionsTitle(c, unit));
    const sim::Histogram h = sim::histogramOf(c.values);
    const QRect bars = area.adjusted(fm.height(), fm.height() * 2, -fm.height(), -fm.height() * 2);
    if (h.counts.empty() || bars.width() <= 0 || bars.height() <= 0) {
        p.restore();
        return;
    }
    const int most = *std::max_element(h.counts.begin(), h.counts.end());
    const int n = int(h.counts.size());
    const double w = double(bars.width()) / n;
    for (int k = 0; k < n; ++k) {
        const int height = bars.height() * h.counts[size_t(k)] / std::max(1, most);
        const QRect bar(bars.left() + int(k * w) + 2, bars.bottom() - height, std::max(1, int(w) - 4), height);
        p.fillRect(bar, QColor(80, 160, 255));
        if (h.counts[size_t(k)] > 0)
            p.drawText(QRect(bar.left(), bar.top() - fm.height(), bar.width(), fm.height()), Qt::AlignHCenter,
                       QString::number(h.counts[size_t(k)]));
    }
    p.drawLine(bars.bottomLeft(), bars.bottomRight());
    // the bins' edges, as many as fit
    const int every = std::max(1, int(std::ceil(fm.horizontalAdvance(QStringLiteral("-000.0 ")) / w)));
    for (int k = 0; k <= n; k += every)
        p.drawText(QRect(bars.left() + int(k * w) - int(w), bars.bottom() + 4, int(2 * w), fm.height()),
                   Qt::AlignHCenter, edge(h.from + k * h.width, h.width));
    p.restore();
}
