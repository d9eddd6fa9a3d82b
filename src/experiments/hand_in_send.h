#pragma once
// Sending a hand-in to the teacher's collector instead of saving it: one
// POST, when the student asks, to the address the teacher's board shows.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

namespace cls {

// "192.168.1.20:8765", "http://192.168.1.20:8765/" or a host name: the
// collector's address, or an empty URL and the reason.
QUrl collectorUrl(const QString& typed, QString* error);

// Posts `bytes` to `url`; `done` runs once, on `context`'s thread, with
// whether the collector took it and its one line (or why it was not reached).
void sendHandIn(const QUrl& url, const QByteArray& bytes, QObject* context,
                std::function<void(bool taken, const QString& line)> done);

}   // namespace cls
