#pragma once
// `slidora --export-data`: what the data window shows after a run, without
// a window, as CSV or TSV.

#include "app/command_line.h"

int exportData(const CommandLine& line);
