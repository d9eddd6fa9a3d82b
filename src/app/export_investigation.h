#pragma once
#include "app/command_line.h"

// --investigate: the sweep run without a window and its sheet written; the exit status.
int exportInvestigation(const CommandLine& line);
