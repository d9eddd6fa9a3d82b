#pragma once
#include "engine/sim_state.h"
#include "ui/controls.h"
#include <QObject>

// Change actions of the set-up controls that write state: masses, speeds,
// charges, the percent bar, the interaction entries, the spring bars,
// circle friction, computer speed and plotting error.
class SetupHandlers {
public:
    SetupHandlers(sim::SimState& s, Controls& c, Operations& ops);

    void connectAll();

    void massChanged(int puck);
    void speedChanged(int puck);
    void chargeChanged(int puck);
    void percentChanged();
    // Elastic, Inelastic, Semi Elastic, Circle, or an electrostatic range.
    void interactionChosen(sim::Interaction mode, int electroRange = 0, const QString& rangeCaption = QString());
    // "1-D Spring" ▸ Elastic (3) or Inelastic (4).
    void springChosen(QAction* entry);
    void springConstantChanged();
    void springLengthChanged();
    void circleFrictionChosen(QAction* entry);
    void computerSpeedChosen(QAction* entry);
    void plottingErrorToggled();

private:
    sim::SimState& s_;
    Controls& c_;
    Operations& ops_;
    QObject context_;   // its connections end with this concern
};
