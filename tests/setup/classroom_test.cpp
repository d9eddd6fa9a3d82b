// What the classroom adds beyond the original window: the presentation
// window and full screen.
#include "table_fixture.h"

#include <QLabel>

#include "setup/presentation_window.h"
#include "ui/guide_window.h"

class ClassroomTest : public TableTest {};

TEST_F(ClassroomTest, ThePresentationWindowFollowsTheTable)
{
    EXPECT_FALSE(c().presentation1->isChecked());
    c().presentation1->trigger();
    PresentationWindow* p = window->presentation();
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(p->isVisible());
    // the set-up: the picture with the pucks on it, as the table shows it
    const QImage setUp = p->tablePicture();
    EXPECT_EQ(setUp.size(), QSize(759, 367));
    // the pucks are widgets over the canvas: the picture has them, the canvas not
    const QImage canvas = image().image().convertToFormat(setUp.format());
    int puckPixels = 0;
    const QRect puck(c().puck1->x() - 7, c().puck1->y() - 7, c().puck1->width(), c().puck1->height());
    for (int y = puck.top(); y <= puck.bottom(); ++y)
        for (int x = puck.left(); x <= puck.right(); ++x)
            puckPixels += setUp.pixel(x, y) != canvas.pixel(x, y);
    EXPECT_GT(puckPixels, 20);
    EXPECT_EQ(setUp.copy(0, 0, 100, 100), canvas.copy(0, 0, 100, 100));
    EXPECT_EQ(p->captionText(), "Time: 0.00 s     Red 5.0 cm/s     Black 0.0 cm/s");

    runTicks(120);   // the pucks have met
    EXPECT_EQ(p->captionText(), c().Timelb->text() + "     Red 0.0 cm/s     Black 5.0 cm/s");
    const QImage run = p->tablePicture();
    EXPECT_EQ(run, image().image().convertToFormat(run.format())) << "during a run the trace alone";

    c().masses1->trigger();   // a set-up change
    EXPECT_FALSE(p->captionText().contains("Black"));

    p->close();
    EXPECT_FALSE(c().presentation1->isChecked());
    EXPECT_EQ(s().massCount, 1) << "closing it changes nothing else";
}

TEST_F(ClassroomTest, FullScreenTogglesAndGivesTheSizeBack)
{
    const QSize normal = window->size();
    c().fullScreen1->trigger();
    EXPECT_TRUE(window->windowState() & Qt::WindowFullScreen);
    c().fullScreen1->trigger();
    EXPECT_FALSE(window->windowState() & Qt::WindowFullScreen);
    EXPECT_EQ(window->minimumSize(), normal);
    EXPECT_EQ(window->maximumSize(), normal);
    EXPECT_EQ(c().fullScreen1->shortcut(), QKeySequence(Qt::Key_F11));
}

TEST_F(ClassroomTest, ColourBlindFriendlyLettersThePucks)
{
    const QImage plainPuck = c().puck1->grab().toImage();
    runTicks(40);
    const QImage plainRun = image().image().copy();
    c().Resetbt->click();
    c().letterMarks1->trigger();
    EXPECT_TRUE(window->model().letterMarks);
    EXPECT_TRUE(c().letterMarks1->isChecked());
    EXPECT_NE(c().puck1->grab().toImage(), plainPuck) << "the red puck carries its R";
    runTicks(40);
    const QImage lettered = image().image().copy();
    // the same trace, with a letter inside each puck drawn at the time shown
    int differing = 0;
    for (int y = 0; y < lettered.height(); ++y)
        for (int x = 0; x < lettered.width(); ++x)
            differing += lettered.pixel(x, y) != plainRun.pixel(x, y);
    EXPECT_GT(differing, 10);
    EXPECT_LT(differing, 200);
    c().letterMarks1->trigger();   // off again: the picture is the original one
    EXPECT_EQ(image().image(), plainRun);
}

TEST_F(ClassroomTest, F1OpensTheGuideWithItsPictures)
{
    EXPECT_EQ(c().guide1->shortcut(), QKeySequence(Qt::Key_F1));
    c().guide1->trigger();
    GuideWindow* guide = window->guide();
    ASSERT_NE(guide, nullptr);
    EXPECT_TRUE(guide->isVisible());
    EXPECT_TRUE(guide->toPlainText().startsWith("Slidora: a guide for teachers"));
    EXPECT_TRUE(guide->toPlainText().contains("Before and After"));
    // every picture the guide names is built into the program
    int pictures = 0;
    for (const char* name : {"table-window", "trace", "data-table", "before-and-after"}) {
        const QVariant image = guide->document()->resource(
            QTextDocument::ImageResource, QUrl(QStringLiteral("images/%1.png").arg(QLatin1String(name))));
        EXPECT_FALSE(image.value<QImage>().isNull()) << name;
        pictures += !image.value<QImage>().isNull();
    }
    EXPECT_EQ(pictures, 4);
}
