#include "setup/controls.h"
#include "setup/model_view.h"
#include "setup/presentation_window.h"
#include "setup/table_window.h"
#include "ui/operations.h"

// A challenge in the table window: what it hides, and the picture again
// whenever that changes.

void TableWindow::showChallenge()
{
    modelView_->show();
    if (presentation_)
        presentation_->update();
    if (sim::runStarted(*state_))
        redrawTable();
    else
        ops_.drawSetUp();
}
