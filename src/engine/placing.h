#pragma once
// What a drag of a puck or of its velocity handle does to the state, apart
// from the shapes on the screen: the set-up dialog places and aims the
// pucks through the same two steps.

#include "engine/sim_state.h"

namespace sim {

// Puck `tag` (1 red, 2 black) with its top-left at (left, top): its start
// place and logged start centre, its remembered handle moved along.
void placePuck(SimState& s, int tag, int left, int top);

// Puck `tag`'s handle remembered at (left, top), `side` pixels square: the
// puck's direction and start direction from it (with one mass the black
// puck keeps to the red one's course).
void aimPuck(SimState& s, int tag, int left, int top, int side);

struct Place {
    int left = 0, top = 0;
};

// Where puck `tag`'s handle marker (`handleSide` square) is shown, the puck
// (`puckSide` square) at `puck`: the remembered handle keeps its exact
// offset from the puck wherever that is, and the marker is put where the
// mouse can reach it on the table, on the same ray where the table allows.
Place handleMarker(const SimState& s, int tag, Place puck, int puckSide, int handleSide);

}   // namespace sim
