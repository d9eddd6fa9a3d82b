#include "ui/preferences.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSettings>

#include "engine/utf8.h"
#include "ui/file_read.h"

namespace prefs {
namespace {
// No sound settings file comes near this; past it a file is set aside.
constexpr qint64 kFileLimit = 64 * 1024;
constexpr int kPathLength = 4096;
const QString kFileName = QStringLiteral("/Slidora/Slidora.conf");

// The user's file, or empty without a home: never the file system's root.
QString userPath()
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isAbsolutePath(config))
        return config + kFileName;
    const QString home = qEnvironmentVariable("HOME");
    return QDir::isAbsolutePath(home) ? home + QStringLiteral("/.config") + kFileName : QString();
}

QStringList systemPaths()
{
    QStringList dirs = qEnvironmentVariable("XDG_CONFIG_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (dirs.isEmpty())
        dirs << QStringLiteral("/etc/xdg");
    QStringList out;
    for (const QString& d : dirs)
        if (QDir::isAbsolutePath(d))
            out << d + kFileName;
    return out;
}

// INI text as the settings write it: sections, keys and comments, in UTF-8.
// Anything else is damage that would be read as garbage and written back.
bool soundText(const QByteArray& bytes)
{
    if (!sim::isWellFormedUtf8(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))))
        return false;
    for (const QByteArray& raw : bytes.split('\n')) {
        for (char c : raw)
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\r')
                return false;
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[') ? !line.endsWith(']') : line.indexOf('=') <= 0)
            return false;
    }
    return true;
}

// A settings file that can be used as it is. A FIFO or a device is never
// opened: it would block the start or never end.
bool sound(const QString& path)
{
    QByteArray bytes;
    QString why;
    return files::readRegularFile(path, kFileLimit, &bytes, &why) && soundText(bytes)
        && QSettings(path, QSettings::IniFormat).status() == QSettings::NoError;
}

// Values remembered for this session only, while the user's file cannot be used.
QHash<QString, QVariant>& sessionValues()
{
    static QHash<QString, QVariant> values;
    return values;
}

// The user's file when it can be read and written. A damaged or oversized
// regular file is kept aside as "Slidora.conf.damaged" and a fresh one
// started; anything else in its place is left alone, a dangling link too
// (writing through it would make a file where the link points).
QString usableUserPath()
{
    const QString path = userPath();
    if (path.isEmpty())
        return QString();
    const QFileInfo f(path);
    if (f.isSymLink() && !f.exists())
        return QString();
    if (!f.exists() || sound(path)) {
        sessionValues().clear();
        return path;
    }
    if (!f.isFile() || f.isSymLink())
        return QString();
    const QString aside = path + QStringLiteral(".damaged");
    QFile::remove(aside);
    return QFile::rename(path, aside) ? path : QString();
}

QVariant value(const QString& key)
{
    const QString user = usableUserPath();
    if (user.isEmpty()) {
        if (sessionValues().contains(key))
            return sessionValues().value(key);
    } else if (QSettings s(user, QSettings::IniFormat); s.contains(key)) {
        return s.value(key);
    }
    for (const QString& path : systemPaths())
        if (QFileInfo::exists(path) && sound(path))
            if (QSettings s(path, QSettings::IniFormat); s.contains(key))
                return s.value(key);
    return QVariant();
}

// The stored text of `key` when it is text of at most `limit` characters
// with no control character; empty otherwise.
QString text(const QString& key, int limit)
{
    const QVariant v = value(key);
    if (v.typeId() != QMetaType::QString)
        return QString();
    const QString s = v.toString();
    if (s.size() > limit)
        return QString();
    for (QChar c : s)
        if (c.category() == QChar::Other_Control)
            return QString();
    return s;
}

void put(const QString& key, const QVariant& value)
{
    const QString user = usableUserPath();
    if (user.isEmpty()) {
        sessionValues().insert(key, value);
        return;
    }
    QSettings s(user, QSettings::IniFormat);
    s.setValue(key, value);
    s.sync();   // a file that cannot be written leaves the setting for this start only
}

QString folderKey(Folder which)
{
    return which == Folder::Experiments ? QStringLiteral("folders/experiments") : QStringLiteral("folders/exports");
}
}   // namespace

QString folder(Folder which)
{
    const QString path = text(folderKey(which), kPathLength);
    return !path.isEmpty() && QFileInfo(path).isAbsolute() && QFileInfo(path).isDir() ? path : QString();
}

void rememberFileIn(Folder which, const QString& filePath)
{
    if (!filePath.isEmpty())
        put(folderKey(which), QFileInfo(filePath).absolutePath());
}

QString name()
{
    return text(QStringLiteral("name"), kNameLength);
}

void setName(const QString& name)
{
    put(QStringLiteral("name"), name.left(kNameLength));
}

int validZoom(int percent)
{
    return percent == 125 || percent == 150 || percent == 200 ? percent : 100;
}

int zoom()
{
    bool ok = false;
    const int percent = text(QStringLiteral("zoom"), 3).toInt(&ok);
    return ok ? validZoom(percent) : 100;
}

void setZoom(int percent)
{
    put(QStringLiteral("zoom"), QString::number(validZoom(percent)));
}

bool isLanguage(const QString& code)
{
    return code.isEmpty() || code == QLatin1String("en") || code == QLatin1String("de");
}

QString language()
{
    const QString code = text(QStringLiteral("language"), 2);
    return isLanguage(code) ? code : QString();
}

void setLanguage(const QString& code)
{
    put(QStringLiteral("language"), isLanguage(code) ? code : QString());
}

QString exportFormat()
{
    return text(QStringLiteral("export/format"), 20);
}

void setExportFormat(const QString& format)
{
    put(QStringLiteral("export/format"), format);
}

QString exportContent()
{
    return text(QStringLiteral("export/content"), 20);
}

void setExportContent(const QString& content)
{
    put(QStringLiteral("export/content"), content);
}

bool exportFullPrecision()
{
    return text(QStringLiteral("export/full-precision"), 5) == QLatin1String("true");
}

void setExportFullPrecision(bool on)
{
    put(QStringLiteral("export/full-precision"), on ? QStringLiteral("true") : QStringLiteral("false"));
}

bool predictFirst()
{
    return text(QStringLiteral("view/predict-first"), 5) == QLatin1String("true");
}

void setPredictFirst(bool on)
{
    put(QStringLiteral("view/predict-first"), on ? QStringLiteral("true") : QStringLiteral("false"));
}

QString handInTo()
{
    return text(QStringLiteral("class/hand-in"), 1024).trimmed();
}

void setHandInTo(const QString& where)
{
    put(QStringLiteral("class/hand-in"), where);
}

}   // namespace prefs
