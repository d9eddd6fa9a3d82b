#pragma once
// File > Lab Sheet and `slidora --lab-sheet`: one page for a student's lab
// report, as a PDF whose words stay text: the name, the date, the
// experiment, the trace, the Before-and-After table, a graph and ruled lines.

#include <QFont>
#include <QImage>
#include <QList>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "datawin/data_view_model.h"
#include "engine/classroom.h"

class QPainter;
class QPdfWriter;

struct LabSheet {
    QString name, date, title, explanation;
    QImage trace, graph;
    QString graphTitle, units;
    struct Grid {
        QStringList header;
        QList<QStringList> rows;
    };
    std::vector<Grid> grids;   // the Before-and-After page's tables, as it shows them
    std::optional<Grid> prediction;   // Predict First's table, once revealed
};

// What the sheet is made of: the classroom, the data window's choices, the
// table's picture and the experiment's words.
struct LabSheetSource {
    const sim::Classroom& room;
    const dw::DataViewModel& view;
    QImage trace;
    QString title, explanation, name;
};

// What the class may see now, from the classroom: the run's numbers and
// graph as the data window would show them, never read from its widgets.
LabSheet gatherLabSheet(const LabSheetSource& from);

// The page as PDF through the safe save: A4, or Letter where the user's
// locale measures in inches. An empty string, or why not.
QString writeLabSheet(const QString& path, const LabSheet& sheet);

// A page or more as PDF, as the lab sheet is made: its paper, margins and
// resolution; `draw` paints on the page's printable rectangle.
using SheetPainter = std::function<void(QPainter&, QPdfWriter&, const QRect& page)>;
QString writeSheetPdf(const QString& path, const QString& title, const SheetPainter& draw);
QFont sheetFont(double points, bool bold = false);

// Letter for the paper setting 279 x 216 mm, else A4.
QPageSize::PageSizeId paperFor(int heightMm, int widthMm);
QPageSize::PageSizeId systemPaper();
