// The Graph page's fit: off until chosen, then a line through the pushed
// block's velocity reads its acceleration; a drag chooses the stretch.
#include "table_fixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "datawin/data_window.h"
#include "datawin/graph_page.h"
#include "datawin/investigate_page.h"
#include "shown_texts.h"

class GraphFitTest : public TableTest {};

TEST_F(GraphFitTest, ALineThroughThePushedBlocksVelocityReadsItsAcceleration)
{
    DataWindow data(*window, platform);
    window->rules().chooseDimension(1);
    window->rules().chooseMassCount(1);
    window->rules().setMass(1, 20);
    window->rules().setTableAngle(30);   // 3.0 N on 2.0 kg: 1.5 m/s^2
    runAndPause(60);
    c().showbt->click();
    GraphPage& g = data.graphPage();
    g.plotVelocity->click();
    const QImage plain = g.canvas().image().copy();
    EXPECT_TRUE(g.fitlb->text().isEmpty());
    EXPECT_FALSE(g.fitFrom->isEnabled());

    g.fitcb->setCurrentIndex(1);
    EXPECT_NE(g.canvas().image(), plain);   // the line over the points
    EXPECT_TRUE(g.fitlb->text().startsWith("a = 1.500 (m/s)/s")) << g.fitlb->text().toStdString();
    EXPECT_TRUE(g.fitlb->text().contains("r² 1.0000")) << g.fitlb->text().toStdString();
    g.fitCopybt->click();
    EXPECT_EQ(platform.copiedTexts.last(), g.fitlb->text());

    // a drag from 1 s to 2 s chooses the stretch; the ends stay in the model
    const dw::GraphAxes& a = g.axes();
    emit g.graphim->mouseDown(a.x(21), a.Y0 - 10);
    emit g.graphim->mouseMove(a.x(41), a.Y0 - 10);
    emit g.graphim->mouseUp(a.x(41), a.Y0 - 10);
    EXPECT_NEAR(data.viewModel().graph.fitFrom, 1.0, 0.05);
    EXPECT_NEAR(data.viewModel().graph.fitTo, 2.0, 0.05);
    EXPECT_NEAR(g.fitTo->value(), 2.0, 0.05);

    g.fitcb->setCurrentIndex(0);
    EXPECT_EQ(g.canvas().image(), plain);   // off: the picture as before
}

// A unit with a power reads "²" wherever it stands, never a character
// decoded twice; an energy is in kg cm²/s², not a force's unit.
TEST_F(GraphFitTest, EveryUnitReadsAsWrittenOnEveryPage)
{
    DataWindow data(*window, platform);
    runAndPause(300);
    c().showbt->click();
    data.keepRun->trigger();
    data.graphPage().fitcb->setCurrentIndex(2);   // a parabola's a has a squared unit
    InvestigatePage& sweep = data.investigatePage();
    sweep.fromle->setText(QStringLiteral("1"));
    sweep.tole->setText(QStringLiteral("3"));
    sweep.steple->setText(QStringLiteral("0.5"));
    sweep.runbt->click();
    QElapsedTimer clock;
    clock.start();
    while (sweep.running() && clock.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    sweep.fitcb->setCurrentIndex(2);
    EXPECT_TRUE(data.graphPage().fitlb->text().contains("a = 0.0509 (cm/s)/s²,"))
        << data.graphPage().fitlb->text().toStdString();
    const QStringList texts = shownTexts({&data, window.get()});
    EXPECT_TRUE(texts.contains("total energy (kg cm²/s²)"));
    for (const QString& t : texts) {
        EXPECT_FALSE(t.contains(QChar(0xC2))) << t.toStdString();
        EXPECT_FALSE(t.contains("energy (kg cm/s²)")) << t.toStdString();
    }
}
