#pragma once
// The class's commands without a window: a new class, the teacher's key,
// a hand-in, the results board.

// Whether the command line is one of them (its first option names it).
bool isClassCommand(int argc, char** argv);
// Reads and runs it: 0, or 2 with one line on standard error.
int runClassCommand(int argc, char** argv);

extern const char kClassUsage[];
