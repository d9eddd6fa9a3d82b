#include "experiments/file_reading.h"

#include <QCoreApplication>

#include "ui/file_read.h"

namespace {
QString tr(const char* text)
{
    return QCoreApplication::translate("FileReading", text);
}
}   // namespace

bool readExperimentBytes(const QString& path, QByteArray* bytes, QString* error)
{
    return files::readRegularFile(path, files::kExperimentLimit, bytes, error);
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
