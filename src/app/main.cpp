#include <QApplication>

#include "setup/table_window.h"
#include "ui/platform.h"
#include "view/name_dialog.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Slidora"));
    QtPlatformServices platform;
    TableWindow table(platform);
    NameDialog nameDialog(&table);
    table.setNameDialog(&nameDialog);
    table.show();
    return app.exec();
}
