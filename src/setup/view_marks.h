#pragma once
// The View menu's marks in one table: the menu is built from it, and each
// entry shows its mark of the set-up model (whose bits are also an
// experiment's view flags).

#include <QtGlobal>
#include <array>

#include "engine/setup_model.h"
#include "setup/controls.h"

struct ViewMark {
    QAction* Controls::*action;
    const char* name;   // the entry's object name: its member's
    const char* caption;
    sim::ViewMark mark;
    bool visible;   // shown in the menu at start-up (the others appear with their mode)
    bool separatorBefore;
};

inline constexpr std::array<ViewMark, 12> kViewMarks{{
    {&Controls::Centerofmass1, "Centerofmass1", QT_TRANSLATE_NOOP("ViewMarks", "Center of &Mass"),
     sim::CentreOfMassMark, true, true},
    {&Controls::tracecb, "tracecb", QT_TRANSLATE_NOOP("ViewMarks", "&Trace Centers"), sim::TraceCentresMark, true,
     false},
    {&Controls::TraceBlock1, "TraceBlock1", QT_TRANSLATE_NOOP("ViewMarks", "Trace Bloc&k"), sim::TraceBlockMark, false,
     false},
    {&Controls::redb, "redb", QT_TRANSLATE_NOOP("ViewMarks", "&Red Before"), sim::RedBeforeMark, true, true},
    {&Controls::blackb, "blackb", QT_TRANSLATE_NOOP("ViewMarks", "&Black Before"), sim::BlackBeforeMark, true, false},
    {&Controls::reda, "reda", QT_TRANSLATE_NOOP("ViewMarks", "R&ed After"), sim::RedAfterMark, true, false},
    {&Controls::blackA, "blackA", QT_TRANSLATE_NOOP("ViewMarks", "B&lack After"), sim::BlackAfterMark, true, false},
    {&Controls::ShowForce1, "ShowForce1", QT_TRANSLATE_NOOP("ViewMarks", "Show &Force"), sim::ShowForceMark, false,
     true},
    {&Controls::Arrows1, "Arrows1", QT_TRANSLATE_NOOP("ViewMarks", "&Direction Arrows"), sim::ArrowsMark, true, false},
    {&Controls::ShowScale1, "ShowScale1", QT_TRANSLATE_NOOP("ViewMarks", "&Show Scale"), sim::ShowScaleMark, true,
     false},
    {&Controls::ShowGrid1, "ShowGrid1", QT_TRANSLATE_NOOP("ViewMarks", "Show &Grid"), sim::ShowGridMark, true, false},
    {&Controls::Labelmass1, "Labelmass1", QT_TRANSLATE_NOOP("ViewMarks", "&Label mass"), sim::LabelMassMark, true,
     false},
}};
