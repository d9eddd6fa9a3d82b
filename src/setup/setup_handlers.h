#pragma once
#include <QObject>

#include "engine/setup_rules.h"
#include "setup/controls.h"

class ModelView;

// The set-up controls' change actions: each bar and entry hands its value
// to the set-up rules, and the controls then show the model.
class SetupHandlers {
public:
    SetupHandlers(sim::SetupRules& rules, Controls& c, ModelView& view);

    void connectAll();

private:
    void connectBars();
    void connectInteractions();
    void connectModes();
    // Runs a change of the rules, then shows its outcome.
    template <typename Change> void onChange(Change change);

    sim::SetupRules& rules_;
    Controls& c_;
    ModelView& view_;
    QObject context_;   // its connections end with this concern
};
