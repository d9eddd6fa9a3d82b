#include "experiments/file_reading.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

namespace {
QString tr(const char* text)
{
    return QCoreApplication::translate("FileReading", text);
}
}   // namespace

bool readExperimentBytes(const QString& path, QByteArray* bytes, QString* error)
{
    QFile f(path);
    if (!f.exists()) {
        *error = QCoreApplication::translate("FileReading", "\"%1\": File not found").arg(path);
        return false;
    }
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("\"%1\": %2").arg(path, f.errorString());
        return false;
    }
    *bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        *error = QStringLiteral("\"%1\": %2").arg(path, f.errorString());
        return false;
    }
    return true;
}

QString readErrorText(const std::string& message)
{
    // the reader's messages, some with a count in them
    static const QRegularExpression numberN(
        QStringLiteral("^Invalid numeric input in number (\\d+) of the experiment$"));
    static const QRegularExpression holdsN(QStringLiteral("^The experiment holds (\\d+) numbers instead of 27$"));
    const QString m = QString::fromStdString(message);
    if (const QRegularExpressionMatch n = numberN.match(m); n.hasMatch())
        return QCoreApplication::translate("FileReading", "Invalid numeric input in number %1 of the experiment")
            .arg(n.captured(1));
    if (const QRegularExpressionMatch n = holdsN.match(m); n.hasMatch())
        return QCoreApplication::translate("FileReading", "The experiment holds %1 numbers instead of 27")
            .arg(n.captured(1));
    static const char* const fixed[] = {
        QT_TRANSLATE_NOOP("FileReading", "Invalid numeric input"),
        QT_TRANSLATE_NOOP("FileReading", "The experiment holds more than 27 numbers"),
        QT_TRANSLATE_NOOP("FileReading", "The file holds no experiment data (no line \"START EXPERIMENT DATA\")."),
    };
    for (const char* f : fixed)
        if (message == f)
            return tr(f);
    return m;
}

QString parseErrorMessage(const QString& path, const exper::ParseError& e)
{
    const QString what = e.line > 0
        ? QCoreApplication::translate("FileReading", "line %1: %2").arg(e.line).arg(readErrorText(e.message))
        : readErrorText(e.message);
    return QStringLiteral("\"%1\", %2").arg(path, what);
}
