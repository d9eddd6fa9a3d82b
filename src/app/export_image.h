#pragma once
// `slidora --export-image`: the table picture after a run, as PNG or SVG,
// drawn by the table window itself with no display.

struct CommandLine;

int exportImage(int argc, char** argv, const CommandLine& line);
