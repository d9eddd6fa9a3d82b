#pragma once
#include "engine/setup_model.h"
#include "engine/sim_state.h"
#include "setup/controls.h"
#include <QCoreApplication>
#include <QObject>

class Canvas;

// The ruler and the protractor drawn over the trace, driven by clicks.
class MeasureTools {
    Q_DECLARE_TR_FUNCTIONS(MeasureTools)

public:
    MeasureTools(const sim::SetupModel& m, sim::SimState& s, Controls& c, Operations& ops, Canvas& table);

    void connectAll();

    void measureToggled();
    void rulerChosen();
    void protractorChosen();
    void mouseMove(int x, int y);
    void release(int x, int y);
    void mouseLeft();
    // The same from the keyboard: a cursor moved over the picture, Return
    // placing the next point, Escape starting again.
    void keyStep(int dx, int dy);
    void keyPlace();
    void keyCancel();

    void drawRuler();
    void drawProtractor();

    // Direction from the vertex to the moving point, screen y down.
    double theta() const;

    // Image coordinates of the fixed end (the protractor's centre) and of
    // the other end (the ray's point); the step: 0 follows the mouse, 1 the
    // vertex is fixed, 2 both are.
    int vertexX() const { return vertexX_; }
    int vertexY() const { return vertexY_; }
    int movingX() const { return movingX_; }
    int movingY() const { return movingY_; }
    int step() const { return step_; }

private:
    const sim::SetupModel& m_;
    sim::SimState& s_;
    Controls& c_;
    Operations& ops_;
    Canvas& cv_;
    int vertexX_ = 0, vertexY_ = 0;
    int movingX_ = 0, movingY_ = 0;
    int step_ = 0;
    int cursorX_ = -1, cursorY_ = -1;   // the keyboard's cursor; -1: not used yet
    QObject context_;   // its connections end with this concern
};
