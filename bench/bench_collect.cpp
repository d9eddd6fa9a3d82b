// The collector as a student's machine meets it: `slidora --collect` on
// 127.0.0.1, each hand-in POSTed on a connection of its own. Prints the
// median and the slowest answer of 100 posts paced below the per-address
// limit, then 30 students posting at once.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "experiments/class_file.h"
#include "experiments/hand_in.h"

namespace {

QByteArray handInOf(const cls::ClassFile& c, const cls::Student& s)
{
    cls::HandIn h;
    h.name = s.name;
    h.classId = cls::classIdOf(c.secret);
    h.kind = c.kind;
    h.seed = s.seed;
    h.answers.push_back({1.0, QStringLiteral("2026-12-10T10:00:00Z"), QStringLiteral("not yet")});
    h.handedIn = QStringLiteral("2026-12-10T10:00:00Z");
    return cls::handInText(h, cls::handInKey(c.fieldsOf(s)));
}

QByteArray request(const QByteArray& body)
{
    return "POST / HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\nContent-Length: "
        + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

// The status of the answer, 0 when there was none.
int statusOf(QTcpSocket& s)
{
    QByteArray reply;
    while (!reply.contains("\r\n") && s.waitForReadyRead(5000))
        reply += s.readAll();
    return reply.startsWith("HTTP/1.1 ") ? reply.mid(9, 3).toInt() : 0;
}

}   // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList names;
    for (int i = 0; i < 130; ++i)
        names << QStringLiteral("Schüler %1").arg(i);
    const cls::ClassFile c = cls::newClass(QStringLiteral("bench"), sim::ChallengeKind::Mass, names);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("c.slidora-class")));
    if (!file.open(QIODevice::WriteOnly) || file.write(cls::classFileText(c)) <= 0)
        return 1;
    file.close();
    QDir(dir.path()).mkdir(QStringLiteral("in"));
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    QProcess collector;
    collector.start(QStringLiteral(SLIDORA_BINARY),
                    {QStringLiteral("--collect"), file.fileName(), dir.filePath(QStringLiteral("in")),
                     QStringLiteral("--port"), QString::number(port), QStringLiteral("--bind"),
                     QStringLiteral("127.0.0.1"), QStringLiteral("--for"), QStringLiteral("60")});
    if (!collector.waitForReadyRead(5000))
        return 1;
    std::vector<double> ms;
    for (int i = 0; i < 100; ++i) {
        const QByteArray body = handInOf(c, c.students[size_t(i)]);
        QElapsedTimer t;
        t.start();
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, port);
        s.write(request(body));
        const int status = statusOf(s);
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
        if (status != 201)
            std::printf("post %d answered %d\n", i, status);
        QThread::msleep(60);   // below 20 a second: the per-address limit
    }
    std::sort(ms.begin(), ms.end());
    std::printf("100 posts, each on its own connection: median %.2f ms, slowest %.2f ms\n", ms[50], ms.back());
    QThread::msleep(2100);   // the burst allowance back
    std::vector<std::unique_ptr<QTcpSocket>> at;
    QElapsedTimer all;
    all.start();
    for (int i = 100; i < 130; ++i) {
        at.push_back(std::make_unique<QTcpSocket>());
        at.back()->connectToHost(QHostAddress::LocalHost, port);
        at.back()->write(request(handInOf(c, c.students[size_t(i)])));
    }
    int stored = 0;
    for (auto& s : at)
        stored += statusOf(*s) == 201;
    std::printf("30 at once: %d stored, all answered in %.1f ms\n", stored, double(all.nsecsElapsed()) / 1e6);
    collector.kill();
    collector.waitForFinished();
    return 0;
}
