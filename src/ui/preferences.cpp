#include "ui/preferences.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace prefs {
namespace {
const QString kOrganisation = QStringLiteral("Slidora");
const QString kApplication = QStringLiteral("Slidora");
constexpr int kPathLength = 4096;

QSettings store()
{
    return QSettings(kOrganisation, kApplication);
}

// The stored text of `key` when it is text of at most `limit` characters
// with no control character; empty otherwise.
QString text(const QString& key, int limit)
{
    const QVariant v = store().value(key);
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
    QSettings s = store();
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

}   // namespace prefs
