#pragma once
#include <QObject>

#include "engine/setup_rules.h"
#include "setup/controls.h"

class Canvas;
class ModelView;

// The "&View" marks and the three size choices, and the grid picture.
class ViewOptions {
public:
    ViewOptions(sim::SetupRules& rules, Controls& c, ModelView& view);

    void connectAll();

private:
    sim::SetupRules& rules_;
    Controls& c_;
    ModelView& view_;
    QObject context_;   // its connections end with this concern
};
