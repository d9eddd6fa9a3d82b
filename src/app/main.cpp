#include <QApplication>

#include "app/export_trace.h"
#include "app/session.h"
#include "experiments/experiment_box.h"
#include "setup/table_window.h"
#include "ui/app_identity.h"
#include "ui/language.h"
#include "ui/platform.h"

int main(int argc, char** argv)
{
    QString file;
    const int status = runCommandLine(argc, argv, &file);
    if (status >= 0)
        return status;
    QApplication app(argc, argv);
    setAppIdentity();
    lang::install(lang::startLanguage());
    QtPlatformServices platform;
    Session session(platform, Session::rememberedZoom());
    session.table().show();
    if (!file.isEmpty())
        session.experiments().preview(file);   // as after "Load": the user confirms with "Yes"
    return app.exec();
}
