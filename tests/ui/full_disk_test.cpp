// Writes that fail: a full disk, devices and FIFOs. The process makes its
// own mount namespace before any thread starts, mounts a tiny tmpfs and a
// private folder of device nodes there, so the machine's /dev is never used.
// Without root (or where namespaces are refused) those cases are skipped.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

#include "experiments/experiment_box.h"
#include "private_settings.h"
#include "setup/controls.h"
#include "setup/table_window.h"
#include "ui/fake_platform.h"
#include "ui/safe_save.h"

namespace {
QString gFull;   // a tmpfs with no room left, or empty
QString gDevices;   // a tmpfs holding private null and full devices, or empty
QString gWhyNot;   // why they are missing

bool mountPrivateFolders(const QString& base)
{
    if (geteuid() != 0) {
        gWhyNot = QStringLiteral("not root");
        return false;
    }
    if (unshare(CLONE_NEWNS) != 0 || mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        gWhyNot = QStringLiteral("no private mount namespace: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    const QByteArray full = QFile::encodeName(base + "/full"), dev = QFile::encodeName(base + "/dev");
    if (mkdir(full, 0700) != 0 || mkdir(dev, 0700) != 0 || mount("tmpfs", full, "tmpfs", 0, "size=64k") != 0
        || mount("tmpfs", dev, "tmpfs", 0, "size=64k") != 0) {
        gWhyNot = QStringLiteral("cannot mount a tmpfs: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    if (mknod(dev + "/null", S_IFCHR | 0666, makedev(1, 3)) != 0
        || mknod(dev + "/full", S_IFCHR | 0666, makedev(1, 7)) != 0
        || mknod(dev + "/zero", S_IFCHR | 0666, makedev(1, 5)) != 0) {
        gWhyNot = QStringLiteral("cannot make device nodes: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    gFull = QFile::decodeName(full);
    gDevices = QFile::decodeName(dev);
    return true;
}

void emptyFull()
{
    for (const QString& name : QDir(gFull).entryList(QDir::Files))
        QFile::remove(gFull + "/" + name);
}

// Fills the tmpfs up, so nothing new fits.
void fillUp()
{
    QFile filler(gFull + "/filler");
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray block(512, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {}
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

struct Outcome {
    int status;
    QByteArray out, err;
};
Outcome exportTrace(const QString& output, const QString& ticks = QStringLiteral("400"))
{
    QProcess p;
    p.start(QStringLiteral(SLIDORA_BINARY),
            {QStringLiteral("--export-trace"), QStringLiteral("--catalogue"), QStringLiteral("3"),
             QStringLiteral("--ticks"), ticks, QStringLiteral("--output"), output});
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

bool isCharDevice(const QString& path)
{
    struct stat st {};
    return stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISCHR(st.st_mode);
}

#define NEEDS_PRIVATE_MOUNTS()                                                                                         \
    if (gFull.isEmpty())                                                                                               \
    GTEST_SKIP() << "skipped: " << gWhyNot.toStdString() << " (run as root for the full-disk cases)"
}   // namespace

TEST(FullDisk, ASaveOntoAFullDiskSaysWhyAndKeepsTheOldFile)
{
    NEEDS_PRIVATE_MOUNTS();
    const QByteArray old = "Old explanation\r\nSTART EXPERIMENT DATA\r\n1 2 3\r\n";
    emptyFull();
    writeFile(gFull + "/old.col", old);
    fillUp();

    FakePlatform platform;
    TableWindow window(platform);
    window.controls().delaytimer1->stop();
    ExperimentBox box(window, platform);
    QString words = QStringLiteral("A long explanation that does not fit. ").repeated(20);
    for (const QString& name : {QStringLiteral("old.col"), QStringLiteral("new.col")}) {
        window.controls().Save1->trigger();
        box.memo()->setPlainText(words);
        platform.saveAnswers.push_back(gFull + "/" + name);
        box.loadSaveButton()->click();
        ASSERT_FALSE(platform.messages.isEmpty()) << name.toStdString();
        EXPECT_EQ(platform.messages.takeLast(), gFull + "/" + name + ": No space left on device");
        EXPECT_FALSE(box.box()->isHidden());
        EXPECT_EQ(box.memo()->toPlainText(), words);
    }
    EXPECT_EQ(readFile(gFull + "/old.col"), old);
    EXPECT_FALSE(QFile::exists(gFull + "/new.col"));
    EXPECT_EQ(QDir(gFull).entryList(QDir::Files), QStringList({"filler", "old.col"}));
}

TEST(FullDisk, AnExportOntoAFullDiskFailsAndLeavesNoFile)
{
    NEEDS_PRIVATE_MOUNTS();
    const QByteArray old = "tick,redX\n1,2\n";
    emptyFull();
    writeFile(gFull + "/old.csv", old);
    fillUp();
    // 5 ticks stay in the write buffer until the end; 400 fail on the way
    for (const QString& name : {QStringLiteral("old.csv"), QStringLiteral("new.csv")})
        for (const QString& ticks : {QStringLiteral("5"), QStringLiteral("400")}) {
            const Outcome o = exportTrace(gFull + "/" + name, ticks);
            EXPECT_EQ(o.status, 2) << name.toStdString() << " " << ticks.toStdString();
            EXPECT_EQ(o.err, "slidora: " + QFile::encodeName(gFull + "/" + name) + ": No space left on device\n");
        }
    EXPECT_EQ(readFile(gFull + "/old.csv"), old);
    EXPECT_EQ(QDir(gFull).entryList(QDir::Files), QStringList({"filler", "old.csv"}));
}

// A disk that fills up half-way through an export says so too.
TEST(FullDisk, AnExportThatFillsTheDiskSaysWhy)
{
    NEEDS_PRIVATE_MOUNTS();
    for (const QString& ticks : {QStringLiteral("400"), QStringLiteral("4000")}) {
        emptyFull();
        writeFile(gFull + "/filler", QByteArray(40000, 'x'));
        const Outcome o = exportTrace(gFull + "/new.csv", ticks);
        EXPECT_EQ(o.status, 2) << ticks.toStdString();
        EXPECT_EQ(o.err.toStdString(),
                  ("slidora: " + QFile::encodeName(gFull + "/new.csv") + ": No space left on device\n").toStdString());
        EXPECT_FALSE(QFile::exists(gFull + "/new.csv"));
    }
}

TEST(FullDisk, DevicesAreWrittenInPlaceNeverReplaced)
{
    NEEDS_PRIVATE_MOUNTS();
    const Outcome full = exportTrace(gDevices + "/full");
    EXPECT_EQ(full.status, 2);
    EXPECT_TRUE(full.err.contains("No space left on device")) << full.err.constData();
    const Outcome null = exportTrace(gDevices + "/null");
    EXPECT_EQ(null.status, 0) << null.err.constData();
    EXPECT_TRUE(isCharDevice(gDevices + "/full"));
    EXPECT_TRUE(isCharDevice(gDevices + "/null"));
    EXPECT_EQ(QDir(gDevices).entryList(QDir::Files | QDir::System | QDir::Hidden),
              QStringList({"full", "null", "zero"}));
}

// An endless device named as the experiment, directly or through a link, is
// refused before a byte is read (it once grew to 2 GB).
TEST(FullDisk, AnEndlessDeviceIsNeverReadAsAnExperiment)
{
    NEEDS_PRIVATE_MOUNTS();
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("zero.col"));
    ASSERT_TRUE(QFile::link(gDevices + "/zero", link));
    for (const QString& experiment : {gDevices + "/zero", link}) {
        QProcess p;
        p.start(QStringLiteral(SLIDORA_BINARY), {"--export-trace", "--experiment", experiment, "--ticks", "5"});
        ASSERT_TRUE(p.waitForFinished(20000));
        EXPECT_EQ(p.exitCode(), 2);
        EXPECT_EQ(p.readAllStandardError(), "slidora: \"" + QFile::encodeName(experiment) + "\": not a regular file\n");
    }
}

TEST(DirectWrite, AFifoGetsTheWholeExportAndStaysAFifo)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QByteArray received;
    std::thread reader([&] {
        const int fd = ::open(QFile::encodeName(fifo).constData(), O_RDONLY);
        char buf[4096];
        for (ssize_t n; fd >= 0 && (n = ::read(fd, buf, sizeof buf)) > 0;)
            received.append(buf, n);
        if (fd >= 0)
            ::close(fd);
    });
    const Outcome o = exportTrace(fifo, QStringLiteral("50"));
    reader.join();
    EXPECT_EQ(o.status, 0) << o.err.constData();
    const Outcome plain = exportTrace(dir.filePath(QStringLiteral("plain.csv")), QStringLiteral("50"));
    EXPECT_EQ(received, readFile(dir.filePath(QStringLiteral("plain.csv"))));
    EXPECT_EQ(received.count('\n'), 51);
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(fifo).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System), QStringList({"pipe", "plain.csv"}));
}

TEST(DirectWrite, WhatIsWrittenInPlace)
{
    EXPECT_TRUE(writesInPlace(QStringLiteral("/dev/null")));
    EXPECT_TRUE(writesInPlace(QStringLiteral("/dev/stdout")));
    EXPECT_TRUE(writesInPlace(QStringLiteral("/dev/no-such-device")));
    QTemporaryDir dir;
    EXPECT_FALSE(writesInPlace(dir.filePath(QStringLiteral("new.col"))));
    writeFile(dir.filePath(QStringLiteral("old.col")), "x");
    EXPECT_FALSE(writesInPlace(dir.filePath(QStringLiteral("old.col"))));
}

int main(int argc, char** argv)
{
    // Before Qt starts a thread: a namespace cannot be entered afterwards.
    QTemporaryDir base;
    base.setAutoRemove(false);
    const bool mounted = mountPrivateFolders(base.path());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    PrivateSettings settings;
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (!mounted)
        std::printf("Full-disk and device cases skipped: %s\n", gWhyNot.toLocal8Bit().constData());
    const int status = RUN_ALL_TESTS();
    if (mounted) {
        umount2(QFile::encodeName(gFull).constData(), MNT_DETACH);
        umount2(QFile::encodeName(gDevices).constData(), MNT_DETACH);
    }
    QDir(base.path()).removeRecursively();
    return status;
}
