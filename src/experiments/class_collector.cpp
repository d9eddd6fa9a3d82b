#include "experiments/class_collector.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include "ui/safe_save.h"

namespace cls {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ClassCollect)
};

constexpr int kConnections = 128;
constexpr int kAddressConnections = 32;   // a class behind one router
constexpr qint64 kRequestBytes = kHandInLimit + 8 * 1024;   // the file and its headers
constexpr qint64 kReadBuffer = 2 * kRequestBytes;
constexpr int kDeadlineMs = 10'000;   // a slow sender is cut off

// An IPv4 peer of a dual-stack socket as the teacher would write it.
QString plainAddress(const QHostAddress& a)
{
    bool v4 = false;
    const quint32 ip = a.toIPv4Address(&v4);
    return v4 ? QHostAddress(ip).toString() : a.toString();
}

void cutOff(QTcpSocket* s)
{
    s->abort();
    s->deleteLater();
}

}   // namespace

// Hands the HTTP server only the connections within the bounds, each with a
// deadline and a byte count that cut it off before its request grows large.
class GuardedTcpServer : public QTcpServer {
public:
    using QTcpServer::QTcpServer;

    QTcpSocket* nextPendingConnection() override
    {
        while (QTcpSocket* s = QTcpServer::nextPendingConnection()) {
            if (admit(s))
                return s;
            cutOff(s);
        }
        return nullptr;
    }

private:
    struct Open {
        int all = 0;
        QHash<QString, int> by;
    };

    bool admit(QTcpSocket* s)
    {
        const QString who = plainAddress(s->peerAddress());
        if (open_->all >= kConnections || open_->by.value(who) >= kAddressConnections)
            return false;
        ++open_->all;
        ++open_->by[who];
        // the counts outlive the server, for sockets that go after it
        connect(s, &QObject::destroyed, [open = open_, who] {
            --open->all;
            if (--open->by[who] <= 0)
                open->by.remove(who);
        });
        s->setReadBufferSize(kReadBuffer);
        // runs before the HTTP server reads, so it sees each chunk once
        connect(s, &QTcpSocket::readyRead, s, [s] {
            const qint64 seen = s->property("slidoraBytes").toLongLong() + s->bytesAvailable();
            s->setProperty("slidoraBytes", seen);
            if (seen > kRequestBytes)
                QMetaObject::invokeMethod(
                    s, [s] { cutOff(s); }, Qt::QueuedConnection);
        });
        QTimer::singleShot(kDeadlineMs, s, [s] { cutOff(s); });
        return true;
    }

    std::shared_ptr<Open> open_ = std::make_shared<Open>();
};

Collector::Collector(const ClassFile& c, const QString& folder, QObject* parent)
    : QAbstractHttpServer(parent), desk_(c), folder_(folder)
{
    clock_.start();
}

Collector::~Collector() = default;

bool Collector::start(const QHostAddress& address, quint16 port, QString* error)
{
    if (!QFileInfo(folder_).isDir()) {
        *error = Text::tr("\"%1\" is not a folder").arg(folder_);
        return false;
    }
    tcp_ = new GuardedTcpServer(this);
    if (!tcp_->listen(address, port)) {
        *error = Text::tr("cannot listen on port %1: %2").arg(port).arg(tcp_->errorString());
        delete tcp_;
        tcp_ = nullptr;
        return false;
    }
    bind(tcp_);
    bound_ = address;
    port_ = tcp_->serverPort();
    return true;
}

QStringList Collector::addresses() const
{
    QList<QHostAddress> hosts;
    if (bound_ == QHostAddress::Any || bound_ == QHostAddress::AnyIPv4 || bound_ == QHostAddress::AnyIPv6) {
        for (const QHostAddress& a : QNetworkInterface::allAddresses())
            if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback())
                hosts << a;
        if (hosts.isEmpty())
            hosts << QHostAddress(QHostAddress::LocalHost);
    } else {
        hosts << bound_;
    }
    QStringList out;
    for (const QHostAddress& a : hosts) {
        const QString host =
            a.protocol() == QAbstractSocket::IPv6Protocol ? QStringLiteral("[%1]").arg(a.toString()) : a.toString();
        out << QStringLiteral("http://%1:%2/").arg(host).arg(port_);
    }
    return out;
}

QString Collector::store(const QString& file, const QByteArray& body)
{
    const QString path = QDir(folder_).filePath(file);
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink())   // never over a file that is there
        return Text::tr("a file named %1 is already there").arg(file);
    SafeSave save(path);
    if (save.open())
        save.write(std::string_view(body.constData(), size_t(body.size())));
    return save.commit() ? QString() : save.message();
}

bool Collector::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket)
{
    using Status = QHttpServerResponder::StatusCode;
    QHttpServerResponder responder = makeResponder(request, socket);
    const QString who = plainAddress(request.remoteAddress());
    const QByteArray type = "text/plain; charset=utf-8";
    if (request.method() != QHttpServerRequest::Method::Post || request.url().path() != QLatin1String("/")) {
        responder.write(QByteArrayLiteral("Slidora takes result files: POST one to /\n"), type, Status::NotFound);
        emit received(Text::tr("%1: refused: not a hand-in").arg(who), false);
        return true;
    }
    const QByteArray body = request.body();
    CollectAnswer a = desk_.take(who, body, clock_.elapsed());
    if (a.taken == Taken::Stored) {
        if (const QString why = store(a.file, body); why.isEmpty()) {
            desk_.stored(who, body);
        } else {
            a.status = 500;
            a.taken = Taken::Refused;
            a.line = Text::tr("refused: not written: %1").arg(why);
        }
    }
    responder.write(a.line.toUtf8() + '\n', type, Status(a.status));
    emit received(QStringLiteral("%1: %2").arg(who, a.line), a.taken == Taken::Stored);
    return true;
}

void Collector::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket)
{
    makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
}

}   // namespace cls
