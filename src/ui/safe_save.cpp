#include "ui/safe_save.h"

#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>

bool writesInPlace(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode))
        return true;
    // /dev/stdout and friends can point at a regular file the shell opened:
    // replacing it would leave the shell writing to an unlinked file.
    const QString real = QFileInfo(path).canonicalFilePath();
    const QString abs = QFileInfo(path).absoluteFilePath();
    for (const QString& p : {real, abs})
        if (p.startsWith(QLatin1String("/dev/")) || p.startsWith(QLatin1String("/proc/")))
            return true;
    return false;
}

SafeSave::SafeSave(const QString& path) : path_(path), direct_(writesInPlace(path)), saveFile_(path), plainFile_(path)
{}

bool SafeSave::open()
{
    QFileDevice& f = direct_ ? static_cast<QFileDevice&>(plainFile_) : saveFile_;
    if (!f.open(QIODevice::WriteOnly)) {
        fail(f.errorString());
        return false;
    }
    return true;
}

void SafeSave::write(std::string_view bytes)
{
    if (failed_)
        return;
    QFileDevice& f = direct_ ? static_cast<QFileDevice&>(plainFile_) : saveFile_;
    const qint64 n = static_cast<qint64>(bytes.size());
    errno = 0;
    if (f.write(bytes.data(), n) != n)
        failWriting(f);
}

bool SafeSave::commit()
{
    QFileDevice& f = direct_ ? static_cast<QFileDevice&>(plainFile_) : saveFile_;
    // The buffered bytes are written here; a full disk shows up now, and
    // QSaveFile::commit() would otherwise rename a short file into place.
    errno = 0;
    if (!failed_ && (!f.flush() || f.error() != QFileDevice::NoError))
        failWriting(f);
    if (direct_) {
        plainFile_.close();
        if (!failed_ && plainFile_.error() != QFileDevice::NoError)
            fail(plainFile_.errorString());
        return !failed_;
    }
    if (failed_) {
        saveFile_.cancelWriting();
        saveFile_.commit();   // only discards the temporary file
        return false;
    }
    if (!saveFile_.commit()) {
        fail(saveFile_.errorString());
        return false;
    }
    return true;
}

QString SafeSave::message() const
{
    return QStringLiteral("%1: %2").arg(path_, error_);
}

void SafeSave::failWriting(const QFileDevice& f)
{
    // A disk that fills up half-way gives a short write, which Qt reports as
    // "Unknown error"; the system's own reason is still in errno.
    fail(errno != 0 ? qt_error_string(errno) : f.errorString());
}

void SafeSave::fail(const QString& error)
{
    if (!failed_)
        error_ = error;
    failed_ = true;
}
