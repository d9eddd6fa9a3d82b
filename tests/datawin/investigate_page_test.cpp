// The Investigate page's wiring: Run fills the table and the graph from the
// table window's set-up, Copy takes the sheet, Cancel leaves the page as it was.
#include "table_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>

#include "datawin/data_window.h"
#include "datawin/investigate_page.h"

class InvestigatePageTest : public TableTest {
protected:
    void SetUp() override
    {
        TableTest::SetUp();
        data = std::make_unique<DataWindow>(*window, platform);
    }
    InvestigatePage& page() { return data->investigatePage(); }
    void typeSweep(const char* from, const char* to, const char* step)
    {
        page().fromle->setText(QString::fromLatin1(from));
        page().tole->setText(QString::fromLatin1(to));
        page().steple->setText(QString::fromLatin1(step));
    }
    void waitForTheRun()
    {
        QElapsedTimer clock;
        clock.start();
        while (page().running() && clock.elapsed() < 60000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    std::unique_ptr<DataWindow> data;
};

TEST_F(InvestigatePageTest, RunFillsTheTableAndTheGraphAndCopyTakesThem)
{
    typeSweep("1", "3", "0.5");
    page().measurelist->item(static_cast<int>(dw::Measure::TotalMomentum))->setCheckState(Qt::Checked);
    const QImage empty = page().canvas().image().copy();
    page().runbt->click();
    EXPECT_FALSE(page().runbt->isEnabled());
    waitForTheRun();
    ASSERT_EQ(page().results->rowCount(), 5);
    EXPECT_EQ(page().results->item(0, 0)->text(), "1.00");
    EXPECT_EQ(page().results->columnCount(), 4);   // the setting, the two speeds and the momentum after
    EXPECT_NE(page().canvas().image(), empty);
    EXPECT_TRUE(page().runbt->isEnabled());
    page().copybt->click();
    EXPECT_EQ(platform.copiedTexts.last(), page().resultText());
    EXPECT_TRUE(platform.copiedTexts.last().startsWith("red mass (kg)\tred speed after"));
    EXPECT_EQ(data->viewModel().investigate.from, "1");   // the choices are the window's model

    // a line through the total momentum after: m1 times 5 cm/s
    const QImage points = page().canvas().image().copy();
    page().fitMeasurecb->setCurrentIndex(2);
    page().fitcb->setCurrentIndex(1);
    EXPECT_TRUE(page().fitlb->text().startsWith("a = 5.000 (kg cm/s)/(kg), b = "))
        << page().fitlb->text().toStdString();
    EXPECT_NE(page().canvas().image(), points);
    // a drag from the left end to the middle of the axis: the stretch 1 to 2 kg
    emit page().plot->mouseDown(56, 100);
    emit page().plot->mouseMove(56 + (510 - 56 - 8) / 2, 100);
    emit page().plot->mouseUp(56 + (510 - 56 - 8) / 2, 100);
    EXPECT_NEAR(data->viewModel().investigate.fitFrom, 1.0, 1e-9);
    EXPECT_NEAR(data->viewModel().investigate.fitTo, 2.0, 0.01);
    page().fitcb->setCurrentIndex(0);
    EXPECT_EQ(page().canvas().image(), points);

    // a bad range says why and runs nothing
    typeSweep("3", "1", "0.5");
    page().runbt->click();
    EXPECT_FALSE(page().running());
    EXPECT_FALSE(page().note->text().isEmpty());

    // Cancel: the page keeps the points it had
    typeSweep("1", "20", "0.1");
    page().runbt->click();
    ASSERT_TRUE(page().running());
    page().cancelbt->click();
    waitForTheRun();
    EXPECT_EQ(page().note->text(), "Cancelled: the page is as it was.");
    EXPECT_EQ(page().results->rowCount(), 5);
    EXPECT_EQ(page().result().x.size(), 5u);
}
