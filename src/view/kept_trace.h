#pragma once
// The kept runs' strobe traces, drawn under the run on the table: pale
// tints of the pucks' colours, a marker of its own for each run, and a
// small legend naming them.

#include "engine/kept_runs.h"

class Canvas;

// At the view's strobe frequency (`strobeIndex`); nothing when none are kept.
void drawKeptRuns(Canvas& cv, const sim::KeptRuns& kept, int strobeIndex);
