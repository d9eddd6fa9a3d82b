#include <QAction>
#include <QTabWidget>
#include <algorithm>

#include "datawin/data_window.h"
#include "datawin/graph_page.h"
#include "datawin/investigate_page.h"
#include "datawin/ledger_page.h"
#include "datawin/momentum_page.h"
#include "datawin/table_page.h"
#include "setup/table_window.h"

// What the data window keeps from the class: an outcome to predict, a
// challenge's unknown, and the pages a lesson leaves out.

dw::RunData DataWindow::runData() const
{
    dw::RunData r = dw::runDataOf(w_.state(), w_.model());
    r.hiddenFrom = w_.prediction().hiddenFrom();
    const sim::Challenge& c = w_.challenge();
    r.challengeHiding = c.hiding();
    r.blackMassHidden = c.hidesBlackMass();
    // the launch speed: nothing up to the contact (the sample the run's first answer came in)
    r.hiddenUpTo =
        c.hidesRedSpeed() ? std::min(r.collided ? r.collisionTick : sim::kTickCeiling, sim::kTickCeiling) : 0;
    return r;
}

// The pages a lesson allows; a challenge's unknown is in the arrows and in
// every sweep, and a held outcome in every sweep. A page that is not offered
// leaves the tab bar too: a screen reader offers a greyed tab as usable.
void DataWindow::showAllowedPages()
{
    using P = sim::LessonPart;
    const std::optional<sim::Lesson>& lesson = w_.lesson();
    const bool kept = w_.challenge().hiding();
    const bool held = w_.prediction().hiding();
    const std::pair<QWidget*, bool> pages[] = {
        {table_, !lesson || lesson->allowsPage(P::DataPage)},
        {graph_, !lesson || lesson->allowsPage(P::GraphPage)},
        {momentum_, !kept && (!lesson || lesson->allowsPage(P::MomentumPage))},
        {ledger_, !lesson || lesson->allowsPage(P::BeforeAfterPage)},
        {investigate_, !kept && !held && (!lesson || lesson->allowsPage(P::InvestigatePage))}};
    for (const auto& [page, on] : pages) {
        tabs_->setTabEnabled(tabs_->indexOf(page), on);
        tabs_->setTabVisible(tabs_->indexOf(page), on);
    }
    // a lesson that leaves out printing leaves out the files and the printer here too
    const bool print = !lesson || lesson->allows(P::Print);
    for (QAction* a : {printGraph, printerSetup, exportData})
        a->setEnabled(print);
    if (!tabs_->currentWidget()->isEnabled())
        for (const auto& [page, on] : pages)
            if (on) {
                tabs_->setCurrentWidget(page);
                break;
            }
}

void DataWindow::prepareForSheet()
{
    if (!open_)
        activate();
    graph_->drawGraph();
}
