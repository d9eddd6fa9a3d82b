#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

#include "ui/preferences.h"

namespace lang {
namespace {
std::unique_ptr<QTranslator> own;
std::unique_ptr<QTranslator> qts;
QString installed = QStringLiteral("en");

void drop(std::unique_ptr<QTranslator>& t)
{
    if (t)
        QCoreApplication::removeTranslator(t.get());
    t.reset();
}
}   // namespace

QString startLanguage(const QLocale& system)
{
    const QString chosen = prefs::language();
    if (!chosen.isEmpty())
        return chosen;
    // the user's languages in order of preference (LANGUAGE, then the locale):
    // the first one Slidora speaks
    for (const QString& tag : system.uiLanguages()) {
        if (tag.startsWith(QLatin1String("de")))
            return QStringLiteral("de");
        if (tag.startsWith(QLatin1String("en")))
            return QStringLiteral("en");
    }
    return QStringLiteral("en");
}

bool install(const QString& code)
{
    drop(own);
    drop(qts);
    installed = QStringLiteral("en");
    if (code == QLatin1String("en"))
        return true;
    auto mine = std::make_unique<QTranslator>();
    if (!mine->load(QStringLiteral(":/i18n/slidora_%1.qm").arg(code)))
        return false;
    own = std::move(mine);
    QCoreApplication::installTranslator(own.get());
    // the standard dialogs' buttons; without Qt's translations they stay English
    auto theirs = std::make_unique<QTranslator>();
    if (theirs->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qts = std::move(theirs);
        QCoreApplication::installTranslator(qts.get());
    }
    installed = code;
    return true;
}

QString current()
{
    return installed;
}

bool decimalComma()
{
    return installed == QLatin1String("de");
}

QString shown(const QString& fixed)
{
    if (!decimalComma())
        return fixed;
    QString out = fixed;
    return out.replace(QLatin1Char('.'), QLatin1Char(','));
}

QString typed(const QString& text)
{
    if (!decimalComma())
        return text;
    QString out = text;
    return out.replace(QLatin1Char(','), QLatin1Char('.'));
}

QString shown(const std::string& fixed)
{
    return shown(QString::fromStdString(fixed));
}

}   // namespace lang
