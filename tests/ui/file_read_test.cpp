// Files the user names are read only when they are regular files of a size
// that fits what they hold: nothing blocks on a FIFO or grows on a huge file.
#include "experiments/experiment_fixture.h"

#include <QElapsedTimer>
#include <sys/stat.h>

#include "ui/file_read.h"

namespace {
class FileReadTest : public ExperimentTest {
protected:
    void fifo(const QString& name) { ASSERT_EQ(mkfifo(QFile::encodeName(path(name)).constData(), 0600), 0); }
};

TEST_F(FileReadTest, OnlyARegularFileWithinItsBoundIsRead)
{
    write(QStringLiteral("ok.col"), QByteArray(64, 'x'));
    write(QStringLiteral("full.col"), QByteArray(1024, 'x'));
    write(QStringLiteral("over.col"), QByteArray(1025, 'x'));
    fifo(QStringLiteral("pipe.col"));
    ASSERT_TRUE(QFile::link(path(QStringLiteral("pipe.col")), path(QStringLiteral("link.col"))));
    QDir(dir.path()).mkdir(QStringLiteral("folder.col"));
    const struct {
        const char* name;
        const char* error;   // empty when it is read
    } cases[] = {
        {"ok.col", ""},
        {"full.col", ""},
        {"over.col", "larger than 1 KB, too large for this kind of file"},
        {"pipe.col", "not a regular file"},
        {"link.col", "not a regular file"},
        {"folder.col", "not a regular file"},
        {"none.col", "File not found"},
    };
    for (const auto& c : cases) {
        QByteArray bytes;
        QString error;
        const QString name = path(QString::fromLatin1(c.name));
        const bool read = files::readRegularFile(name, 1024, &bytes, &error);
        EXPECT_EQ(read, !*c.error) << c.name;
        EXPECT_EQ(error, *c.error ? QStringLiteral("\"%1\": %2").arg(name, QString::fromLatin1(c.error)) : QString());
    }
}

// The command line and a lesson at start-up answer at once, the lesson's
// line on standard error before its message box.
TEST_F(FileReadTest, AFifoOrAHugeFileIsRefusedAtOnce)
{
    fifo(QStringLiteral("pipe.col"));
    write(QStringLiteral("huge.col"), QByteArray(1 << 20, ' '));
    write(QStringLiteral("pipe.ini"), QByteArray());
    QFile::remove(path(QStringLiteral("pipe.ini")));
    fifo(QStringLiteral("pipe.ini"));
    write(QStringLiteral("lesson.ini"), "experiment = pipe.col\n");
    const QString out = path(QStringLiteral("out.csv"));
    expectRefused({{"--export-trace", "--experiment", path(QStringLiteral("pipe.col")), "--output", out},
                   {"--export-trace", "--experiment", path(QStringLiteral("huge.col")), "--output", out},
                   {"--export-image", "--experiment", path(QStringLiteral("pipe.col")), "--output", out + ".png"}},
                  out);
    for (const char* lesson : {"pipe.ini", "lesson.ini"}) {
        QProcess p;
        p.setReadChannel(QProcess::StandardError);
        p.start(QStringLiteral(SLIDORA_BINARY), {QStringLiteral("--lesson"), path(QString::fromLatin1(lesson))});
        QElapsedTimer clock;
        clock.start();
        QByteArray line;   // the toolkit's own warnings aside
        while (!line.startsWith("slidora:") && clock.elapsed() < 30000)
            if (p.canReadLine() || p.waitForReadyRead(100))
                line = p.readLine();
        p.kill();
        p.waitForFinished();
        EXPECT_TRUE(line.contains("not a regular file")) << lesson << ": " << line.toStdString();
    }
}
}   // namespace
