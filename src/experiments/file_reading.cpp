#include "experiments/file_reading.h"

#include <QCoreApplication>
#include <QFile>

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
    return tr(message.c_str());
}

QString parameterErrorText(const exper::ParameterParse& p)
{
    const QString text = tr(p.errorPattern ? p.errorPattern : p.error.c_str());
    return text.contains(QLatin1String("%1")) ? text.arg(p.errorNumber) : text;
}

QString parseErrorMessage(const QString& path, const exper::ParseError& e)
{
    const QString what = e.line > 0
        ? QCoreApplication::translate("FileReading", "line %1: %2").arg(e.line).arg(readErrorText(e.message))
        : readErrorText(e.message);
    return QStringLiteral("\"%1\", %2").arg(path, what);
}
