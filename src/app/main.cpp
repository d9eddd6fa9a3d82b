#include <QApplication>

#include "setup/table_window.h"
#include "ui/platform.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Slidora"));
    QtPlatformServices platform;
    TableWindow table(platform);
    table.show();
    return app.exec();
}
