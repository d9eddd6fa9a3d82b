#include <QApplication>

#include "app/export_trace.h"
#include "datawin/data_window.h"
#include "experiments/experiment_box.h"
#include "setup/table_window.h"
#include "ui/app_identity.h"
#include "ui/platform.h"
#include "view/name_dialog.h"

int main(int argc, char** argv)
{
    QString file;
    const int status = runCommandLine(argc, argv, &file);
    if (status >= 0)
        return status;
    QApplication app(argc, argv);
    setAppIdentity();
    QtPlatformServices platform;
    TableWindow table(platform);
    NameDialog nameDialog(&table);
    table.setNameDialog(&nameDialog);
    DataWindow data(table, platform);
    ExperimentBox experiments(table, platform);
    table.show();
    if (!file.isEmpty())
        experiments.preview(file);   // as after "Load": the user confirms with "Yes"
    return app.exec();
}
