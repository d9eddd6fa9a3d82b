#pragma once
// What the View menu and the controls say about the picture, read in one
// place; the drawing reads this and the state, and writes neither.

struct ViewSettings {
    bool showGrid = false;
    bool showScale = false;
    bool arrows = false;   // "&Direction Arrows": the arrows instead of the pucks
    bool circle = false;   // circle mode draws its own picture
    bool springMode = false;   // "1-D Spring" checked
    bool oneD = false;
    int massCount = 2;
    bool centreOfMass = false;
    bool traceCentres = true;
    bool redBefore = true, redAfter = true, blackBefore = true, blackAfter = true;
    bool labelMass = false;
    int tableAngle = 0;   // the bar's position: arrows only on a level table
    int redMassBar = 20, blackMassBar = 20;   // the centre of mass is weighted by them
    int redSpeedBar = 50, blackSpeedBar = 0;   // a start arrow only for a moving puck
    int strobeIndex = 0;   // the frequency list
    bool traceBlock = false;   // "Trace Bloc&k": the pushed block at every mark
    bool showForce = true;
    bool letters = false;   // the pucks lettered R and B
    // a challenge's launch speed: no puck drawn up to this sample (the contact); 0: none
    int pucksHiddenUpTo = 0;
    // Where the red puck and its handle lie in the panel: circle mode turns
    // the puck around the handle.
    struct Place {
        int left = 0, top = 0, width = 0;
    } redPuck, redHandle;   // "Show &Force": the arrow of the push
};
