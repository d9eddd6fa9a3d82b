#include "datawin/energy_page.h"

#include <QPainter>

#include "engine/numbers.h"
#include "ui/language.h"

EnergyPage::EnergyPage(QWidget* parent) : QWidget(parent), canvas_(780, 470)
{
    setAccessibleName(tr("Energy bars"));
}

void EnergyPage::show(const dw::EnergyBarsData& d, const QString& unit)
{
    dw::drawEnergyBars(canvas_, d, unit);
    // what the bars say, for a screen reader
    const auto number = [](double v) { return lang::shown(num::F(v, 0, 1)); };
    setAccessibleDescription(
        d.nowShown && d.blackKnown
            ? tr("Before: total %1. At the time bar: red %2, black %3, total %4.")
                  .arg(number(d.before.total), number(d.now.red), number(d.now.black), number(d.now.total))
            : tr("Not shown until the outcome is revealed."));
    update();
}

void EnergyPage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(10, 10, canvas_.image());
}
