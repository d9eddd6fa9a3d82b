// The class's commands end to end: a class from a names file, the key, hand-ins and the board.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

namespace {

// A shell command's output and exit status.
std::pair<QString, int> shell(const std::string& command)
{
    FILE* p = popen((command + " 2>&1").c_str(), "r");
    QByteArray out;
    char buf[4096];
    for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;)
        out.append(buf, static_cast<qsizetype>(n));
    const int status = pclose(p);
    return {QString::fromUtf8(out), WEXITSTATUS(status)};
}

std::pair<QString, int> run(const QString& args)
{
    return shell(std::string("'") + SLIDORA_BINARY + "' " + args.toStdString());
}

TEST(ClassCommandsTest, AClassHandsInAndTheBoardShowsWhoIsRight)
{
    QTemporaryDir dir;
    const QString d = dir.path();
    QFile names(d + "/names.txt");
    ASSERT_TRUE(names.open(QIODevice::WriteOnly));
    names.write("Jürgen Müller\nZoë Çelik\nLi Wei\n");
    names.close();
    const QString cls = d + "/c.slidora-class";
    ASSERT_EQ(run("--new-class --name '7b' --students '" + d + "/names.txt' --output '" + cls + "'").second, 0);
    const QStringList key = run("--class-key '" + cls + "'").first.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(key.size(), 4) << key.join('\n').toStdString();
    // a slip for each student, the words kept as text
    ASSERT_EQ(run("--class-slips '" + cls + "' --output '" + d + "/slips.pdf'").second, 0);
    const auto [slips, pdfStatus] = shell("pdftotext '" + d.toStdString() + "/slips.pdf' -");
    ASSERT_EQ(pdfStatus, 0) << slips.toStdString();
    for (int i = 1; i <= 3; ++i) {
        const QStringList f = key[i].split(',');
        EXPECT_TRUE(slips.contains(f[1]) && slips.contains(f[0].mid(1, f[0].size() - 2))) << f[0].toStdString();
    }
    EXPECT_EQ(run("--class-slips '" + cls + "'").first, "slidora: --class-slips needs --output FILE.pdf\n");
    QDir(d).mkdir("in");
    for (int i = 1; i <= 3; ++i) {
        const QStringList f = key[i].split(',');   // "name",code,kind,seed,...,answer
        const QString answer = i == 1 ? f.last() : "1000";
        const auto [out, status] = run("--hand-in --code " + f[1] + " --name " + f[0] + " --answers " + answer
                                       + " --output '" + d + "/in/" + QString::number(i) + ".slidora-result'");
        EXPECT_EQ(status, 0) << out.toStdString();
    }
    QString mistyped = key[1].split(',')[1];
    mistyped[0] = mistyped[0] == 'A' ? 'B' : 'A';
    EXPECT_EQ(run("--hand-in --code " + mistyped + " --name x --output '" + d + "/x'").first,
              "slidora: --code: not a join code (mistyped?)\n");
    const auto [board, status] = run("--class-results '" + cls + "' '" + d + "/in' --format tsv");
    EXPECT_EQ(status, 0);
    const QStringList rows = board.split('\n');
    EXPECT_TRUE(rows[1].startsWith("Jürgen Müller\tyes\t")) << board.toStdString();
    EXPECT_EQ(rows[1].split('\t')[3], "yes");
    EXPECT_EQ(rows[2].split('\t')[3], "no");
    EXPECT_EQ(run("--class-results '" + cls + "'").first, "slidora: --class-results needs a class file and a folder\n");
}

TEST(ClassCommandsTest, CollectReadsItsOptionsWholeThenTakesAHandInUntilItsTimeIsUp)
{
    QTemporaryDir dir;
    const QString d = dir.path();
    QFile names(d + "/names.txt");
    ASSERT_TRUE(names.open(QIODevice::WriteOnly) && names.write("Ann\n") > 0);
    names.close();
    const QString cls = "'" + d + "/c.slidora-class'";
    ASSERT_EQ(run("--new-class --name 7b --students '" + d + "/names.txt' --output " + cls).second, 0);
    const struct {
        const char* options;
        const char* line;
    } refused[] = {
        {"--port 0", "--collect needs --port with a number from 1 to 65535"},
        {"--port 8765 --bind nowhere", "--bind needs an address such as 127.0.0.1, not \"nowhere\""},
        {"--port 8765 --for 0", "--for needs a number of seconds from 1 to 86400"},
        {"--port 8765 --format tsv", "--format does not go with --collect"},
    };
    for (const auto& r : refused) {
        const auto [out, status] = run("--collect " + cls + " '" + d + "' " + r.options);
        EXPECT_EQ(status, 2);
        EXPECT_EQ(out, QString("slidora: ") + r.line + "\n");
    }
    QTcpServer probe;   // a port free a moment ago
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const QString port = QString::number(probe.serverPort());
    probe.close();
    const QString code = run("--class-key " + cls).first.split('\n')[1].split(',')[1];
    ASSERT_EQ(run("--hand-in --code " + code + " --name Ann --output '" + d + "/ann'").second, 0);
    QFile ann(d + "/ann");
    ASSERT_TRUE(ann.open(QIODevice::ReadOnly));
    const QByteArray body = ann.readAll();
    QDir(d).mkdir("in");
    const std::string command = std::string("'") + SLIDORA_BINARY + "' --collect " + cls.toStdString() + " '"
        + d.toStdString() + "/in' --port " + port.toStdString() + " --bind 127.0.0.1 --for 2";
    FILE* p = popen(command.c_str(), "r");
    QTcpSocket socket;
    for (int i = 0; i < 50 && socket.state() != QAbstractSocket::ConnectedState; ++i) {
        QThread::msleep(20);
        socket.connectToHost(QHostAddress::LocalHost, port.toUShort());
        socket.waitForConnected(100);
    }
    socket.write("POST / HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n"
                 + body);
    ASSERT_TRUE(socket.waitForReadyRead(5000));
    EXPECT_TRUE(socket.readAll().startsWith("HTTP/1.1 201"));
    QByteArray out;
    char buf[4096];
    for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;)
        out.append(buf, static_cast<qsizetype>(n));
    EXPECT_EQ(pclose(p), 0);
    EXPECT_TRUE(out.contains("at http://127.0.0.1:" + port.toUtf8() + "/")) << out.toStdString();
    EXPECT_TRUE(out.contains("127.0.0.1: received: Ann's hand-in\nStopped; hand-ins stored: 1")) << out.toStdString();
    EXPECT_EQ(QDir(d + "/in").entryList(QDir::Files).size(), 1);
}

}   // namespace
