#include "datawin/ledger_page.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "datawin/prediction_sheet.h"
#include "engine/numbers.h"
#include "ui/captions.h"
#include "ui/language.h"
#include "ui/platform.h"

namespace {
QString shown(double v, int w = 4, int d = 2)
{
    return lang::shown(num::F(v, w, d)).trimmed();
}

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
    const QString u = QString::fromLatin1(unit);
    g->setHorizontalHeaderLabels({g == beforegrid ? tr("Before") : tr("After"), tr("mass (kg)"), tr("speed"),
                                  radians ? tr("direction (rad)") : tr("direction (°)"), tr("momentum x"),
                                  tr("momentum y"), tr("momentum"), tr("energy")});
    // "%1²" would read as a 12th argument: the square comes with the unit
    unitslb->setText(
        tr("Speeds in %1/s (the total's is the centre of mass's), momenta in kg %1/s, energies in kg %2/s².")
            .arg(u, u + QStringLiteral("²")));
    const char* names[3] = {QT_TR_NOOP("red"), QT_TR_NOOP("black"), QT_TR_NOOP("total")};
    for (int r = 0; r < 3; ++r) {
        const dw::PuckLine& p = lines[r];
        put(g, r, 0, tr(names[r]), false);
        // nothing moving has no direction
        const QString direction = !(p.speed > 0.0) ? QStringLiteral("-")
            : radians                              ? shown(p.direction, 5, 3)
                                                   : shown(p.direction * 180.0 / num::kPi, 4, 1);
        const QString cells[] = {shown(p.mass), shown(p.speed), direction,      shown(p.px),
                                 shown(p.py),   shown(p.p),     shown(p.energy)};
        for (int c = 0; c < 7; ++c)
            put(g, r, c + 1, numberOrHidden(hidden && (c > 0 || massHidden), cells[c]), true);
    }
}

void LedgerPage::showSummary(const dw::Ledger& l)
{
    const struct {
        const char* label;
        QStringList values;
    } rows[] = {
        {QT_TR_NOOP("change of total momentum"), {shown(l.dPx), shown(l.dPy), shown(l.dP)}},
        {QT_TR_NOOP("impulse on red"), {shown(l.impulseRed[0]), shown(l.impulseRed[1])}},
        {QT_TR_NOOP("impulse on black"), {shown(l.impulseBlack[0]), shown(l.impulseBlack[1])}},
        {QT_TR_NOOP("red's impulse is minus black's"), {l.impulsesBalance ? tr("yes") : tr("no")}},
        {QT_TR_NOOP("kinetic energy after / before"), {shown(l.energyKept, 4, 1) + QStringLiteral(" %")}},
        {QT_TR_NOOP("coefficient of restitution"),
         l.restitutionGap ? QStringList{QStringLiteral("-"), QCoreApplication::translate("Ledger", l.restitutionGap)}
                          : QStringList{shown(l.restitution)}},
        {QT_TR_NOOP("collision"), {QCoreApplication::translate("Ledger", dw::verdictWord(l.verdict))}},
    };
    summarygrid->clearContents();
    summarygrid->clearSpans();
    for (int r = 0; r < 7; ++r) {
        put(summarygrid, r, 0, tr(rows[r].label), false);
        for (int c = 0; c < rows[r].values.size(); ++c)
            put(summarygrid, r, c + 1, numberOrHidden(l.hidden, rows[r].values[c]), true);
    }
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

QStringList LedgerPage::compareLabels(bool radians, const char* unit) const
{
    // in the order of the side-by-side sheet's rows
    const QString u = QString::fromLatin1(unit);
    const QString units[7] = {tr("kg"),
                              u + QStringLiteral("/s"),
                              radians ? tr("rad") : QStringLiteral("°"),
                              tr("kg %1/s").arg(u),
                              tr("kg %1/s").arg(u),
                              tr("kg %1/s").arg(u),
                              tr("kg %1/s²").arg(u + QStringLiteral("²"))};   // "%1²" would read as %12
    const char* quantities[7] = {QT_TR_NOOP("mass"),       QT_TR_NOOP("speed"),      QT_TR_NOOP("direction"),
                                 QT_TR_NOOP("momentum x"), QT_TR_NOOP("momentum y"), QT_TR_NOOP("momentum"),
                                 QT_TR_NOOP("energy")};
    const char* pucks[3] = {QT_TR_NOOP("red"), QT_TR_NOOP("black"), QT_TR_NOOP("total")};
    QStringList labels{tr("set-up")};
    for (const char* puck : pucks)
        for (int q = 0; q < 7; ++q)
            labels << tr("%1 %2 (%3)").arg(tr(puck), tr(quantities[q]), units[q]);
    labels << tr("change of total momentum") << tr("impulse on red x") << tr("impulse on red y")
           << tr("impulse on black x") << tr("impulse on black y") << tr("red's impulse is minus black's")
           << tr("kinetic energy after / before") << tr("coefficient of restitution") << tr("collision");
    return labels;
}

void LedgerPage::showSideBySide(const std::vector<dw::NamedLedger>& runs, const QStringList& names, bool radians,
                                const char* unit)
{
    sheet_ = dw::ledgersSideBySide(runs, radians, unit);
    whenlb->setText(tr("Before: the start of each run.  After: the end of a kept run; for this run, the Time bar."));
    notelb->clear();
    showGrids(false, true);
    QStringList header{QString()};
    for (const QString& name : names)
        header << tr("%1 before").arg(name) << tr("%1 after").arg(name);
    comparegrid->setColumnCount(static_cast<int>(header.size()));
    comparegrid->setRowCount(static_cast<int>(sheet_.rows.size()));
    comparegrid->setHorizontalHeaderLabels(header);
    comparegrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    comparegrid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    comparegrid->setRowHidden(0, true);   // the set-ups are the headers' tooltips
    const QStringList labels = compareLabels(radians, unit);
    for (int r = 0; r < comparegrid->rowCount(); ++r) {
        const std::vector<dw::Cell>& row = sheet_.rows[static_cast<size_t>(r)];
        put(comparegrid, r, 0, r < labels.size() ? labels[r] : QString(), false);
        for (int c = 1; c < static_cast<int>(row.size()); ++c) {
            const dw::Cell& cell = row[static_cast<size_t>(c)];
            const QString text = cell.number ? shown(cell.value, cell.width, cell.decimals)
                                             : QCoreApplication::translate("Ledger", cell.text.c_str());
            put(comparegrid, r, c, text, cell.number || cell.text == "-");
        }
    }
}
