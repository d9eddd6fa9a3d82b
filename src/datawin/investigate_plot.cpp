#include <QHeaderView>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

#include "datawin/axis_ticks.h"
#include "datawin/fit_controls.h"
#include "datawin/investigate_page.h"
#include "datawin/textbook.h"
#include "engine/numbers.h"
#include "ui/language.h"
#include "ui/platform.h"
#include "ui/safe_save.h"
#include "ui/widgets.h"

// The page's points: the table under the graph, the graph with a colour and
// a mark per measure, the textbook's line over them, and the sheet out.

namespace {
const QColor kColours[] = {QColor(255, 0, 0), QColor(0, 0, 0),     QColor(0, 0, 255),
                           QColor(0, 140, 0), QColor(200, 120, 0), QColor(140, 0, 160)};
constexpr int kX0 = 56, kTop = 14, kBottom = 250, kRight = 510;

QString number(double v, int decimals = 2)
{
    return lang::shown(num::F(v, 1, decimals));
}

// A mark of its own per measure: a ring, a square, a cross, a plus, ...
void mark(Canvas& cv, int k, int x, int y)
{
    switch (k % 4) {
    case 0: cv.ellipse(x - 3, y - 3, x + 4, y + 4); break;
    case 1: cv.rectangle(x - 3, y - 3, x + 4, y + 4); break;
    case 2:
        cv.line(x - 3, y - 3, x + 4, y + 4);
        cv.line(x - 3, y + 3, x + 4, y - 4);
        break;
    default: cv.line(x - 4, y, x + 5, y); cv.line(x, y - 4, x, y + 5);
    }
}
// Ticks at steps of 1, 2 or 5 times a power of ten, their labels apart.
template <typename Px, typename Py> void drawTicks(Canvas& cv, double x0, double x1, double y0, double y1, Px px, Py py)
{
    const double xStep = dw::tickStep((kRight - kX0 - 8) / (x1 - x0), 56.0);
    const double yStep = dw::tickStep((kBottom - kTop) / (y1 - y0), 24.0);
    for (double x : dw::ticksBetween(x0, x1, xStep)) {
        const QString label = number(x, dw::tickDecimals(xStep));
        cv.line(px(x), kBottom, px(x), kBottom + 4);
        cv.textOut(std::min(px(x) - cv.textWidth(label) / 2, cv.width() - cv.textWidth(label) - 2), kBottom + 6, label);
    }
    for (double y : dw::ticksBetween(y0, y1, yStep)) {
        cv.line(kX0 - 4, py(y), kX0, py(y));
        cv.textOut(2, py(y) - 7, number(y, dw::tickDecimals(yStep)));
    }
}
}   // namespace

QString InvestigatePage::resultText() const
{
    if (result_.x.empty())
        return {};
    return QString::fromStdString(dw::writeSheet(
        dw::investigationSheet(result_, shownVary_, shownMeasures_, baseModel_), dw::SheetFormat::Tsv, false));
}

void InvestigatePage::showResults()
{
    const dw::Sheet sheet = dw::investigationSheet(result_, shownVary_, shownMeasures_, baseModel_);
    results->clear();
    results->setColumnCount(static_cast<int>(sheet.header.size()));
    results->setRowCount(static_cast<int>(sheet.rows.size()));
    // the page's own names, in the user's language; Copy and Export keep the sheet's
    QStringList header{shownLabel(kVaryLabels[static_cast<int>(shownVary_)], varyUnit(shownVary_))};
    for (dw::Measure m : shownMeasures_)
        header << shownLabel(kMeasureLabels[static_cast<int>(m)], measureUnit(m));
    results->setHorizontalHeaderLabels(header);
    for (size_t r = 0; r < sheet.rows.size(); ++r)
        for (size_t c = 0; c < sheet.rows[r].size(); ++c) {
            const dw::Cell& cell = sheet.rows[r][c];
            auto* item = new QTableWidgetItem(cell.number ? number(cell.value, cell.decimals)
                                                          : QString::fromStdString(cell.text));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            results->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    results->resizeColumnsToContents();
    showFitChoice();
    drawPlot();
}

void InvestigatePage::drawPlot()
{
    Canvas& cv = canvas_;
    cv.setPenColor(QColor(255, 255, 255));
    cv.setBrushStyle(Canvas::BrushStyle::Solid);
    cv.setBrushColor(QColor(255, 255, 255));
    cv.rectangle(0, 0, cv.width(), cv.height());
    cv.setPenColor(QColor(0, 0, 0));
    cv.line(kX0, kTop, kX0, kBottom);
    cv.line(kX0, kBottom, kRight, kBottom);
    if (result_.x.empty()) {
        plot->update();
        return;
    }
    const dw::HeadOnSetUp headOn = dw::headOnOf({baseModel_, baseState_.get()});
    double x0 = result_.x.front(), x1 = result_.x.back(), y0 = 0.0, y1 = 0.0;
    auto widen = [&](double y) {
        if (std::isfinite(y)) {
            y0 = std::min(y0, y);
            y1 = std::max(y1, y);
        }
    };
    for (const std::vector<double>& row : result_.values)
        for (double y : row)
            widen(y);
    if (x1 <= x0)
        x1 = x0 + 1.0;
    if (y1 <= y0)
        y1 = y0 + 1.0;
    auto px = [&](double x) { return kX0 + num::Round((x - x0) / (x1 - x0) * (kRight - kX0 - 8)); };
    // and back, for a drag across the axis
    fit_->valueAt = [x0, x1](int x) { return std::clamp(x0 + (x - kX0) * (x1 - x0) / (kRight - kX0 - 8), x0, x1); };
    auto py = [&](double y) { return kBottom - num::Round((y - y0) / (y1 - y0) * (kBottom - kTop)); };
    cv.setFont(QStringLiteral("arial"), 11, false);
    drawTicks(cv, x0, x1, y0, y1, px, py);
    cv.textOut(kX0, kBottom + 22, results->horizontalHeaderItem(0)->text());
    for (size_t m = 0; m < shownMeasures_.size(); ++m) {
        cv.setPenColor(kColours[m % 6]);
        cv.setBrushStyle(Canvas::BrushStyle::Clear);
        for (size_t i = 0; i < result_.x.size(); ++i)
            if (std::isfinite(result_.values[i][m]))
                mark(cv, static_cast<int>(m), px(result_.x[i]), py(result_.values[i][m]));
        const int ly = kTop + 2 + 14 * static_cast<int>(m);   // the legend: its mark, its name
        mark(cv, static_cast<int>(m), kX0 + 14, ly + 7);
        cv.textOut(kX0 + 24, ly, results->horizontalHeaderItem(int(m) + 1)->text());
        double y = 0.0;
        if (!choice_.textbook || !dw::textbookValue(headOn, shownVary_, shownMeasures_[m], x0, &y))
            continue;
        int lastX = px(x0), lastY = py(y);   // the formula, drawn across the range
        for (int k = 1; k <= 100; ++k) {
            const double x = x0 + (x1 - x0) * k / 100.0;
            if (!dw::textbookValue(headOn, shownVary_, shownMeasures_[m], x, &y))
                break;
            const int nx = px(x), ny = std::clamp(py(y), kTop, kBottom);
            cv.line(lastX, lastY, nx, ny);
            lastX = nx;
            lastY = ny;
        }
    }
    cv.setBrushStyle(Canvas::BrushStyle::Solid);
    drawFit(px, py);
    plot->update();
}

void InvestigatePage::exportToFile()
{
    if (result_.x.empty())
        return;
    const dw::SheetFormat format =
        std::array{dw::SheetFormat::Csv, dw::SheetFormat::CsvSemicolon,
                   dw::SheetFormat::Tsv}[static_cast<size_t>(std::clamp(choice_.format, 0, 2))];
    const QString suffix = QString::fromLatin1(dw::formatSuffix(format));
    const QString filter =
        suffix == QLatin1String("tsv") ? tr("TAB separated (*.tsv *.txt)") : tr("Comma separated (*.csv)");
    const QString path = platform_.saveFileName(this, filter, suffix, QString());
    if (path.isEmpty())
        return;
    SafeSave file(path);
    if (!file.open()) {
        platform_.showMessage(this, file.message());
        return;
    }
    file.write(dw::writeSheet(dw::investigationSheet(result_, shownVary_, shownMeasures_, baseModel_), format, false));
    if (!file.commit())
        platform_.showMessage(this, file.message());
}
