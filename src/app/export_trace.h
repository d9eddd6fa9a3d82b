#pragma once
// `slidora --export-trace`: a whole run without a window, its log as CSV.

#include <QStringList>

// Handles the command line when it asks for an export, help or the version;
// returns the exit status, or -1 when the window is to start, with
// `fileToOpen` set when an experiment file was named.
int runCommandLine(int argc, char** argv, QString* fileToOpen);
