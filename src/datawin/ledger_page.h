#pragma once
#include <QWidget>

#include "datawin/data_sheet.h"
#include "datawin/ledger.h"
#include "datawin/ledger_compare.h"
#include "engine/prediction.h"

class QLabel;
class QPushButton;
class QTableWidget;
class PlatformServices;

// "&Before and After": each puck's numbers at the run's start and at the
// data window's time, the totals, and what they say about the collision.
class LedgerPage : public QWidget {
    Q_OBJECT
public:
    explicit LedgerPage(PlatformServices& platform, QWidget* parent = nullptr);

    // `unit` is the table window's length unit; `afterText` names the time of "after".
    void show(const dw::Ledger& ledger, bool radians, const char* unit, const QString& afterText);
    // Predict First's table, under the ledger in what Copy takes.
    void addPrediction(const sim::PredictionTable& t, const char* unit);
    // Kept runs beside this one: a column pair each, `names` as shown ("Run A", ..., "This run").
    void showSideBySide(const std::vector<dw::NamedLedger>& runs, const QStringList& names, bool radians,
                        const char* unit);
    // What "Copy" puts on the clipboard as TAB-separated text.
    const dw::Sheet& sheet() const { return sheet_; }

    QLabel* whenlb = nullptr;
    QTableWidget* beforegrid = nullptr;
    QTableWidget* aftergrid = nullptr;
    QLabel* unitslb = nullptr;
    QTableWidget* summarygrid = nullptr;
    QTableWidget* comparegrid = nullptr;   // with kept runs, in place of the three above
    QLabel* notelb = nullptr;
    QPushButton* copybt = nullptr;

private:
    // `hidden`: every number but the masses reads "?"
    void showPucks(QTableWidget* grid, const dw::PuckLine* lines, bool radians, const char* unit, bool hidden = false,
                   bool massHidden = false);
    void showSummary(const dw::Ledger& l);
    void showGrids(bool single, bool comparable);

    PlatformServices& platform_;
    dw::Sheet sheet_;
};
