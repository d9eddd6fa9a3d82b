#include <QMenuBar>

#include "table_fixture.h"

#include <QApplication>
#include <QFile>
#include <QIcon>

#include "experiments/record_setup.h"
#include "ui/app_identity.h"

class StartUpTest : public TableTest {};

TEST_F(StartUpTest, WindowCaptionSizeAndColours)
{
    EXPECT_EQ(window->windowTitle(), "Slidora");
    EXPECT_EQ(window->centralWidget()->size(), QSize(792, 546));
    EXPECT_EQ(window->centralWidget()->palette().color(QPalette::Window), QColor(254, 253, 199));
    EXPECT_EQ(c().Panel1->geometry(), QRect(8, 8, 777, 385));
    EXPECT_EQ(c().Panel2->geometry(), QRect(8, 396, 777, 145));
    EXPECT_EQ(c().tableim->geometry(), QRect(7, 7, 759, 367));
    EXPECT_EQ(c().Startbt->geometry(), QRect(560, 8, 89, 33));
    EXPECT_EQ(c().Timesb->geometry(), QRect(552, 118, 121, 17));
    EXPECT_EQ(c().SpeedButton1->geometry(), QRect(704, 84, 57, 57));
    EXPECT_EQ(c().m1sb->geometry(), QRect(4, 40, 102, 17));
    EXPECT_EQ(c().v2sb->geometry(), QRect(256, 72, 102, 17));
    EXPECT_EQ(c().showbt->geometry(), QRect(376, 72, 131, 25));
    const QFont f = window->centralWidget()->font();
    EXPECT_TRUE(f.bold());
    EXPECT_EQ(f.pixelSize(), 13);
}

TEST_F(StartUpTest, StartUpPlacesPucksHandlesAndDirections)
{
    auto centre = [](QWidget* w) { return w->pos() + QPoint(w->width() / 2, w->width() / 2); };
    EXPECT_EQ(centre(c().puck1), QPoint(201, 195));
    EXPECT_EQ(centre(c().puck2), QPoint(391, 195));
    EXPECT_EQ(centre(c().redansh).x() - 201, 65);
    EXPECT_EQ(391 - centre(c().blackansh).x(), 59);
    EXPECT_EQ(c().redansh->y(), 192);
    EXPECT_EQ(s().red.direction, 0.0);
    EXPECT_DOUBLE_EQ(s().black.direction, sim::kPi);
    EXPECT_EQ(s().red.speed, 5.0);
    EXPECT_EQ(s().black.speed, 0.0);
    EXPECT_EQ(s().red.mass, 2.0);
    EXPECT_EQ(s().black.mass, 2.0);
    EXPECT_EQ(s().red.radius, 12);
    EXPECT_EQ(s().red.startLeft, 189);
    EXPECT_EQ(s().black.startLeft, 379);
    EXPECT_EQ(s().red.startTop, 183);
    EXPECT_EQ(s().tick, 1);
    EXPECT_EQ(s().viewTick, 1);
    EXPECT_EQ(s().collisionTick, 1000);
    EXPECT_EQ(s().scale, 20.0);
    EXPECT_STREQ(window->model().unitText(), " cm");
    EXPECT_EQ(s().elasticPercent, 50);
    // entry 1 of the log is valid before any run
    const sim::PositionSample& p = s().sampleLog.positions[1];
    EXPECT_EQ(p.redX, 194.0);
    EXPECT_EQ(p.redY, 188.0);
    EXPECT_EQ(p.blackX, 384.0);
    const sim::VelocitySample& v = s().sampleLog.velocities[1];
    EXPECT_EQ(v.redSpeed, 5.0);
    EXPECT_DOUBLE_EQ(v.blackDirection, sim::kPi);
}

TEST_F(StartUpTest, StartUpTextsAndControlStates)
{
    EXPECT_EQ(c().cbfreq->currentText(), "  1 Hz");
    EXPECT_EQ(c().v1lb->text(), "Velocity 1: 5.0 cm/s");
    EXPECT_EQ(c().v2lb->text(), "Velocity 2: 0.0 cm/s");
    EXPECT_EQ(c().m1lb->text(), "Mass 1: 2.0 kg");
    EXPECT_EQ(c().m2lb->text(), "Mass 2: 2.0 kg");
    EXPECT_EQ(c().percentlb->text(), "50% Elastic collision");
    EXPECT_EQ(c().tableanglb->text(), QStringLiteral("Table Angle: 0.00\u00BA"));
    EXPECT_EQ(c().Timelb->text(), "Time: 0.00 s");
    EXPECT_EQ(c().Startbt->text(), "&Start");
    EXPECT_EQ(c().speedMenu->title(), "Computer Speed: F");
    EXPECT_EQ(c().colltimer->interval(), 10);
    EXPECT_FALSE(c().colltimer->isActive());
    EXPECT_FALSE(c().printtrbt->isEnabled());
    EXPECT_FALSE(c().measurecb->isEnabled());
    EXPECT_TRUE(c().rulerrb->isChecked());
    EXPECT_FALSE(c().percentlb->isVisibleTo(window.get()));
    EXPECT_FALSE(c().springgb->isVisibleTo(window.get()));
    EXPECT_FALSE(c().velsh->isVisibleTo(window.get()));
    EXPECT_TRUE(c().puck2->isVisibleTo(window.get()));
    EXPECT_EQ(c().Timesb->minimum(), 1);
    EXPECT_EQ(c().Timesb->maximum(), 1);
    EXPECT_EQ(c().Timesb->pageStep(), 50);
    EXPECT_EQ(c().tableangsb->maximum(), 1000);
    EXPECT_EQ(c().TabbedNotebook1->tabText(2), "&Measurements");
}

TEST_F(StartUpTest, MenuCaptionsTagsAndMarks)
{
    EXPECT_EQ(c().typeMenu->title(), "&Type: 2-D");
    EXPECT_EQ(window->model().dimension, 2);
    EXPECT_EQ(window->model().massCount, 2);
    EXPECT_TRUE(c().Elastic1->isChecked());
    EXPECT_FALSE(c().Inelastic1->isChecked());
    EXPECT_TRUE(c().tracecb->isChecked());
    EXPECT_FALSE(c().Centerofmass1->isChecked());
    for (QAction* a : {c().redb, c().blackb, c().reda, c().blackA})
        EXPECT_TRUE(a->isChecked()) << a->text().toStdString();
    EXPECT_FALSE(c().TraceBlock1->isVisible());
    EXPECT_FALSE(c().ShowForce1->isVisible());
    EXPECT_TRUE(c().ShowForce1->isChecked());
    // each mark is its own bit of an experiment's view flags
    const std::pair<QAction*, int> bits[] = {{c().Arrows1, 256}, {c().ShowGrid1, 1024}, {c().Labelmass1, 128}};
    for (const auto& [entry, bit] : bits) {
        const int before = exper::recordOf(window->model(), s())[exper::ExperimentRecord::ViewFlags];
        entry->trigger();
        EXPECT_EQ(exper::recordOf(window->model(), s())[exper::ExperimentRecord::ViewFlags], before + bit)
            << entry->text().toStdString();
        entry->trigger();
    }
    EXPECT_EQ(c().dotSizeMenu->title(), "\"Dot\" Size: (Normal)");
    EXPECT_EQ(c().circleSizeMenu->title(), "Circle Size: S");
    EXPECT_EQ(c().scaleMenu->title(), "Scale: Medium");
    EXPECT_EQ(c().electroMenu->title(), "E&lectrostatic: Un");
    EXPECT_EQ(c().electro50->toolTip(), "effects appear when they are near");
    EXPECT_FALSE(c().PrintCopySelect1->isEnabled());
    QStringList top;
    for (QAction* a : window->menuBar()->actions())
        top << a->text();
    EXPECT_EQ(top, (QStringList{"&File", "&View", "&Options", "&Help"}));
}

TEST_F(StartUpTest, AboutAndExit)
{
    c().About1->trigger();
    EXPECT_EQ(platform.aboutShown, 1);
    window->show();
    c().Exit1->trigger();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(StartUpTest, EveryLabelIsReadableInFullAtItsPlace)
{
    // the longest texts the labels take
    c().springElastic->trigger();
    c().lsb->setValue(200);   // "Length: 10.00 cm"
    c().ksb->setValue(200);
    c().m1sb->setValue(200);
    c().v1sb->setValue(500);
    for (QLabel* l : window->findChildren<QLabel*>()) {
        if (l->text().isEmpty() || !l->isVisibleTo(window.get()))
            continue;
        const QRect text(l->pos(), QSize(l->fontMetrics().horizontalAdvance(l->text()), l->fontMetrics().height()));
        EXPECT_LE(text.width(), l->width()) << l->text().toStdString();
        for (QWidget* other : l->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other == l || !other->isVisibleTo(window.get()) || qobject_cast<QLabel*>(other))
                continue;
            EXPECT_FALSE(other->geometry().intersects(text))
                << l->text().toStdString() << " (" << text.width() << " px wide) is covered by "
                << other->metaObject()->className() << " " << other->accessibleName().toStdString();
        }
    }
}

TEST(AppIdentity, TheWindowsBelongToTheDesktopEntryAndCarryItsIcon)
{
    setAppIdentity();
    EXPECT_EQ(QGuiApplication::desktopFileName(), "io.slidora.Slidora");
    const QIcon icon = QApplication::windowIcon();
    for (int size : {16, 24, 128})
        EXPECT_EQ(icon.pixmap(size, size).size(), QSize(size, size)) << size;
    QFile entry(QStringLiteral(SLIDORA_SOURCE_DIR "/data/io.slidora.Slidora.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    // on X11 the window class is the application's name
    EXPECT_TRUE(text.contains("\nStartupWMClass=" + QCoreApplication::applicationName() + "\n"));
    EXPECT_TRUE(text.contains("\nIcon=" + QGuiApplication::desktopFileName() + "\n"));
}

TEST_F(StartUpTest, TheExitButtonSaysExit)
{
    EXPECT_EQ(c().SpeedButton1->toolTip(), "Exit");
    EXPECT_EQ(c().SpeedButton1->accessibleName(), "Exit");
    // the arrow leaves to the right, through the door: not a bent-back "Undo"
    const QImage pic = c().SpeedButton1->icon().pixmap(45, 54).toImage();
    auto orange = [&](int x, int y) {
        const QColor p = pic.pixelColor(x, y);
        return p.alpha() > 200 && p.red() > 200 && p.green() > 100 && p.green() < 180 && p.blue() < 80;
    };
    EXPECT_TRUE(orange(40, 27));
    EXPECT_FALSE(orange(4, 10));
}

TEST_F(StartUpTest, EveryControlAndMenuEntryCarriesItsName)
{
    EXPECT_EQ(window->findChild<QScrollBar*>("m1sb"), c().m1sb);
    EXPECT_EQ(window->findChild<QToolButton*>("SpeedButton1"), c().SpeedButton1);
    EXPECT_EQ(window->findChild<QAction*>("tracecb"), c().tracecb);
    EXPECT_EQ(window->findChild<QAction*>("friction4"), c().friction[4]);
    for (QAction* a : window->findChildren<QAction*>()) {
        if (!a->isSeparator() && !a->menu() && !a->text().isEmpty() && a->parent() != window.get()) {
            EXPECT_FALSE(a->objectName().isEmpty()) << a->text().toStdString();
        }
    }
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool ours = qobject_cast<KeyScrollBar*>(w) || qobject_cast<QLabel*>(w) || qobject_cast<QPushButton*>(w)
            || qobject_cast<QGroupBox*>(w) || qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)
            || qobject_cast<MovableShape*>(w);
        if (ours) {
            EXPECT_FALSE(w->objectName().isEmpty())
                << w->metaObject()->className() << " " << w->accessibleName().toStdString();
        }
    }
}
