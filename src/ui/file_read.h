#pragma once
// Reading a file the user named: only a regular file, and only up to a
// bound that fits what it can hold. A FIFO, a device or a huge file is
// refused with its reason, before a byte is read, so nothing blocks or grows.

#include <QByteArray>
#include <QString>

namespace files {

// Bounds for what the program reads.
inline constexpr qint64 kExperimentLimit = 64 * 1024;   // a few hundred bytes in use
inline constexpr qint64 kLessonLimit = 64 * 1024;

// The file's bytes; false with "\"<path>\": <why>" in the user's language.
bool readRegularFile(const QString& path, qint64 limit, QByteArray* bytes, QString* error);

}   // namespace files
