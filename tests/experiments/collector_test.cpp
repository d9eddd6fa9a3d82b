// The collector on 127.0.0.1: what a student's Hand In sends is stored
// whole, anything else is refused, and nothing on disk is overwritten.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTcpSocket>
#include <QTemporaryDir>

#include "experiments/class_collector.h"
#include "experiments/hand_in_send.h"
#include "signed_hand_in.h"

namespace {

template <class Done> bool waitFor(Done done, int ms = 10'000)
{
    const QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

class CollectorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QStringList names;
        for (int i = 0; i < 30; ++i)
            names << QStringLiteral("Schüler %1").arg(i);
        class_ = cls::newClass("7b", sim::ChallengeKind::Glancing, names);
        collector_ = std::make_unique<cls::Collector>(class_, folder_.path());
        QString error;
        ASSERT_TRUE(collector_->start(QHostAddress::LocalHost, 0, &error)) << error.toStdString();
        url_ = QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(collector_->port()));
    }

    struct Sent {
        bool done = false, taken = false;
        QString line;
    };
    void send(const QByteArray& bytes, Sent* sent)
    {
        cls::sendHandIn(url_, bytes, qApp, [sent](bool taken, const QString& line) { *sent = {true, taken, line}; });
    }
    QStringList files() const { return QDir(folder_.path()).entryList(QDir::Files); }

    QTemporaryDir folder_;
    cls::ClassFile class_;
    std::unique_ptr<cls::Collector> collector_;
    QUrl url_;
};

TEST_F(CollectorTest, ThirtyStudentsPostingAtOnceAreAllStoredByteForByte)
{
    std::vector<Sent> sent(30);
    std::vector<QByteArray> bodies;
    for (const cls::Student& s : class_.students)
        bodies.push_back(signedHandIn(class_, s));
    for (size_t i = 0; i < bodies.size(); ++i)
        send(bodies[i], &sent[i]);
    ASSERT_TRUE(waitFor([&] { return std::all_of(sent.begin(), sent.end(), [](const Sent& s) { return s.done; }); }));
    for (const Sent& s : sent)
        EXPECT_TRUE(s.taken) << s.line.toStdString();
    ASSERT_EQ(files().size(), 30);
    for (size_t i = 0; i < bodies.size(); ++i) {
        QFile f(QDir(folder_.path()).filePath(cls::collectedFileName(class_.students[i].name, bodies[i])));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), bodies[i]);
    }
}

TEST_F(CollectorTest, RefusesWhatIsNotAHandInAndOverwritesNothing)
{
    const QByteArray anna = signedHandIn(class_, class_.students[0]);
    // a file already there under the name the collector would choose
    const QString there = QDir(folder_.path()).filePath(cls::collectedFileName(class_.students[0].name, anna));
    QFile f(there);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("kept") == 4);
    f.close();
    QByteArray forged = anna;
    forged.replace("Schüler 0", "Schüler 1");
    for (const QByteArray& body : {anna, forged, QByteArray("{}"), QByteArray()}) {
        Sent s;
        send(body, &s);
        ASSERT_TRUE(waitFor([&] { return s.done; }));
        EXPECT_FALSE(s.taken) << s.line.toStdString();
        EXPECT_TRUE(s.line.startsWith(QLatin1String("refused: "))) << s.line.toStdString();
    }
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "kept");
    EXPECT_EQ(files().size(), 1);
    EXPECT_EQ(collector_->stored(), 0);
}

TEST_F(CollectorTest, CutsOffAHugeBodyOrSomethingThatIsNotHttp)
{
    for (const QByteArray& start : {QByteArray("POST / HTTP/1.1\r\nHost: x\r\nContent-Length: 10000000\r\n\r\n"),
                                    QByteArray("\x16\x03\x01hello")}) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, collector_->port());
        ASSERT_TRUE(waitFor([&] { return socket.state() == QAbstractSocket::ConnectedState; }));
        socket.write(start);
        // well before the slow sender's deadline: cut off for its size or its bytes
        const QByteArray chunk(64 * 1024, 'x');
        const QDeadlineTimer sending(2000);
        while (!sending.hasExpired() && socket.state() == QAbstractSocket::ConnectedState) {
            socket.write(chunk);
            waitFor([&] { return socket.bytesToWrite() == 0 || socket.state() != QAbstractSocket::ConnectedState; },
                    100);
        }
        EXPECT_TRUE(waitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, 2000))
            << "still connected after " << start.left(4).toStdString();
    }
    EXPECT_TRUE(files().isEmpty());
}

TEST(CollectorAddressTest, ATypedAddressBecomesTheCollectorsUrlOrIsRefused)
{
    QString error;
    EXPECT_EQ(cls::collectorUrl(" 192.168.1.20:8765 ", &error), QUrl("http://192.168.1.20:8765/"));
    EXPECT_EQ(cls::collectorUrl("http://teacher.local:80/", &error), QUrl("http://teacher.local:80/"));
    for (const char* bad : {"", "192.168.1.20", "ftp://x:21/", "http://x:1/upload", "http://u:p@x:1/", "x:99999"})
        EXPECT_TRUE(cls::collectorUrl(bad, &error).isEmpty()) << bad;
}

}   // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
