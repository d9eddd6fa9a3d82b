#include "app/lab_sheet.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <cstdint>
#ifdef __GLIBC__
#include <langinfo.h>
#include <locale.h>
#endif

#include "datawin/classroom_data.h"
#include "setup/prediction_panel.h"
#include "ui/language.h"
#include "view/picture_file.h"

namespace {
// A table of text in `area`, each column as wide as its widest cell; returns its height.
int drawGrid(QPainter& p, const LabSheet::Grid& g, const QRect& area)
{
    const QFontMetrics fm = p.fontMetrics();
    QList<int> widths(g.header.size(), 0);
    QList<QStringList> all{g.header};
    all += g.rows;
    for (const QStringList& row : all)
        for (int c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], fm.horizontalAdvance(row[c]) + fm.height() / 2);
    int y = area.top();
    for (int r = 0; r < all.size(); ++r) {
        int x = area.left();
        for (int c = 0; c < all[r].size() && c < widths.size(); ++c) {
            p.drawText(QRect(x, y, widths[c], fm.height()), c == 0 ? Qt::AlignLeft : Qt::AlignRight, all[r][c]);
            x += widths[c];
        }
        y += fm.height();
        if (r == 0)
            p.drawLine(area.left(), y, x, y);
    }
    return y - area.top();
}

QFont font(double points, bool bold = false)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}
}   // namespace

QPageSize::PageSizeId paperFor(int heightMm, int widthMm)
{
    return heightMm == 279 && widthMm == 216 ? QPageSize::Letter : QPageSize::A4;
}

// The system's paper setting (LC_PAPER), whatever language the windows speak.
QPageSize::PageSizeId systemPaper()
{
#ifdef __GLIBC__
    if (locale_t paper = newlocale(LC_PAPER_MASK, "", locale_t(nullptr))) {
        const auto height = static_cast<int>(reinterpret_cast<intptr_t>(nl_langinfo_l(_NL_PAPER_HEIGHT, paper)));
        const auto width = static_cast<int>(reinterpret_cast<intptr_t>(nl_langinfo_l(_NL_PAPER_WIDTH, paper)));
        freelocale(paper);
        return paperFor(height, width);
    }
#endif
    return QPageSize::A4;
}

LabSheet gatherLabSheet(const LabSheetSource& from)
{
    const sim::Classroom& room = from.room;
    LabSheet s;
    s.name = from.name;
    s.date = QLocale(lang::current()).toString(QDate::currentDate(), QLocale::LongFormat);
    s.title = from.title;
    s.explanation = from.explanation;
    if (const sim::Challenge& c = room.challenge(); c.on) {   // not the experiment before it
        s.title = QCoreApplication::translate("LabSheet", "Challenge \"%1\", seed %2")
                      .arg(QString::fromLatin1(sim::challengeKindName(c.set.kind)))
                      .arg(c.set.seed);
        s.explanation.clear();
    }
    s.trace = from.trace;
    s.graph = ClassroomData::graph(room, from.view.graph);
    s.graphTitle = graphName(from.view.graph);
    const std::vector<TextGrid> tables = ClassroomData::ledgerTables(room, from.view.tableTime, from.view.radians);
    for (const TextGrid& g : tables)
        s.grids.push_back({g.header, g.texts()});
    if (tables.size() == 3)   // side by side, the labels carry the units
        s.units = LedgerGrids::units(room.model().lengthUnit());
    const sim::Prediction& predicted = room.prediction();
    if (predicted.on && predicted.revealed) {
        const TextGrid g = PredictionPanel::predictionGrid(predicted, room.state(),
                                                           QString::fromLatin1(room.model().unitText()).trimmed());
        s.prediction = LabSheet::Grid{g.header, g.texts()};
    }
    return s;
}

QString writeSheetPdf(const QString& path, const QString& title, const SheetPainter& draw)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(systemPaper()));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Slidora"));
        QPainter p(&writer);
        p.setRenderHint(QPainter::LosslessImageRendering);   // line art: no JPEG blur
        const QRect page =
            writer.pageLayout().paintRectPixels(300).translated(-writer.pageLayout().paintRectPixels(300).topLeft());
        draw(p, writer, page);
    }
    return writePictureFile(path, pdf);
}

QFont sheetFont(double points, bool bold)
{
    return font(points, bold);
}

QString writeLabSheet(const QString& path, const LabSheet& s)
{
    return writeSheetPdf(path, s.title, [&s](QPainter& p, QPdfWriter&, const QRect& page) {
        int y = 0;
        p.setFont(font(15, true));
        p.drawText(QRect(0, y, page.width(), p.fontMetrics().height()), Qt::AlignLeft, s.title);
        y += p.fontMetrics().height();
        p.setFont(font(10));
        p.drawText(QRect(0, y, page.width(), p.fontMetrics().height()), Qt::AlignLeft,
                   QCoreApplication::translate("LabSheet", "Name: %1").arg(s.name) + QStringLiteral("        ")
                       + QCoreApplication::translate("LabSheet", "Date: %1").arg(s.date));
        y += p.fontMetrics().height() * 3 / 2;
        p.setFont(font(8));
        const QRect text =
            p.boundingRect(QRect(0, y, page.width(), page.height() / 8), Qt::TextWordWrap, s.explanation);
        p.drawText(QRect(0, y, page.width(), page.height() / 8), Qt::TextWordWrap, s.explanation);
        y += std::min(text.height(), page.height() / 8) + 30;
        // the trace, three screen pixels to each of its own, sharp when printed
        const QImage trace = zoomedPicture(s.trace, 3);
        const int traceHeight = page.width() * trace.height() / trace.width();
        p.drawImage(QRect(0, y, page.width(), traceHeight), trace);
        p.drawRect(QRect(0, y, page.width(), traceHeight));
        y += traceHeight + 40;
        const int half = page.width() * 55 / 100;
        p.setFont(font(9, true));
        p.drawText(0, y + p.fontMetrics().ascent(), QCoreApplication::translate("LabSheet", "Before and after"));
        p.drawText(half + 40, y + p.fontMetrics().ascent(), s.graphTitle);
        y += p.fontMetrics().height() + 10;
        p.setFont(font(6.5));
        int left = y;
        for (const LabSheet::Grid& g : s.grids)
            left += drawGrid(p, g, QRect(0, left, half, page.height() - left)) + 20;
        p.drawText(QRect(0, left, half, page.height() - left), Qt::TextWordWrap, s.units);
        const int graphWidth = page.width() - half - 40;
        const int graphHeight = graphWidth * std::max(1, s.graph.height()) / std::max(1, s.graph.width());
        p.drawImage(QRect(half + 40, y, graphWidth, graphHeight), zoomedPicture(s.graph, 3));
        int line = y + graphHeight + 60;
        if (s.prediction) {
            p.setFont(font(9, true));
            p.drawText(half + 40, line, QCoreApplication::translate("LabSheet", "Predicted and actual"));
            p.setFont(font(6.5));
            line += 20 + drawGrid(p, *s.prediction, QRect(half + 40, line + 20, graphWidth, page.height() - line));
            line += 60;
        }
        // ruled lines for the answers, under the graph
        p.setFont(font(9, true));
        p.drawText(half + 40, line, QCoreApplication::translate("LabSheet", "Answers"));
        for (line += 90; line < page.height(); line += 90)
            p.drawLine(half + 40, line, page.width(), line);
    });
}
