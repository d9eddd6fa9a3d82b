#pragma once
#include <QWidget>

#include "datawin/data_sheet.h"

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

    // Shows the sheet; `afterText` names the time of "after".
    void show(const dw::Sheet& sheet, const QString& afterText);
    const dw::Sheet& sheet() const { return sheet_; }

    QLabel* whenlb = nullptr;
    QTableWidget* ledgergrid = nullptr;
    QPushButton* copybt = nullptr;

private:
    PlatformServices& platform_;
    dw::Sheet sheet_;
};
