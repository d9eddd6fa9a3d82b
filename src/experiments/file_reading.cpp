#include "experiments/file_reading.h"

#include <QFile>

bool readExperimentBytes(const QString& path, QByteArray* bytes, QString* error)
{
    QFile f(path);
    if (!f.exists()) {
        *error = QStringLiteral("\"%1\": File not found").arg(path);
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

QString parseErrorMessage(const QString& path, const exper::ParseError& e)
{
    const QString what = e.line > 0 ? QStringLiteral("line %1: %2").arg(e.line).arg(QString::fromStdString(e.message))
                                    : QString::fromStdString(e.message);
    return QStringLiteral("\"%1\", %2").arg(path, what);
}
