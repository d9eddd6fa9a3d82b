#pragma once
// File > Lab Sheet and `slidora --lab-sheet`: one page for a student's lab
// report, as a PDF whose words stay text: the name, the date, the
// experiment, the trace, the Before-and-After table, a graph and ruled lines.

#include <QImage>
#include <QList>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class DataWindow;
class ExperimentBox;
class TableWindow;

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

// What the windows show now; the data window's pages are filled from the run first.
LabSheet gatherLabSheet(TableWindow& table, DataWindow& data, ExperimentBox& box, const QString& name);

// The page as PDF through the safe save: A4, or Letter where the user's
// locale measures in inches. An empty string, or why not.
QString writeLabSheet(const QString& path, const LabSheet& sheet);

// Letter for the paper setting 279 x 216 mm, else A4.
QPageSize::PageSizeId paperFor(int heightMm, int widthMm);
QPageSize::PageSizeId systemPaper();
