#pragma once
// The experiments under "Run Experiment": seventeen set-ups with their
// explanations, and an "Information" text at the head of each group.

#include <string>

namespace exper {

struct CatalogueEntry {
    int number;   // 1..17 in menu order; 0 for an "Information" text
    const char* name;   // the menu entry's control name
    const char* group;   // the submenu, empty for an entry at the top
    const char* caption;   // the menu entry's caption
    const char* pieceA;   // the parameter text, kept in two pieces;
    const char* pieceB;   // " " and "" for an "Information" text
    const char* const* lines;
    int lineCount;

    // The joined pieces: 27 integers, or " " when there is nothing to run.
    std::string parameterText() const;
};

// All 22 entries in menu order.
const CatalogueEntry* catalogueEntries(int* count);
// Experiment 1..17, or null.
const CatalogueEntry* catalogueExperiment(int number);

}   // namespace exper
