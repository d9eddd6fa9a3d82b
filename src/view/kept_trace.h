#pragma once
// The kept runs' strobe traces, drawn under the run on the table: pale
// tints of the pucks' colours, a marker of its own for each run, and a
// small legend naming them.

#include "engine/kept_runs.h"

#include <QColor>

class Canvas;

// The kept runs' tints of red, black and the total, on the table and the graph.
inline const QColor kKeptTints[3] = {QColor(255, 160, 160), QColor(150, 150, 150), QColor(160, 160, 255)};

// Run `run`'s mark centred on (x, y): Run A a ring, Run B a cross, Run C a square.
void drawKeptMark(Canvas& cv, int run, int x, int y);

// At the view's strobe frequency (`strobeIndex`); nothing when none are kept.
void drawKeptRuns(Canvas& cv, const sim::KeptRuns& kept, int strobeIndex);
