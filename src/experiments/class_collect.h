#pragma once
// What the teacher's collector does with one posted hand-in, apart from the
// network: the file is checked whole (its HMAC included) before anything is
// written, and each address has a limit a class handing in never meets but
// that stops one machine from filling the disk.

#include <QByteArray>
#include <QSet>
#include <QString>
#include <map>

#include "experiments/class_file.h"

namespace cls {

struct CollectLimits {
    double perSecond = 20;   // an address's requests a second, after a burst
    double burst = 40;
    qint64 addressBytes = 2 * 1024 * 1024;   // what one address may have stored
    int totalFiles = 4000;   // below what the board reads from a folder
    qint64 totalBytes = 48 * 1024 * 1024;
    int addresses = 4096;   // addresses remembered at once
};

enum class Taken { Stored, AlreadyHere, Refused, TooLarge, TooMany, Full };

struct CollectAnswer {
    Taken taken = Taken::Refused;
    int status = 400;   // the HTTP status to answer with
    QString line;   // one line, for the student's program and the log
    QString file;   // Stored: the name to write the body under
};

class CollectDesk {
public:
    explicit CollectDesk(ClassFile c, CollectLimits limits = {});

    // The answer to `address` posting `body` at `nowMs` (a steady clock).
    CollectAnswer take(const QString& address, const QByteArray& body, qint64 nowMs);
    // After a Stored answer's file reached the disk.
    void stored(const QString& address, const QByteArray& body);

    int files() const { return files_; }

private:
    struct Address {
        double tokens = 0;
        qint64 lastMs = 0;
        qint64 bytes = 0;
    };
    bool allow(const QString& address, qint64 nowMs);

    ClassFile class_;
    CollectLimits limits_;
    std::map<QString, Address> addresses_;
    QSet<QByteArray> digests_;
    int files_ = 0;
    qint64 bytes_ = 0;
};

// A name for a hand-in's file: the roster's name with only letters, digits
// and '-' kept, and part of the file's SHA-256, so two files never share one.
QString collectedFileName(const QString& name, const QByteArray& body);

}   // namespace cls
