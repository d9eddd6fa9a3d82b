#pragma once
// `slidora --export-image` and `--export-animation`: the table picture after
// a run, as PNG or SVG, or the run as an animated GIF, drawn by the table
// window itself with no display.

struct CommandLine;

int exportImage(int argc, char** argv, const CommandLine& line);
// `slidora --lab-sheet`: the lab sheet of a run as PDF, with no display.
int exportLabSheet(int argc, char** argv, const CommandLine& line);
