#pragma once
#include "engine/sim_state.h"
#include "ui/controls.h"
#include <QObject>

class Canvas;

// The "&View" toggles, the three size choices, the speed labels' unit and
// the grid picture.
class ViewOptions {
public:
    ViewOptions(sim::SimState& s, Controls& c, Operations& ops);

    void connectAll();

    void centreGroupToggled();
    void colourGroupToggled();
    void gridGroupToggled();
    void circleSizeChosen(QAction* entry);
    void scaleChosen(QAction* entry);
    void dotSizeChosen(QAction* entry);
    void relabelSpeeds();

    static void drawGrid(Canvas& grid);

private:
    sim::SimState& s_;
    Controls& c_;
    Operations& ops_;
    QObject context_;   // its connections end with this concern
};
