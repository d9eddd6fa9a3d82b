#include "ui/app_identity.h"

#include <QApplication>
#include <QIcon>

void setAppIdentity()
{
    QApplication::setApplicationName(QStringLiteral("Slidora"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.slidora.Slidora"));
    QIcon icon;
    for (int size : {16, 24, 128})
        icon.addFile(QStringLiteral(":/icons/io.slidora.Slidora-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}
