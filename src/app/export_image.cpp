#include "app/export_image.h"

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <unistd.h>

#include "app/command_line.h"
#include "app/headless_job.h"
#include "app/lab_sheet.h"
#include "app/session.h"
#include "engine/placing.h"
#include "engine/table_start.h"
#include "experiments/catalogue.h"
#include "experiments/experiment_box.h"
#include "setup/controls.h"
#include "setup/run_control.h"
#include "setup/table_window.h"
#include "ui/app_identity.h"
#include "ui/canvas.h"
#include "ui/language.h"
#include "ui/preferences.h"
#include "ui/silent_platform.h"
#include "view/picture_file.h"
#include "view/table_picture.h"

namespace {
int noDisplayNeeded(int argc)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return argc;
}

// The toolkit with no display, in the user's language.
struct Offscreen {
    int argc;   // the application keeps a reference to it
    QApplication app;
    Offscreen(int c, char** argv) : argc(noDisplayNeeded(c)), app(argc, argv)
    {
        setAppIdentity();
        lang::install(lang::startLanguage());
    }
};

// The experiment as the Experiment box applies it, with its title and words.
QString setUp(TableWindow& table, ExperimentBox& box, SilentPlatform& platform, const CommandLine& line)
{
    table.controls().delaytimer1->stop();
    if (!line.experiment.isEmpty() && !box.applyFile(line.experiment))
        return platform.message;
    if (line.catalogue != 0) {
        box.showEntry(*exper::catalogueExperiment(line.catalogue));
        box.cancelOrOk();   // its "Ok"
    }
    table.rules().chooseComputerSpeed(line.intervalMs);
    return {};
}
// "frame N of M" on standard error while it is a terminal: a long
// animation takes a while and should say so.
std::function<void(int, int)> progressOnTerminal()
{
    if (!isatty(STDERR_FILENO))
        return {};
    return [](int done, int frames) {
        if (done == frames || done % 10 == 0)
            std::fprintf(stderr, "\rslidora: frame %d of %d%s", done, frames, done == frames ? "\n" : "");
    };
}
}   // namespace

int exportImage(int argc, char** argv, const CommandLine& line)
{
    Offscreen toolkit(argc, argv);   // the fonts of the scale bar and the labels
    HeadlessJob job;
    QString error = runJob(line, job);
    if (!error.isEmpty())
        return fail(error);
    const sim::SimState& s = *job.state;
    const sim::SetupModel& m = job.setup.model();
    // the red puck where the table shows it; the circle turns about its handle's marker
    const sim::Place puck{s.red.startLeft, s.red.startTop};
    const sim::Place handle = sim::handleMarker(s, 1, puck, m.redSide(), m.dotSize);
    TablePicture picture;
    picture.state = &s;
    picture.view = viewSettingsFor(m, {puck.left, puck.top, m.redSide()}, {handle.left, handle.top, m.dotSize});
    picture.tick = s.viewTick;
    Canvas grid(sim::kTableWidth, sim::kTableHeight);
    drawGrid(grid);
    const bool svg = QFileInfo(line.output).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
    const int every = line.every > 0 ? line.every : framesEvery(s.timeLineEnd);
    const QByteArray bytes = line.exportAnimation
        ? animationGif(picture, grid, s.timeLineEnd, every, line.zoom, &error, progressOnTerminal())
        : svg ? pictureSvg(picture, grid, line.zoom)
              : picturePng(picture, grid, line.zoom);
    if (error.isEmpty())
        error = writePictureFile(line.output, bytes);
    return error.isEmpty() ? 0 : fail(error);
}

int exportLabSheet(int argc, char** argv, const CommandLine& line)
{
    Offscreen toolkit(argc, argv);
    SilentPlatform platform;
    Session session(platform, 100);
    QString error = setUp(session.table(), session.experiments(), platform, line);
    session.runHeadless(line.ticks);
    if (error.isEmpty())
        error = writeLabSheet(line.output, session.labSheet(prefs::name()));
    return error.isEmpty() ? 0 : fail(error);
}
