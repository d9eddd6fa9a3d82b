#pragma once
#include <QWidget>

#include "datawin/data_sheet.h"
#include "datawin/ledger.h"

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
    // What "Copy" puts on the clipboard as TAB-separated text.
    const dw::Sheet& sheet() const { return sheet_; }

    QLabel* whenlb = nullptr;
    QTableWidget* beforegrid = nullptr;
    QTableWidget* aftergrid = nullptr;
    QLabel* unitslb = nullptr;
    QTableWidget* summarygrid = nullptr;
    QLabel* notelb = nullptr;
    QPushButton* copybt = nullptr;

private:
    void showPucks(QTableWidget* grid, const dw::PuckLine* lines, bool radians, const char* unit);
    void showSummary(const dw::Ledger& l);

    PlatformServices& platform_;
    dw::Sheet sheet_;
};
