#include <QAction>
#include <QHash>
#include <QMenu>
#include <QMenuBar>

#include "engine/usable.h"
#include "setup/controls.h"
#include "setup/table_window.h"
#include "view/printing.h"

// The one writer of which table controls are on: everything comes from the
// classroom's rule, written again only when the rule's answer changes.

namespace {

using C = sim::TableControl;

// Every entry of `menu` and of its submenus, on or off.
void entriesOf(const QMenu* menu, bool on, QHash<QAction*, bool>& out)
{
    for (QAction* a : menu->actions()) {
        if (a->menu())
            entriesOf(a->menu(), on, out);
        out[a] = on;
    }
}

}   // namespace

void TableWindow::showUsable()
{
    const sim::Usable u = sim::usableControls(room());
    const bool copied = printing_->hasCopy();
    if (shownUsable_ && *shownUsable_ == u && copiedShown_ == copied)
        return;
    shownUsable_ = u;
    copiedShown_ = copied;
    const std::pair<C, std::vector<QWidget*>> widgets[] = {
        {C::Start, {c_.Startbt}},
        {C::Reset, {c_.Resetbt}},
        {C::Recenter, {c_.Recenterbt}},
        {C::TimeLine, {c_.Timesb}},
        {C::Replay, {c_.dstartbt, c_.replaysb}},
        {C::DataTable, {c_.showbt}},
        {C::Measure, {c_.measurecb}},
        {C::Ruler, {c_.rulerrb}},
        {C::Protractor, {c_.Prorb}},
        {C::PrintTrace, {c_.printtrbt}},
        {C::Frequency, {c_.cbfreq}},
        {C::RedMass, {c_.m1sb}},
        {C::BlackMass, {c_.m2sb}},
        {C::RedSpeed, {c_.v1sb}},
        {C::BlackSpeed, {c_.v2sb}},
        {C::Charges, {c_.c1sb, c_.c2sb}},
        {C::Percent, {c_.persb}},
        {C::Spring, {c_.ksb, c_.lsb}},
        {C::TableAngle, {c_.tableangsb}},
        {C::Pucks, {c_.puck1, c_.puck2, c_.redansh, c_.blackansh}},
    };
    for (const auto& [control, list] : widgets)
        for (QWidget* w : list)
            w->setEnabled(u[control]);

    // a menu a lesson leaves out goes from the bar with every entry off, keys included
    QHash<QAction*, bool> on;
    const QList<QAction*> menus = menuBar()->actions();
    const C menuControls[] = {C::FileMenu, C::ViewMenu, C::OptionsMenu};   // Help stays
    for (int i = 0; i < 3 && i < menus.size(); ++i) {
        menus[i]->setVisible(u[menuControls[i]]);
        if (menus[i]->menu())
            entriesOf(menus[i]->menu(), u[menuControls[i]], on);
    }
    const std::pair<C, std::vector<QAction*>> actions[] = {
        {C::Print, {c_.Print1, c_.PrintCopySelect1, c_.CopySelect1, c_.savePicture1, c_.saveAnimation1, c_.labSheet1}},
        {C::Pucks, {c_.exactSetUp1}},
        {C::Interactions,
         {c_.springMenu->menuAction(), c_.Elastic1, c_.Inelastic1, c_.SemiElastic1, c_.electroMenu->menuAction(),
          c_.Circle1}},
        {C::CentreOfMass, {c_.Centerofmass1, c_.Labelmass1}},
        {C::PredictFirst, {c_.predictFirst1}},
        {C::CmFrame, {c_.cmFrame1}},
        {C::OpenLesson, {c_.openLesson1}},
    };
    for (const auto& [control, list] : actions)
        for (QAction* a : list)
            on[a] = on.value(a, true) && u[control];
    on[c_.PrintCopySelect1] = on.value(c_.PrintCopySelect1) && copied;   // a selection to print
    for (auto it = on.cbegin(); it != on.cend(); ++it)
        it.key()->setEnabled(it.value());
    c_.cmFrame1->setToolTip(u[C::CmFrame] ? QString()
                                          : tr("The centre-of-mass frame needs two pucks, not the circle, "
                                               "and both masses known."));
    c_.predictFirst1->setToolTip(u[C::PredictFirst] || room().lesson()
                                     ? QString()
                                     : tr("Predict First needs two pucks and a collision, "
                                          "a spring or electrostatic forces, not the circle."));
}
