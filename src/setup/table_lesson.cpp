#include <QAction>
#include <QMenuBar>

#include "setup/controls.h"
#include "setup/lesson_lock.h"
#include "setup/table_window.h"

// A lesson in the table window: each part a lesson file can name, and the
// controls that make it up.

void TableWindow::showLesson()
{
    if (!room().lesson() || lock_)
        return;   // a lesson lasts the session: one lock
    const sim::Lesson& lesson = *room().lesson();
    lock_ = new LessonLock(this);
    using P = sim::LessonPart;
    const std::pair<P, std::vector<QWidget*>> parts[] = {
        {P::Start, {c_.Startbt}},
        {P::Reset, {c_.Resetbt}},
        {P::Recenter, {c_.Recenterbt}},
        {P::TimeLine, {c_.Timesb}},
        {P::Replay, {c_.dstartbt, c_.replaysb}},
        {P::DataTable, {c_.showbt}},
        {P::Ruler, {c_.rulerrb}},
        {P::Protractor, {c_.Prorb}},
        {P::Print, {c_.printtrbt}},
        {P::Frequency, {c_.cbfreq}},
        {P::Masses, {c_.m1sb, c_.m2sb}},
        {P::Speeds, {c_.v1sb, c_.v2sb}},
        {P::Charges, {c_.c1sb, c_.c2sb}},
        {P::Percent, {c_.persb}},
        {P::Spring, {c_.ksb, c_.lsb}},
        {P::TableAngle, {c_.tableangsb}},
        {P::Pucks, {c_.puck1, c_.puck2, c_.redansh, c_.blackansh}},
    };
    for (const auto& [part, widgets] : parts)
        if (!lesson.allows(part))
            for (QWidget* w : widgets)
                lock_->lock(w);
    if (!lesson.allows(P::Ruler) && !lesson.allows(P::Protractor))
        lock_->lock(c_.measurecb);
    for (QAction* a :
         {c_.Print1, c_.PrintCopySelect1, c_.CopySelect1, c_.savePicture1, c_.saveAnimation1, c_.labSheet1})
        if (!lesson.allows(P::Print))
            lock_->lock(a);
    if (!lesson.allows(P::Pucks))
        lock_->lock(c_.exactSetUp1);
    // File, View and Options, in the menu bar's order; Help stays
    const QList<QAction*> menus = menuBar()->actions();
    const P menuParts[] = {P::FileMenu, P::ViewMenu, P::OptionsMenu};
    for (int i = 0; i < 3 && i < menus.size(); ++i)
        if (!lesson.allows(menuParts[i]) && menus[i]->menu())
            lock_->hide(menus[i]->menu());
    lock_->lock(c_.openLesson1);   // restarting without the lesson gives the whole program
    if (lesson.predictFirst) {
        // on in the classroom whatever the lesson leaves usable, and for this
        // lesson only: never into the user's own settings
        c_.predictFirst1->setChecked(true);
        lock_->lock(c_.predictFirst1);
        if (isVisible())
            showPredictionPanel();
        predictionStageChanged();
    }
}
