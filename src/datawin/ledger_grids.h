#pragma once
// The Before-and-After page's tables as text: the page puts them in its
// grids and the lab sheet prints them.

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include "datawin/data_sheet.h"
#include "datawin/ledger.h"
#include "ui/text_grid.h"

class LedgerGrids {
    Q_DECLARE_TR_FUNCTIONS(LedgerPage)

public:
    // Red, black and total before (or after) with their units in the header.
    static TextGrid pucks(const dw::PuckLine* lines, bool before, bool radians, bool hidden, bool massHidden);
    static TextGrid summary(const dw::Ledger& l);
    // "Speeds in cm/s (...)": the units under the two tables
    static QString units(const char* unit);
    // The runs side by side; row 0 is the set-ups.
    static TextGrid sideBySide(const dw::Sheet& sheet, const QStringList& names, bool radians, const char* unit);
    static QStringList compareLabels(bool radians, const char* unit);
};
