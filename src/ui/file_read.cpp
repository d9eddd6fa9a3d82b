#include "ui/file_read.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace files {
namespace {
QString said(const QString& path, const QString& why)
{
    return QStringLiteral("\"%1\": %2").arg(QDir::toNativeSeparators(path), why);
}

QString tooLarge(qint64 limit)
{
    return QCoreApplication::translate("FileReading", "larger than %1 KB, too large for this kind of file")
        .arg(limit / 1024);
}

QString notFound()
{
    return QCoreApplication::translate("FileReading", "File not found");
}

QString notRegular()
{
    return QCoreApplication::translate("FileReading", "not a regular file");
}

// Opened without blocking (a FIFO swapped in after the check would wait for a
// writer) and checked again on the open file itself.
bool openChecked(const QString& path, qint64 limit, QFile* f, QString* error)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *error = said(path, errno == ENOENT ? notFound() : qt_error_string(errno));
        return false;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > limit) {
        ::close(fd);
        *error = said(path, S_ISREG(st.st_mode) ? tooLarge(limit) : notRegular());
        return false;
    }
    if (!f->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *error = said(path, f->errorString());
        return false;
    }
    return true;
#else
    Q_UNUSED(limit);
    if (!f->open(QIODevice::ReadOnly)) {
        *error = said(path, f->errorString());
        return false;
    }
    return true;
#endif
}
}   // namespace

bool readRegularFile(const QString& path, qint64 limit, QByteArray* bytes, QString* error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = said(path, notFound());
        return false;
    }
    // devices are never opened: opening some has effects of its own
    if (!info.isFile()) {
        *error = said(path, notRegular());
        return false;
    }
    if (info.size() > limit) {
        *error = said(path, tooLarge(limit));
        return false;
    }
    QFile f;
    f.setFileName(path);
    if (!openChecked(path, limit, &f, error))
        return false;
    *bytes = f.read(limit + 1);
    if (f.error() != QFileDevice::NoError) {
        *error = said(path, f.errorString());
        return false;
    }
    if (bytes->size() > limit) {   // it grew while it was read
        *error = said(path, tooLarge(limit));
        return false;
    }
    return true;
}

}   // namespace files
