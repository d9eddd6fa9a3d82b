#pragma once
// The View menu's marks in one table: the menu is built from it, and an
// experiment's view flags are read and written through its record bits.

#include <array>

#include "ui/controls.h"

struct ViewMark {
    QAction* Controls::*action;
    const char* caption;
    int tag;   // the menu entry's own tag
    int recordBit;   // its bit in an experiment's view flags; 0: not kept
    bool checked;   // at start-up
    bool visible;   // shown in the menu (the others appear with their mode)
    bool separatorBefore;
};

inline constexpr std::array<ViewMark, 12> kViewMarks{{
    {&Controls::Centerofmass1, "Center of &Mass", 1, 1, false, true, true},
    {&Controls::tracecb, "&Trace Centers", 2, 2, true, true, false},
    {&Controls::TraceBlock1, "Trace Bloc&k", 4, 4, false, false, false},
    {&Controls::redb, "&Red Before", 8, 8, true, true, true},
    {&Controls::blackb, "&Black Before", 16, 16, true, true, false},
    {&Controls::reda, "R&ed After", 32, 32, true, true, false},
    {&Controls::blackA, "B&lack After", 64, 64, true, true, false},
    {&Controls::ShowForce1, "Show &Force", 128, 0, true, false, true},
    {&Controls::Arrows1, "&Direction Arrows", 256, 256, false, true, false},
    {&Controls::ShowScale1, "&Show Scale", 512, 512, false, true, false},
    {&Controls::ShowGrid1, "Show &Grid", 1024, 1024, false, true, false},
    // the menu's tag differs from the record's bit here, as it always has
    {&Controls::Labelmass1, "&Label mass", 16, 128, false, true, false},
}};
