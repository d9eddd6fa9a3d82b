// "Predict First" on the table window: the option, the panel, the held run
// and "Reveal".
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "engine/prediction.h"
#include "setup/controls.h"
#include "setup/prediction_panel.h"
#include "setup/run_control.h"
#include "setup/table_window.h"
#include "ui/placement.h"
#include "ui/preferences.h"

void TableWindow::wirePrediction()
{
    if (!room().setUp())
        hub_.commands().setPredictFirst(prefs::predictFirst());
    c_.predictFirst1->setChecked(room().prediction().on);
    ops_.runStageChanged = [this] { predictionStageChanged(); };
    // left on: the panel comes with the window, once it shows
    QTimer::singleShot(0, this, [this] {
        if (room().prediction().on && isVisible())
            showPredictionPanel();
    });
    connect(c_.predictFirst1, &QAction::triggered, this, [this](bool on) {
        prefs::setPredictFirst(on);
        hub_.run(&sim::Classroom::setPredictFirst, on);   // switched off while held: what was hidden shows
        if (on)
            showPredictionPanel();
        else if (panel_)
            panel_->hide();
        predictionStageChanged();
    });
}

void TableWindow::predictionStageChanged()
{
    if (!sim::runStarted(*state_))
        hub_.commands().newRun();
    const bool held = room().disclosure().held();
    const bool justHeld = held && !heldShown_;
    heldShown_ = held;
    showUsable();
    if (held) {
        c_.Startbt->setAccessibleDescription(RunControl::predictText());
        showPredictionPanel();
        if (justHeld) {
            redrawTable();   // the last pass came before the contact: the prediction's arrows now
            panel_->activateWindow();   // the keyboard goes where the class is to answer
            panel_->speed(0)->setFocus();
        }
    }
    if (panel_)
        panel_->showState();
}

void TableWindow::showPredictionPanel()
{
    if (!panel_) {
        panel_ = std::make_unique<PredictionPanel>(hub_, QString::fromLatin1(model_.unitText()).trimmed(), this);
        connect(panel_.get(), &PredictionPanel::revealPressed, this, [this] { reveal(); });
    }
    panel_->showState();
    if (!panel_->isVisible()) {
        // beside the table, clear of it and of the Challenge dialog
        panel_->adjustSize();
        place::showBeside(*panel_, *this);
        panel_->keepOnScreen();
    }
}

void TableWindow::reveal()
{
    if (!hub_.run(&sim::Classroom::reveal).any())
        return;
    if (panel_)
        panel_->showState();   // the table at the contact, before the run goes on
    run_->start();   // on from where it was held, the outcome in view
}
