#include <QAction>
#include <QTabWidget>
#include <algorithm>

#include "datawin/classroom_data.h"
#include "datawin/data_window.h"
#include "datawin/graph_page.h"
#include "datawin/investigate_page.h"
#include "datawin/ledger_page.h"
#include "datawin/momentum_page.h"
#include "datawin/table_page.h"
#include "setup/table_access.h"

// What the data window keeps from the class: an outcome to predict, a
// challenge's unknown, and the pages a lesson leaves out.

sim::Disclosure DataWindow::disclosure() const
{
    return w_.room().disclosure();
}

dw::RunData DataWindow::runData() const
{
    return ClassroomData::runData(w_.room());
}

// The pages a lesson allows; a challenge's unknown is in the arrows and in
// every sweep, and a held outcome in every sweep. A page that is not offered
// leaves the tab bar too: a screen reader offers a greyed tab as usable.
void DataWindow::showAllowedPages()
{
    using P = sim::Page;
    const sim::Disclosure d = disclosure();
    const std::pair<QWidget*, bool> pages[] = {{table_, d.offers(P::Table)},
                                               {graph_, d.offers(P::Graph)},
                                               {momentum_, d.offers(P::Momentum)},
                                               {ledger_, d.offers(P::BeforeAfter)},
                                               {investigate_, d.offers(P::Investigate)}};
    for (const auto& [page, on] : pages) {
        tabs_->setTabEnabled(tabs_->indexOf(page), on);
        tabs_->setTabVisible(tabs_->indexOf(page), on);
    }
    // a lesson that leaves out printing leaves out the files and the printer here too
    for (QAction* a : {printGraph, printerSetup, exportData})
        a->setEnabled(d.mayPrint);
    if (!tabs_->currentWidget()->isEnabled())
        for (const auto& [page, on] : pages)
            if (on) {
                tabs_->setCurrentWidget(page);
                break;
            }
}

dw::DataViewModel DataWindow::sheetView() const
{
    return open_ ? view_ : ClassroomData::opened(w_.room(), view_);
}
