#pragma once
// `slidora --export-trace`: a whole run without a window, its log as CSV.

#include <QStringList>

// Handles the command line when it asks for an export or for help; returns
// the exit status, or -1 when the window is to start as usual.
int runCommandLine(int argc, char** argv);
