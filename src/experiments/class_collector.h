#pragma once
// The teacher's collector: result files posted over HTTP to one port, for
// as long as it lives. Qt's HTTP server reads the requests; this decides
// only what is taken. Every connection is bounded: in bytes, in time, and
// in how many one address may hold open.

#include <QAbstractHttpServer>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QString>
#include <memory>

#include "experiments/class_collect.h"
#include "experiments/hand_in.h"

namespace cls {

class GuardedTcpServer;

class Collector : public QAbstractHttpServer {
    Q_OBJECT
public:
    Collector(const ClassFile& c, const QString& folder, QObject* parent = nullptr);
    ~Collector() override;

    // Listens on `address`:`port` (0: any free port); false with the reason.
    bool start(const QHostAddress& address, quint16 port, QString* error);
    quint16 port() const { return port_; }
    // The addresses a student's machine may reach this one at, "http://...:port/".
    QStringList addresses() const;
    int stored() const { return desk_.files(); }

signals:
    // One line a request: who, and what came of it.
    void received(const QString& line, bool stored);

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    QString store(const QString& file, const QByteArray& body);

    CollectDesk desk_;
    QString folder_;
    QHostAddress bound_;
    quint16 port_ = 0;
    QElapsedTimer clock_;
    GuardedTcpServer* tcp_ = nullptr;
};

}   // namespace cls
