#include "datawin/ledger_grids.h"

#include "engine/numbers.h"
#include "ui/captions.h"
#include "ui/language.h"

namespace {
QString shown(double v, int w = 4, int d = 2)
{
    return lang::shown(num::F(v, w, d)).trimmed();
}
}   // namespace

TextGrid LedgerGrids::pucks(const dw::PuckLine* lines, bool before, bool radians, bool hidden, bool massHidden)
{
    TextGrid g;
    g.header = {before ? tr("Before") : tr("After"),
                tr("mass (kg)"),
                tr("speed"),
                radians ? tr("direction (rad)") : tr("direction (°)"),
                tr("momentum x"),
                tr("momentum y"),
                tr("momentum"),
                tr("energy")};
    const char* names[3] = {QT_TR_NOOP("red"), QT_TR_NOOP("black"), QT_TR_NOOP("total")};
    for (int r = 0; r < 3; ++r) {
        const dw::PuckLine& p = lines[r];
        // nothing moving has no direction
        const QString direction = !(p.speed > 0.0) ? QStringLiteral("-")
            : radians                              ? shown(p.direction, 5, 3)
                                                   : shown(p.direction * 180.0 / num::kPi, 4, 1);
        const QString cells[] = {shown(p.mass), shown(p.speed), direction,      shown(p.px),
                                 shown(p.py),   shown(p.p),     shown(p.energy)};
        QList<TextCell> row{{tr(names[r]), false}};
        for (int c = 0; c < 7; ++c)
            row.append({numberOrHidden(hidden && (c > 0 || massHidden), cells[c]), true});
        g.rows << row;
    }
    return g;
}

QString LedgerGrids::units(const char* unit)
{
    const QString u = QString::fromLatin1(unit);
    // "%1²" would read as a 12th argument: the square comes with the unit
    return tr("Speeds in %1/s (the total's is the centre of mass's), momenta in kg %1/s, energies in kg %2/s².")
        .arg(u, u + QStringLiteral("²"));
}

TextGrid LedgerGrids::summary(const dw::Ledger& l)
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
    TextGrid g;
    g.header = {QString(), tr("x"), tr("y"), tr("size")};
    for (const auto& r : rows) {
        QList<TextCell> row{{tr(r.label), false}};
        for (const QString& v : r.values)
            row.append({numberOrHidden(l.hidden, v), true});
        while (row.size() < g.header.size())
            row.append({QString(), true});
        g.rows << row;
    }
    return g;
}

QStringList LedgerGrids::compareLabels(bool radians, const char* unit)
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

TextGrid LedgerGrids::sideBySide(const dw::Sheet& sheet, const QStringList& names, bool radians, const char* unit)
{
    TextGrid g;
    g.header << QString();
    for (const QString& name : names)
        g.header << tr("%1 before").arg(name) << tr("%1 after").arg(name);
    const QStringList labels = compareLabels(radians, unit);
    for (size_t r = 0; r < sheet.rows.size(); ++r) {
        const std::vector<dw::Cell>& cells = sheet.rows[r];
        QList<TextCell> row{
            {static_cast<qsizetype>(r) < labels.size() ? labels[static_cast<qsizetype>(r)] : QString(), false}};
        for (size_t c = 1; c < cells.size(); ++c) {
            const dw::Cell& cell = cells[c];
            const QString text = cell.number ? shown(cell.value, cell.width, cell.decimals)
                                             : QCoreApplication::translate("Ledger", cell.text.c_str());
            row.append({text, cell.number || cell.text == "-"});
        }
        g.rows << row;
    }
    return g;
}
