#include <QAbstractSlider>
#include <QComboBox>
#include <QMenuBar>
#include <QSpinBox>
#include <QTabWidget>

#include "datawin/data_window.h"
#include "experiment_fixture.h"
#include "experiments/challenge_dialog.h"
#include "experiments/record_setup.h"
#include "ui/preferences.h"

namespace {

class LessonWindowTest : public ExperimentTest {
protected:
    QString open(const QByteArray& text)
    {
        write(QStringLiteral("class.ini"), text);
        return box->openLesson(path(QStringLiteral("class.ini")));
    }
    // The controls a class can reach: enabled and not hidden (on any page of the panel).
    QStringList usable() const
    {
        QStringList names;
        for (QWidget* w : window->findChildren<QWidget*>())
            if ((qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSlider*>(w) || qobject_cast<QComboBox*>(w)
                 || qobject_cast<MovableShape*>(w))
                && w->window() == window.get() && w->isEnabled() && !w->isHidden() && !w->objectName().isEmpty()
                && !w->objectName().startsWith("qt_") && !w->objectName().startsWith("Scroll"))
                names << w->objectName();
        names.sort();
        return names;
    }
    QStringList menus() const
    {
        QStringList shown;
        for (QAction* a : window->menuBar()->actions())
            if (a->isVisible())
                shown << a->text();
        return shown;
    }
};

TEST_F(LessonWindowTest, OnlyWhatTheLessonNamesCanBeUsedAndItStaysSo)
{
    const QStringList whole = usable();
    ASSERT_EQ(open("title = Two pucks\nnote = Start, then look.\nexperiment = 9\n"
                   "enable = start, reset, time-line, data-table\n"),
              QString());
    EXPECT_EQ(now(), *exper::parseParameterText(exper::catalogueExperiment(9)->parameterText()).record);
    EXPECT_EQ(usable().join(QLatin1Char(' ')).toStdString(), "Resetbt SpeedButton1 Startbt Timesb showbt")
        << whole.join(' ').toStdString();
    EXPECT_EQ(menus(), QStringList({"&Help"}));
    EXPECT_FALSE(c().zoom[0]->isEnabled());   // no key reaches a hidden menu's entries
    EXPECT_TRUE(box->memo()->toPlainText().startsWith("Start, then look.\n\n"));
    EXPECT_EQ(box->box()->title(), "Two pucks");

    box->cancelButton()->click();   // "Ok": the note goes, the lock stays
    runAndPause(40);   // a run switches the measuring tools and Print Trace on
    EXPECT_EQ(usable().join(QLatin1Char(' ')).toStdString(), "Resetbt SpeedButton1 Startbt Timesb showbt");
    EXPECT_FALSE(c().printtrbt->isEnabled());
    c().Resetbt->click();

    DataWindow data(*window, platform);
    runAndPause(40);
    c().showbt->click();
    for (int page = 0; page < data.tabs()->count(); ++page)
        EXPECT_TRUE(data.tabs()->isTabEnabled(page)) << page;   // "data-table" alone: every page
}

TEST_F(LessonWindowTest, ALessonOpensAFileBesideItAChallengeOrNothingAtAll)
{
    write(QStringLiteral("bounce.col"),
          "A bounce\r\nSTART EXPERIMENT DATA\r\n189 183 287 204\r\n379 183 329 204\r\n"
          "0 10 50 100\r\n100 20 50\r\n100 20 0\r\n1 3 0 2\r\n2\r\n0 20 120 0\r\n");
    const ExperimentRecord before = now();
    const struct {
        QByteArray text;
        QString error;
    } refused[] = {
        {"title = x\nexperiment = gone.col\n", "Line 2: "},
        {"experiment = 3\ncolour = red\n", "Line 2: unknown key \"colour\" (a lesson knows title,"},
        {"predict-first = often\n", "Line 1: predict-first takes yes or no, not \"often\"."},
    };
    for (const auto& r : refused) {
        // the file first, then what is wrong with it
        const QString named = QStringLiteral("\"%1\": ").arg(path("class.ini"));
        EXPECT_TRUE(open(r.text).startsWith(named + r.error)) << open(r.text).toStdString();
        EXPECT_EQ(now(), before);
        EXPECT_EQ(menus().size(), 4);
    }
    EXPECT_TRUE(box->openLesson(path("none.ini")).startsWith("The lesson file"));

    ASSERT_EQ(open("experiment = bounce.col\nenable = start, data-table, graph, view-menu\npredict-first = yes\n"),
              QString());
    EXPECT_EQ(now()[F::RedMass], 20);
    EXPECT_TRUE(c().predictFirst1->isChecked());
    EXPECT_FALSE(c().predictFirst1->isEnabled());   // forced: the class cannot switch it off
    EXPECT_EQ(menus(), QStringList({"&View", "&Help"}));
    DataWindow data(*window, platform);
    runAndPause(400);
    window->reveal();
    c().showbt->click();
    for (int page = 0; page < data.tabs()->count(); ++page)
        EXPECT_EQ(data.tabs()->isTabEnabled(page), page == 1) << page;
}

TEST_F(LessonWindowTest, ALessonsChallengeKeepsItsKindAndItsDialog)
{
    ASSERT_EQ(open("challenge = glancing\nenable = start, reset, ruler, protractor, time-line\n"), QString());
    ChallengeDialog& d = box->challengeDialog();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.kindBox()->currentIndex(), static_cast<int>(sim::ChallengeKind::Glancing));
    EXPECT_FALSE(d.kindBox()->isEnabled());
    d.close();
    EXPECT_TRUE(d.isVisible());
    d.seedBox()->setValue(12);
    d.setUp(static_cast<sim::ChallengeKind>(d.kindBox()->currentIndex()), d.seedBox()->value());
    EXPECT_EQ(window->room().challenge().set.kind, sim::ChallengeKind::Glancing);
    EXPECT_TRUE(window->room().challenge().hiding());
}

}   // namespace

namespace {
// A lesson's Predict First holds the run whatever else the lesson leaves
// usable, lasts only while the lesson does, and nothing the class can open
// computes the held outcome; a lesson without printing leaves the data
// window's files and printer out, and its pages out of the tab bar.
TEST_F(LessonWindowTest, ALessonsPredictFirstHoldsWhateverItLeavesUsable)
{
    write(QStringLiteral("bounce.col"),
          "A bounce\r\nSTART EXPERIMENT DATA\r\n189 183 287 204\r\n379 183 329 204\r\n"
          "0 10 50 100\r\n100 20 50\r\n100 20 0\r\n1 3 0 2\r\n2\r\n0 20 120 0\r\n");
    ASSERT_EQ(open("experiment = bounce.col\nenable = start, data-table, graph, investigate\npredict-first = yes\n"),
              QString());
    EXPECT_EQ(menus(), QStringList({"&Help"}));
    EXPECT_FALSE(prefs::predictFirst());   // never the user's own setting
    runAndPause(400);
    ASSERT_TRUE(window->room().prediction().hiding());
    EXPECT_FALSE(c().Startbt->isEnabled());
    DataWindow data(*window, platform);
    c().showbt->click();
    for (int page = 0; page < data.tabs()->count(); ++page)
        EXPECT_EQ(data.tabs()->isTabVisible(page), page == 1) << page;   // held: no sweep of the outcome
    EXPECT_FALSE(data.keepRun->isEnabled());
    for (QAction* a : {data.printGraph, data.printerSetup, data.exportData})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    window->reveal();
    c().showbt->click();
    for (int page = 0; page < data.tabs()->count(); ++page)
        EXPECT_EQ(data.tabs()->isTabVisible(page), page == 1 || page == 4) << page;
}
}   // namespace
