#include <QApplication>
#include <cstdio>

#include "app/command_line.h"
#include "app/export_trace.h"
#include "app/session.h"
#include "experiments/challenge_dialog.h"
#include "experiments/experiment_box.h"
#include "setup/table_window.h"
#include "ui/app_identity.h"
#include "ui/language.h"
#include "ui/platform.h"

int main(int argc, char** argv)
{
    CommandLine line;
    const int status = runCommandLine(argc, argv, &line);
    if (status >= 0)
        return status;
    QApplication app(argc, argv);
    setAppIdentity();
    lang::install(lang::startLanguage());
    QtPlatformServices platform;
    LessonPlan lesson;
    if (!line.lesson.isEmpty()) {
        // a lesson that cannot be opened whole opens nothing: its line comes
        // first, for a start with no one at the screen to press OK
        if (const QString error = planLesson(line.lesson, &lesson); !error.isEmpty()) {
            std::fprintf(stderr, "slidora: %s\n", error.toLocal8Bit().constData());
            std::fflush(stderr);
            platform.showMessage(nullptr, error);
            return 2;
        }
    }
    Session session(platform, Session::rememberedZoom());
    session.table().show();
    if (!line.fileToOpen.isEmpty())
        session.experiments().preview(line.fileToOpen);   // as after "Load": the user confirms with "Yes"
    if (!line.lesson.isEmpty())
        session.experiments().openLesson(lesson);
    if (const auto kind = sim::challengeKindNamed(line.challenge.toStdString())) {
        session.experiments().challengeDialog().setUp(*kind, line.seed);
        session.experiments().challengeDialog().showBesideTable();
    }
    return app.exec();
}
