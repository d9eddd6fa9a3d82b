#include "datawin/ledger_page.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "datawin/ledger_grids.h"
#include "datawin/prediction_sheet.h"
#include "engine/numbers.h"
#include "ui/captions.h"
#include "ui/language.h"
#include "ui/platform.h"

namespace {
QTableWidget* grid(QWidget* parent, int y, int rows, const QStringList& header)
{
    auto* g = new QTableWidget(rows, static_cast<int>(header.size()), parent);
    g->setGeometry(8, y, 784, 26 + 22 * rows);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(22);
    g->setHorizontalHeaderLabels(header);
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setTabKeyNavigation(false);   // Tab goes on to the next table; arrows move among cells
    return g;
}

void put(QTableWidget* g, int row, int column, const QString& text, bool number)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(number ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    g->setItem(row, column, item);
}

void fill(QTableWidget* g, const TextGrid& t)
{
    g->setHorizontalHeaderLabels(t.header);
    for (int r = 0; r < t.rows.size(); ++r)
        for (int c = 0; c < t.rows[r].size(); ++c)
            put(g, r, c, t.rows[r][c].text, t.rows[r][c].number);
}
}   // namespace

LedgerPage::LedgerPage(PlatformServices& platform, QWidget* parent) : QWidget(parent), platform_(platform)
{
    whenlb = new QLabel(this);
    whenlb->setGeometry(8, 4, 784, 20);
    const QStringList eight(8, QString());
    beforegrid = grid(this, 26, 3, eight);
    aftergrid = grid(this, 126, 3, eight);
    unitslb = new QLabel(this);
    unitslb->setGeometry(8, 226, 784, 20);
    summarygrid = grid(this, 250, 7, {QString(), tr("x"), tr("y"), tr("size")});
    summarygrid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    comparegrid = grid(this, 26, 26, {});
    comparegrid->setGeometry(8, 26, 784, 400);
    comparegrid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    comparegrid->hide();
    notelb = new QLabel(this);
    notelb->setGeometry(8, 432, 784, 36);
    notelb->setWordWrap(true);
    copybt = new QPushButton(tr("&Copy"), this);
    copybt->setGeometry(8, 470, 140, 30);
    connect(copybt, &QPushButton::clicked, this, [this] {
        platform_.copyText(QString::fromStdString(dw::writeSheet(sheet_, dw::SheetFormat::Tsv, false)));
    });
}

void LedgerPage::show(const dw::Ledger& ledger, bool radians, const char* unit, const QString& afterText)
{
    sheet_ = dw::ledgerSheet(ledger, radians, unit);
    whenlb->setText(tr("Before: the start of the run.  After: %1 (the Time bar of the Data page).").arg(afterText));
    notelb->setText(ledger.note.empty() ? QString() : QCoreApplication::translate("Ledger", ledger.note.c_str()));
    showGrids(true, ledger.comparable);
    if (!ledger.comparable)
        return;
    showPucks(beforegrid, ledger.before, radians, unit, ledger.concealed, ledger.concealed);
    showPucks(aftergrid, ledger.after, radians, unit, ledger.hidden, ledger.concealed);
    showSummary(ledger);
}

void LedgerPage::addPrediction(const sim::PredictionTable& t, const char* unit)
{
    dw::appendPrediction(sheet_, t, unit);
}

void LedgerPage::showPucks(QTableWidget* g, const dw::PuckLine* lines, bool radians, const char* unit, bool hidden,
                           bool massHidden)
{
    fill(g, LedgerGrids::pucks(lines, g == beforegrid, radians, hidden, massHidden));
    unitslb->setText(LedgerGrids::units(unit));
}

void LedgerPage::showSummary(const dw::Ledger& l)
{
    summarygrid->clearContents();
    summarygrid->clearSpans();
    fill(summarygrid, LedgerGrids::summary(l));
    if (l.restitutionGap && !l.hidden) {   // the reason reads across the last two columns, left to right
        summarygrid->setSpan(5, 2, 1, 2);
        summarygrid->item(5, 2)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void LedgerPage::showGrids(bool single, bool comparable)
{
    for (QWidget* w : {static_cast<QWidget*>(beforegrid), static_cast<QWidget*>(aftergrid),
                       static_cast<QWidget*>(summarygrid), static_cast<QWidget*>(unitslb)})
        w->setVisible(single && comparable);
    comparegrid->setVisible(!single);
}

void LedgerPage::showSideBySide(const std::vector<dw::NamedLedger>& runs, const QStringList& names, bool radians,
                                const char* unit)
{
    sheet_ = dw::ledgersSideBySide(runs, radians, unit);
    whenlb->setText(tr("Before: the start of each run.  After: the end of a kept run; for this run, the Time bar."));
    notelb->clear();
    showGrids(false, true);
    const TextGrid grid = LedgerGrids::sideBySide(sheet_, names, radians, unit);
    comparegrid->setColumnCount(static_cast<int>(grid.header.size()));
    comparegrid->setRowCount(static_cast<int>(grid.rows.size()));
    fill(comparegrid, grid);
    comparegrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    comparegrid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    comparegrid->setRowHidden(0, true);   // the set-ups are the headers' tooltips
}
