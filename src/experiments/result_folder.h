#pragma once
// A folder of hand-ins read for the results board: every *.slidora-result
// file, each read whole within its bound, the whole within a bound of its
// own; a file that cannot be read is listed apart with its reason.

#include <QString>

#include "experiments/class_results.h"

inline constexpr qint64 kFolderBytes = 64 * 1024 * 1024;
inline constexpr int kFolderFiles = 5000;

// The board of class `c` from `folder`; false with the reason when the folder cannot be read.
bool readResults(const cls::ClassFile& c, const QString& folder, cls::ClassResults* results, QString* error);
