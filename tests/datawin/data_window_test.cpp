// The data window offscreen: opening, the three pages, copying and printing
// through the scripted platform.
#include "table_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <tuple>

#include "datawin/data_window.h"
#include "datawin/energy_page.h"
#include "datawin/graph_page.h"
#include "datawin/ledger_page.h"
#include "datawin/momentum_page.h"
#include "datawin/table_page.h"
#include "engine/numbers.h"

class DataTest : public TableTest {
protected:
    void SetUp() override
    {
        TableTest::SetUp();
        data = std::make_unique<DataWindow>(*window, platform);
    }
    // A run of n ticks, paused, then "Show Data Table".
    void runAndShow(int n)
    {
        runAndPause(n);
        c().showbt->click();
    }
    TablePage& table() { return data->tablePage(); }
    GraphPage& graph() { return data->graphPage(); }
    MomentumPage& mom() { return data->momentumPage(); }
    QStringList rows() { return table().datamem->toPlainText().split('\n'); }
    // Drags a momentum-page shape so that its top-left lands at (x, y).
    void dragShape(MovableShape* s, int x, int y)
    {
        mom().shapeDown();
        mom().shapeMove(s, x - s->x() + 3, y - s->y() + 3);
        mom().shapeUp();
    }

    std::unique_ptr<DataWindow> data;
};

TEST_F(DataTest, OpensOnlyAfterARunAndShowsTheTable)
{
    c().showbt->click();
    EXPECT_EQ(platform.dialogsShown, 0);
    runAndShow(60);
    EXPECT_EQ(platform.dialogsShown, 1);
    EXPECT_EQ(data->windowTitle(), "Collision Data");
    EXPECT_EQ(data->tabs()->currentIndex(), 2);   // momentum in front the first time
    const int N = c().Timesb->maximum();
    EXPECT_EQ(table().tdsb->maximum(), N);
    EXPECT_EQ(table().tdsb->value(), N);
    EXPECT_EQ(table().tdlb->text(), "Time: " + QString::fromStdString(num::F((N - 1) / 20.0, 4, 2)) + " s");
    const QStringList r = rows();
    EXPECT_EQ(r[0], "time\tR Speed\tB Speed");
    EXPECT_EQ(r[2], "0.05\t5.00\t0.00");
    EXPECT_EQ(r.size(), N + 1);   // header, samples 1 .. N - 1, and the last line's end
    table().tdsb->setValue(1);
    EXPECT_EQ(table().datamem->toPlainText(), "time\tR Speed\tB Speed\n");
    EXPECT_EQ(table().tdlb->text(), "Time: 0.00 s");
    // columns and frequency rebuild it
    table().cbfreq->setCurrentIndex(5);
    table().tdsb->setValue(N);
    table().angle1cb->click();
    EXPECT_EQ(rows()[0], "time\tR Speed\tR Angle\tB Speed");
    EXPECT_TRUE(rows()[2].startsWith("1.00\t"));
}

TEST_F(DataTest, CopiesThePlainTableText)
{
    runAndShow(30);
    table().copyallbt->click();
    ASSERT_EQ(platform.copiedTexts.size(), 1);
    EXPECT_EQ(platform.copiedTexts[0], table().datamem->toPlainText());
    EXPECT_TRUE(platform.copiedTexts[0].contains("\t5.00\t"));
    QTextCursor cur = table().datamem->textCursor();
    cur.setPosition(0);
    cur.setPosition(4, QTextCursor::KeepAnchor);
    table().datamem->setTextCursor(cur);
    table().copysbt->click();
    EXPECT_EQ(platform.copiedTexts[1], "time");
}

TEST_F(DataTest, OneMassInOneDHidesTheBlackAndShowsThePush)
{
    c().type1D->trigger();
    c().masses1->trigger();
    c().tableangsb->setValue(50);
    table().energy2cb->setChecked(true);
    table().mom1cb->setChecked(true);
    runAndShow(20);
    EXPECT_TRUE(table().blackRow->isHidden());
    EXPECT_FALSE(table().speed2cb->isChecked());
    EXPECT_FALSE(table().energy2cb->isChecked());
    EXPECT_TRUE(graph().compcb->isHidden());
    EXPECT_TRUE(graph().plotrg->isHidden());
    EXPECT_TRUE(graph().drawcb->isHidden());
    const QStringList r = rows();
    EXPECT_EQ(r[0], "time\tR Speed\tR Mom");
    EXPECT_EQ(r[1], "0.00\t5.00\t10.00");
    EXPECT_EQ(r[9], "0.40\t6.00\t10.00");   // g = 50 x 0.05 / 20 per tick
}

TEST_F(DataTest, CompressionOnlyInSpringMode)
{
    c().springElastic->trigger();
    runAndShow(80);
    EXPECT_FALSE(table().Sprcb->isHidden());
    table().Sprcb->click();
    EXPECT_TRUE(rows()[0].endsWith("\tCompression "));
    c().Elastic1->trigger();
    runAndShow(10);
    EXPECT_TRUE(table().Sprcb->isHidden());
    EXPECT_FALSE(rows()[0].contains("Compression"));
}

TEST_F(DataTest, GraphDrawsReadsCopiesAndPrints)
{
    runAndShow(100);
    data->tabs()->setCurrentIndex(1);
    graph().drawcb->setCurrentIndex(4);   // red, black and total
    const QImage& img = graph().canvas().image();
    const dw::GraphAxes& a = graph().axes();
    // velocities never below 0: the zero line on the baseline, the axis from it up
    EXPECT_EQ(a.yz, a.Y0);
    EXPECT_EQ(graph().canvas().pixel(a.X0, a.Y0 - 100), qRgb(255, 0, 0));
    EXPECT_EQ(graph().canvas().pixel(a.X0, 466), qRgb(255, 255, 255));
    EXPECT_EQ(graph().GroupBox2->title(), "Velocity");
    // the blue total of sample 2 (5.0) sits on the red dot's place, drawn last
    const int x = a.x(2), y = a.y(5.0);
    EXPECT_EQ(graph().canvas().pixel(x - 2, y), qRgb(0, 0, 255));

    graph().readValue(a.X0 + 200, a.Y0 - 100);
    EXPECT_TRUE(graph().ylb->text().startsWith("Velocity:"));
    EXPECT_EQ(graph().xlb->text(), "Time :" + QString::fromStdString(num::F(200 / a.sx / 20.0, 4, 1)));
    const QString before = graph().ylb->text();
    graph().readValue(a.X0 - 5, 100);
    graph().readValue(a.X0 + 50, a.Y0);
    EXPECT_EQ(graph().ylb->text(), before);

    data->copyGraph->trigger();
    ASSERT_EQ(platform.copiedImages.size(), 1u);
    EXPECT_EQ(platform.copiedImages[0], img);
    data->printGraph->trigger();
    ASSERT_EQ(platform.pages.size(), 1u);
    EXPECT_EQ(platform.pages[0].pictures[0], img);
    data->printerSetup->trigger();
    EXPECT_EQ(platform.printerSetupsShown, 1);
    (void)img;
}

TEST_F(DataTest, OneHertzDrawsEveryTwentiethSampleOnTheSameAxes)
{
    runAndShow(100);
    data->tabs()->setCurrentIndex(1);
    const dw::GraphAxes every = graph().axes();
    graph().gfcb->setCurrentIndex(5);
    const dw::GraphAxes& thin = graph().axes();
    EXPECT_EQ(thin.range, every.range);
    auto dotAt = [&](int i) {
        const int x = thin.x(i), y = thin.y(5.0);
        return graph().canvas().pixel(x - 2, y) == qRgb(255, 0, 0);
    };
    EXPECT_TRUE(dotAt(1));
    EXPECT_TRUE(dotAt(21));
    EXPECT_FALSE(dotAt(11));
    // the energy page offers the spring only in spring mode
    graph().plotEnergy->click();
    EXPECT_TRUE(graph().spcb->isHidden());
    EXPECT_EQ(graph().ylb->text(), "Energy:");
}

TEST_F(DataTest, MomentumArrowsSnapAndTheResultantReadsThem)
{
    runAndShow(100);
    // the black puck rests at the start: no start arrow
    EXPECT_TRUE(mom().handle(3)->isHidden());
    EXPECT_FALSE(mom().handle(1)->isHidden());
    EXPECT_EQ(mom().momHalf(1), (dw::IPoint{50, 0}));   // 10 kg cm/s at scale 10
    EXPECT_EQ(mom().timemomlb->text(),
              "Time: " + QString::fromStdString(num::F((c().Timesb->maximum() - 1) * 0.05, 5, 2)) + " s");

    // the blue ends onto the red start arrow's ends: its momentum and direction
    dragShape(mom().circle(9), mom().circle(1)->x() + 3, mom().circle(1)->y() - 2);
    EXPECT_EQ(mom().circle(9)->pos(), mom().circle(1)->pos());
    dragShape(mom().circle(10), mom().circle(2)->x() - 4, mom().circle(2)->y() + 1);
    EXPECT_EQ(mom().circle(10)->pos(), mom().circle(2)->pos());
    EXPECT_EQ(mom().bvlb->text(), "Blue mom.: 10.0");
    EXPECT_EQ(mom().balb->text(), "Blue angle:  0.0");

    // the red arrow at time t dragged with its tail near the black one's head joins it
    mom().timemomsb->setValue(10);   // red still moving at tick 10
    ASSERT_FALSE(mom().handle(2)->isHidden());
    MovableShape* ra = mom().handle(2);
    const QPoint target = mom().circle(8)->pos();
    const dw::IPoint half = mom().momHalf(2);
    dragShape(ra, target.x() + half.x + 3, target.y() - half.y - 2);
    EXPECT_EQ(mom().circle(3)->pos(), mom().circle(8)->pos());

    // a new scale redraws the arrows, the resultant's ends stay
    const QPoint b9 = mom().circle(9)->pos();
    mom().scalesb->setValue(20);
    EXPECT_EQ(mom().momHalf(1), (dw::IPoint{100, 0}));
    EXPECT_EQ(mom().circle(9)->pos(), b9);
    EXPECT_EQ(mom().bvlb->text(), "Blue mom.: 10.0");

    mom().timemomsb->setValue(1);
    EXPECT_EQ(mom().timemomlb->text(), "Time:  0.00 s");
}

TEST_F(DataTest, AnalyseYourOwnTypedValues)
{
    runAndShow(40);
    mom().acb->setChecked(true);
    emit mom().acb->clicked(true);
    mom().rbv->setText("4");
    mom().rba->setText("90");
    EXPECT_EQ(mom().momHalf(1), (dw::IPoint{0, 20}));
    EXPECT_NEAR(mom().momAngle(1), 3.14159265358979 / 2, 1e-12);
    mom().rbv->setText("0");
    EXPECT_TRUE(mom().handle(1)->isHidden());
    // unfinished numbers wait; a finished bad one says so and keeps the value
    mom().rbv->setText("-");
    mom().rbv->setText("3");
    EXPECT_TRUE(platform.messages.isEmpty());
    mom().rbv->setText("3x");
    emit mom().rbv->editingFinished();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0], "'3x' is not a valid floating point value");
    EXPECT_EQ(mom().momHalf(1), (dw::IPoint{0, 15}));
    // found by the monkey under the sanitizers: a huge number overflowed the arrow's pixels
    mom().rbv->setText("1e308");
    EXPECT_EQ(mom().momHalf(1).y, 10000);
    EXPECT_LE(std::abs(mom().momHalf(1).x), 10000);
    // an angle that overflows to infinity has no direction: no arrow
    mom().rba->setText("1e308");
    EXPECT_EQ(mom().momHalf(1), (dw::IPoint{0, 0}));
    EXPECT_TRUE(mom().handle(1)->isHidden());
}

TEST_F(DataTest, NanAndInfAreRefusedAndUntickingGivesBackTheRunsArrows)
{
    runAndShow(40);
    const dw::IPoint run1 = mom().momHalf(1), run3 = mom().momHalf(3);
    const double angle1 = mom().momAngle(1), angle3 = mom().momAngle(3);
    mom().acb->setChecked(true);
    emit mom().acb->clicked(true);
    mom().rbv->setText("4");
    mom().rba->setText("90");
    mom().bbv->setText("2");
    mom().bba->setText("-135");
    const dw::IPoint typed = mom().momHalf(1);
    for (const char* text : {"nan", "NaN", "inf", "-inf", "Infinity"}) {
        mom().rbv->setText(text);
        emit mom().rbv->editingFinished();
        mom().rba->setText(text);
        EXPECT_EQ(mom().momHalf(1), typed) << text;   // the last number stays
        EXPECT_FALSE(mom().handle(1)->isHidden()) << text;
    }
    ASSERT_EQ(platform.messages.size(), 5);
    EXPECT_EQ(platform.messages[0], "'nan' is not a valid floating point value");

    mom().acb->setChecked(false);
    emit mom().acb->clicked(false);
    EXPECT_EQ(mom().momHalf(1), run1);
    EXPECT_EQ(mom().momHalf(3), run3);
    EXPECT_DOUBLE_EQ(mom().momAngle(1), angle1);   // the barbs point along the run's arrow again
    EXPECT_DOUBLE_EQ(mom().momAngle(3), angle3);
}

TEST_F(DataTest, DotSizeResizesTheMarkersShownOrNot)
{
    c().dotLarge->trigger();
    EXPECT_EQ(mom().handle(1)->width(), 9);
    EXPECT_EQ(mom().handle(5)->width(), 9);
    EXPECT_EQ(mom().circle(9)->width(), 9);
    EXPECT_EQ(mom().circle(1)->width(), 7);
    c().dotNormal->trigger();
    EXPECT_EQ(mom().circle(10)->width(), 7);
}

TEST_F(DataTest, MomentumArrowsMoveWithTheArrowKeysAndSnapAsWhenDragged)
{
    runAndShow(100);
    MovableShape* blue = mom().circle(9);
    EXPECT_TRUE(blue->focusPolicy() & Qt::TabFocus);
    // a step that ends near the red start arrow's tail snaps onto it
    const QPoint tail = mom().circle(1)->pos();
    while (std::abs(blue->x() - tail.x()) > 10)
        QTest::keyClick(blue, blue->x() < tail.x() ? Qt::Key_Right : Qt::Key_Left, Qt::ShiftModifier);
    while (std::abs(blue->y() - tail.y()) > 10)
        QTest::keyClick(blue, blue->y() < tail.y() ? Qt::Key_Down : Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(blue, Qt::Key_Right);
    EXPECT_EQ(blue->pos(), tail);
}

// Found walking the window by keyboard: the pictures swallowed Escape.
TEST_F(DataTest, EscapeOnAPictureStillClosesTheWindow)
{
    runAndShow(40);
    for (PictureWidget* picture : {graph().graphim, mom().momim}) {
        QSignalSpy closed(data.get(), &QDialog::rejected);
        QTest::keyClick(picture, Qt::Key_Escape);
        EXPECT_EQ(closed.count(), 1);
    }
}

// The pages show the window's model and change it; a new model shows at once.
TEST_F(DataTest, ThePagesShowAndChangeTheWindowsModel)
{
    runAndShow(40);
    table().angle1cb->click();
    graph().plotEnergy->click();
    graph().drawcb->setCurrentIndex(3);
    data->tabs()->setCurrentIndex(1);
    const dw::DataViewModel& v = data->viewModel();
    EXPECT_TRUE(v.columns[dw::RAngle]);
    EXPECT_EQ(v.graph.quantity, dw::Energy);
    EXPECT_EQ(v.graph.series, 3);
    EXPECT_EQ(v.page, 1);
    EXPECT_TRUE(rows().first().contains("R Angle"));
    table().tdsb->setValue(12);
    graph().tgsb->setValue(13);
    mom().timemomsb->setValue(14);
    mom().scalesb->setValue(15);
    mom().raa->setText("-4");
    EXPECT_EQ(std::tie(v.tableTime, v.graph.time, v.momentum.time, v.momentum.scale), std::make_tuple(12, 13, 14, 15));
    EXPECT_EQ(v.momentum.typed[5], "-4");
    // a dragged arrow's place is the model's too
    dragShape(mom().handle(1), 100, 90);
    EXPECT_EQ(v.momentum.places[0], (dw::IPoint{mom().handle(1)->x(), mom().handle(1)->y()}));

    dw::DataViewModel other;
    other.radians = true;
    other.tableFrequency = 5;
    data->showViewModel(other);
    EXPECT_TRUE(table().radcb->isChecked());
    EXPECT_FALSE(table().angle1cb->isChecked());
    EXPECT_EQ(table().cbfreq->currentIndex(), 5);
    EXPECT_TRUE(graph().plotVelocity->isChecked());
    EXPECT_EQ(data->tabs()->currentIndex(), 2);
}

// The Energy page is there only when asked for, last, and follows the time bar.
TEST_F(DataTest, TheEnergyPageComesWhenAskedAndFollowsTheTimeBar)
{
    runAndShow(120);   // the start-up shot: 2 kg at 5 cm/s into 2 kg at rest, elastic
    const int pages = data->tabs()->count();
    EXPECT_EQ(data->tabs()->indexOf(data->energyPage()), -1);
    data->showEnergy->trigger();
    ASSERT_EQ(data->tabs()->indexOf(data->energyPage()), pages);
    EXPECT_EQ(data->tabs()->tabText(pages), "&Energy");
    const QString atEnd = data->energyPage()->accessibleDescription();
    EXPECT_TRUE(atEnd.startsWith("Before: total 25.0. At the time bar: red ")) << atEnd.toStdString();
    EXPECT_TRUE(atEnd.endsWith("total 25.0.")) << atEnd.toStdString();
    table().tdsb->setValue(1);
    EXPECT_EQ(data->energyPage()->accessibleDescription(),
              "Before: total 25.0. At the time bar: red 25.0, black 0.0, total 25.0.");
    EXPECT_NE(atEnd, data->energyPage()->accessibleDescription());
    data->showEnergy->trigger();
    EXPECT_EQ(data->tabs()->count(), pages);
}

// With the table seen from the centre of mass, the Before-and-After page puts
// the same run from there beside it; off again, the page is as before.
TEST_F(DataTest, TheBeforeAndAfterPageGainsTheRunFromItsCentreOfMass)
{
    runAndShow(300);
    QTableWidget* compare = data->ledgerPage().comparegrid;
    EXPECT_TRUE(compare->isHidden());
    c().cmFrame1->trigger();
    ASSERT_FALSE(compare->isHidden());
    ASSERT_EQ(compare->columnCount(), 5);   // the quantity, then before and after of each
    EXPECT_TRUE(compare->horizontalHeaderItem(3)->text().startsWith("From the centre of mass"))
        << compare->horizontalHeaderItem(3)->text().toStdString();
    c().cmFrame1->trigger();
    EXPECT_TRUE(compare->isHidden());
}
