// A zoom or a language makes the windows again: the data window's choices,
// its open state, the box's words and the kept runs come through.
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

#include "app/session.h"
#include "app/session_runs.h"
#include "datawin/data_window.h"
#include "datawin/graph_page.h"
#include "datawin/momentum_page.h"
#include "datawin/table_page.h"
#include "experiments/experiment_box.h"
#include "setup/controls.h"
#include "setup/language_menu.h"
#include "setup/prediction_panel.h"
#include "setup/run_control.h"
#include "setup/table_window.h"
#include "ui/fake_platform.h"

// The data window's own choices go with it into the new windows.
TEST(ZoomTest, TheDataWindowsChoicesAreKept)
{
    FakePlatform platform;
    Session session(platform, 100);
    dw::DataViewModel chosen;
    chosen.page = 1;
    chosen.columns = {true, true, false, true, false, false, true, false, false};
    chosen.radians = true;
    chosen.tableFrequency = 3;
    chosen.graph = {2, 1, 4, 5, true};
    chosen.momentum.analyseOwn = true;
    chosen.exportChoice = {dw::ExportContent::Ledger, dw::SheetFormat::Tsv, true};
    session.data().showViewModel(chosen);
    session.setZoom(200);
    const dw::DataViewModel kept = session.data().viewModel();
    EXPECT_EQ(kept.page, 1);
    EXPECT_EQ(kept.columns, chosen.columns);
    EXPECT_TRUE(kept.radians);
    EXPECT_EQ(kept.tableFrequency, 3);
    EXPECT_EQ(std::tie(kept.graph.quantity, kept.graph.component, kept.graph.series, kept.graph.frequency,
                       kept.graph.springEnergy),
              std::make_tuple(2, 1, 4, 5, true));
    EXPECT_TRUE(kept.momentum.analyseOwn);
    EXPECT_EQ(kept.exportChoice.content, dw::ExportContent::Ledger);
    EXPECT_TRUE(session.data().graphPage().plotMomentum->isChecked());
    session.setZoom(100);
}

// A zoom key pressed in the open data window closes it, makes the windows
// again and opens the new one as the old one stood, bars and typed values too.
TEST(ZoomTest, AZoomFromTheOpenDataWindowOpensItAgainAsItStood)
{
    FakePlatform platform;
    Session session(platform, 100);
    pauseAfter(session.table(), 130);
    ASSERT_TRUE(session.classroom().run(&sim::Classroom::keepRun).has(sim::Part::Kept));
    dw::DataViewModel before, after;
    QString tableText;
    platform.onModal = [&](QDialog& d) {
        DataWindow& w = session.data();
        if (before.page == 2) {
            EXPECT_TRUE(d.actions().contains(session.table().links().zoomIn));
            w.tabs()->setCurrentIndex(1);
            w.tablePage().tdsb->setValue(20);
            w.graphPage().tgsb->setValue(30);
            w.momentumPage().timemomsb->setValue(40);
            w.momentumPage().scalesb->setValue(25);
            w.momentumPage().rbv->setText("7.5");
            before = w.viewModel();
            tableText = w.tablePage().datamem->toPlainText();
            session.table().links().zoomIn->trigger();
            QApplication::processEvents();   // the zoom asks the window to close
        } else {
            after = w.viewModel();
            EXPECT_EQ(w.tabs()->currentIndex(), 1);
            EXPECT_EQ(w.tablePage().datamem->toPlainText(), tableText);
            EXPECT_EQ(w.momentumPage().rbv->text(), "7.5");
            EXPECT_EQ(w.momentumPage().timemomsb->value(), 40);
        }
        return 0;
    };
    session.data().showFromTable();
    for (int i = 0; i < 5 && after.page == 2; ++i)
        QApplication::processEvents();
    EXPECT_EQ(session.zoom(), 125);
    EXPECT_EQ(platform.dialogsShown, 2);
    EXPECT_EQ(std::tie(after.tableTime, after.graph.time, after.momentum.time, after.momentum.scale),
              std::make_tuple(20, 30, 40, 25));
    EXPECT_EQ(after.momentum.typed, before.momentum.typed);
    EXPECT_EQ(after.momentum.places, before.momentum.places);
    EXPECT_EQ(session.table().room().kept().runs().size(), 1u);   // the kept run goes with the table
    platform.onModal = nullptr;
    session.setZoom(100);
}

// A language is taken at once, the way a zoom is: the run, the data window's
// choices and the box's typed words come through; only the words change.
TEST(ZoomTest, ALanguageIsTakenAtOnceAndKeepsEverything)
{
    FakePlatform platform;
    Session session(platform, 100);
    pauseAfter(session.table(), 130);
    session.table().controls().Timesb->setValue(40);
    dw::DataViewModel chosen;
    chosen.page = 1;
    chosen.radians = true;
    session.data().showViewModel(chosen);
    session.table().controls().Save1->trigger();
    session.experiments().memo()->setPlainText(QStringLiteral("Our own words"));
    const QImage picture = session.table().tableCanvas().image().copy();
    const sim::SimState state = session.table().state();

    for (const char* code : {"de", "en"}) {
        session.table().languageMenu().entry(code == std::string("de") ? 2 : 1)->trigger();
        QApplication::processEvents();
        TableWindow& t = session.table();
        EXPECT_EQ(t.controls().Startbt->text(), code == std::string("de") ? "&Weiter" : "&Continue") << code;
        EXPECT_EQ(t.controls().Timelb->text(), code == std::string("de") ? "Zeit:  1,95 s" : "Time:  1.95 s");
        EXPECT_EQ(t.state().tick, state.tick) << code;
        EXPECT_EQ(t.state().timeLine, 40) << code;
        EXPECT_EQ(t.tableCanvas().image(), picture) << code;
        EXPECT_EQ(session.data().viewModel().page, 1) << code;
        EXPECT_TRUE(session.data().viewModel().radians) << code;
        EXPECT_EQ(session.experiments().model().stage(), exper::BoxStage::Save) << code;
        EXPECT_EQ(session.experiments().memo()->toPlainText(), "Our own words") << code;
    }
    session.table().languageMenu().entry(0)->trigger();
    QApplication::processEvents();
}

// A run held for a prediction stays held, with the prediction, in the new language.
TEST(ZoomTest, AHeldPredictionGoesThroughALanguage)
{
    FakePlatform platform;
    Session session(platform, 100);
    session.table().controls().predictFirst1->trigger();
    session.table().controls().Startbt->click();
    for (int i = 0; i < 3000 && session.table().controls().colltimer->isActive(); ++i)
        session.table().runControl().timerEvent();
    ASSERT_TRUE(session.table().room().prediction().hiding());
    session.classroom().run(&sim::Classroom::predict, 2, sim::PredictedPuck{4.0, 10.0, true});
    const sim::Prediction held = session.table().room().prediction();

    session.table().languageMenu().entry(2)->trigger();
    QApplication::processEvents();
    TableWindow& t = session.table();
    EXPECT_TRUE(t.room().prediction().hiding());
    EXPECT_EQ(t.room().prediction().hideFrom, held.hideFrom);
    EXPECT_EQ(t.room().prediction().black.speed, 4.0);
    EXPECT_FALSE(t.controls().Startbt->isEnabled());
    EXPECT_EQ(t.controls().Startbt->accessibleDescription(), "Sage das Ergebnis voraus, dann drücke Aufdecken");
    ASSERT_NE(t.predictionPanel(), nullptr);
    EXPECT_TRUE(t.predictionPanel()->isVisible());
    session.table().languageMenu().entry(0)->trigger();
    QApplication::processEvents();
}
