#pragma once
// Every file the program writes goes through here. A regular file (or a new
// name) is written to a temporary file that replaces the old one only when
// every byte reached the disk; on any error the old file stays as it was.
// A device, a FIFO or a terminal is written directly and never replaced.

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <string_view>

class SafeSave {
public:
    explicit SafeSave(const QString& path);
    SafeSave(const SafeSave&) = delete;
    SafeSave& operator=(const SafeSave&) = delete;

    bool open();
    // Keeps going quietly after an error; commit() reports it.
    void write(std::string_view bytes);
    // Flushes and checks every error first; commits only a whole file.
    bool commit();
    // "<file>: <the system's error text>" after a failed open or commit.
    QString message() const;
    bool direct() const { return direct_; }

private:
    void fail(const QString& error);
    void failWriting(const QFileDevice& f);

    QString path_;
    bool direct_ = false;
    bool failed_ = false;
    QString error_;
    QSaveFile saveFile_;
    QFile plainFile_;
};

// True when `path` names something that must be written in place: an
// existing file that is not a regular one, or a name under /dev or /proc.
bool writesInPlace(const QString& path);
