#pragma once
// `slidora --export-trace`: a whole run without a window, its log as CSV.

#include <QStringList>

struct CommandLine;

// Handles the command line when it asks for an export, a key, help or the
// version; returns the exit status, or -1 when the window is to start as
// `line` says (an experiment file, a challenge or a lesson).
int runCommandLine(int argc, char** argv, CommandLine* line);
