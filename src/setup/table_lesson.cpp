#include <QAction>

#include "setup/controls.h"
#include "setup/table_window.h"

// A lesson in the table window. What it leaves usable is the classroom's
// rule (showUsable); here only its Predict First, once.

void TableWindow::showLesson()
{
    if (!room().lesson() || lessonShown_)
        return;   // a lesson lasts the session
    lessonShown_ = true;
    showUsable();
    if (room().lesson()->predictFirst) {
        // on in the classroom whatever the lesson leaves usable, and for this
        // lesson only: never into the user's own settings
        c_.predictFirst1->setChecked(true);
        if (isVisible())
            showPredictionPanel();
        predictionStageChanged();
    }
}
