#pragma once
// `slidora --class-slips`: a slip to cut out for each student on the roster,
// with the name, the class, the join code and how to join, ten to a page.

#include <QString>

#include "experiments/class_file.h"

// Through the lab sheet's PDF; an empty string, or why not.
QString writeClassSlips(const QString& path, const cls::ClassFile& c);
