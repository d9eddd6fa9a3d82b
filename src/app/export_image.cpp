#include "app/export_image.h"

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>

#include "app/command_line.h"
#include "app/headless_job.h"
#include "experiments/catalogue.h"
#include "experiments/experiment_box.h"
#include "setup/controls.h"
#include "setup/run_control.h"
#include "setup/table_window.h"
#include "ui/app_identity.h"
#include "ui/language.h"
#include "ui/silent_platform.h"
#include "view/picture_file.h"

int exportImage(int argc, char** argv, const CommandLine& line)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");   // no display needed
    QApplication app(argc, argv);
    setAppIdentity();
    lang::install(lang::startLanguage());
    SilentPlatform platform;
    TableWindow table(platform);
    Controls& c = table.controls();
    c.delaytimer1->stop();
    ExperimentBox box(table, platform);
    if (!line.experiment.isEmpty() && !box.applyFile(line.experiment))
        return fail(platform.message);
    if (line.catalogue != 0)
        box.applyExperiment(QString::fromStdString(exper::catalogueExperiment(line.catalogue)->parameterText()));
    table.rules().chooseComputerSpeed(line.intervalMs);
    // the run as the window makes it, paused after tick N
    c.Startbt->click();
    while (c.colltimer->isActive() && table.state().tick <= line.ticks)
        table.runControl().timerEvent();
    if (c.colltimer->isActive())
        c.Startbt->click();
    QString error;
    const bool svg = QFileInfo(line.output).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
    const QByteArray bytes = line.exportAnimation ? table.animationGif(line.every, line.zoom, &error)
        : svg                                     ? table.pictureSvg(line.zoom)
                                                  : table.picturePng(line.zoom);
    if (error.isEmpty())
        error = writePictureFile(line.output, bytes);
    return error.isEmpty() ? 0 : fail(error);
}
