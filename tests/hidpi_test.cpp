// The pictures at a device pixel ratio of 2: every logical pixel a crisp
// 2 x 2 block of its own colour, and the mouse still in logical pixels.
#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "datawin/data_window.h"
#include "datawin/graph_page.h"
#include "datawin/momentum_page.h"
#include "private_settings.h"
#include "setup/controls.h"
#include "setup/run_control.h"
#include "setup/table_window.h"
#include "ui/fake_platform.h"
#include "ui/widgets.h"

namespace {
// Compares a shown picture with its canvas, block by block.
void expectCrisp(PictureWidget* w, const Canvas& canvas)
{
    const QImage shown = w->grab().toImage();
    ASSERT_EQ(shown.devicePixelRatio(), 2.0);
    ASSERT_EQ(shown.size(), canvas.image().size() * 2);
    int differing = 0, checked = 0;
    for (int y = 0; y < canvas.height(); y += 3)
        for (int x = 0; x < canvas.width(); x += 3) {
            const QRgb want = canvas.pixel(x, y);
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx) {
                    ++checked;
                    differing += (shown.pixel(2 * x + dx, 2 * y + dy) | 0xff000000u) != want;
                }
        }
    EXPECT_EQ(differing, 0) << "of " << checked;
}
}   // namespace

TEST(HiDpi, PicturesAreSharpBlocksAndTheMouseStaysLogical)
{
    FakePlatform platform;
    TableWindow window(platform);
    window.controls().delaytimer1->stop();
    window.show();
    ASSERT_EQ(window.devicePixelRatio(), 2.0);
    expectCrisp(window.controls().tableim, window.tableCanvas());

    int gotX = -1, gotY = -1;
    QObject::connect(window.controls().tableim, &PictureWidget::mouseDown, [&](int x, int y) {
        gotX = x;
        gotY = y;
    });
    QTest::mousePress(window.controls().tableim, Qt::LeftButton, {}, QPoint(100, 60));
    EXPECT_EQ(gotX, 100);
    EXPECT_EQ(gotY, 60);

    window.controls().Startbt->click();
    for (int i = 0; i < 200; ++i)
        window.runControl().timerEvent();
    window.controls().Startbt->click();
    DataWindow data(window, platform);
    data.show();
    window.controls().showbt->click();
    data.tabs()->setCurrentIndex(1);
    expectCrisp(data.graphPage().graphim, data.graphPage().canvas());
    data.tabs()->setCurrentIndex(2);
    expectCrisp(data.momentumPage().momim, data.momentumPage().canvas());
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    PrivateSettings settings;
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
