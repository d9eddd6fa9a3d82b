#pragma once
// The captions more than one window shows, each built in one place: the
// table window, the data window, the presentation window and the screen
// reader's descriptions all read the same words.

#include <QString>

#include "engine/setup_model.h"
#include "engine/sim_state.h"

// "Time: " + the time of time-line position P, (P - 1) x 0.05 s, at least
// `width` characters with 2 decimals, + " s": "Time:  1.50 s" at width 5.
QString timeCaption(int position, int width = 5);
// Its words around the number, "Time: %1 s", for a run's labels built once.
QString timeCaptionPattern();

// "Spring Compressed: " + cm with 2 decimals in at least 4 characters + " cm".
QString springCaption(double cm);

// A speed as the run's status and the presentation window say it: 1
// decimal and the unit, "5.0cm/s" (`unit` is "cm" or "m").
QString speedCaption(double v, const char* unit);

// `number`, or the sign of a hidden number where it is kept from the class.
QString numberOrHidden(bool hidden, const QString& number);
// A speed as speedCaption says it, or "?cm/s" while it is kept.
QString speedCaptionOrHidden(bool hidden, double v, const char* unit);

// What the run's status says, for the screen reader on Start: started,
// continued at a time, or stopped or ended with the speeds shown.
enum class RunStatus { Started, Continued, Stopped, Ended };
// `redKept`: a challenge's launch speed, read "?" while it is the red speed shown.
QString runStatusCaption(RunStatus status, const sim::SimState& s, const sim::SetupModel& m, bool redKept = false);

// The spring out of reach: "Spring Compressed 0.00 cm", no colon.
QString springOutOfReachCaption();
