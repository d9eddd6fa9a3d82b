#include <QMenuBar>

#include "setup/controls.h"
#include "setup/language_menu.h"
#include "setup/table_window.h"
#include "setup/view_marks.h"

// The table window's menu: captions, tags, check marks and hints.

namespace {

QAction* entry(QMenu* menu, const QString& caption, int tag = 0, bool checkable = false, bool checked = false)
{
    QAction* a = menu->addAction(caption);
    a->setData(tag);
    a->setCheckable(checkable);
    a->setChecked(checked);
    return a;
}

QMenu* submenu(QMenu* parent, const QString& caption)
{
    return parent->addMenu(caption);
}

}   // namespace

void TableWindow::buildMenu()
{
    buildFileMenu();
    buildViewMenu();
    buildOptionsMenu();
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    c_.guide1 = named(entry(help, tr("Slidora &Guide")), "guide1");
    c_.guide1->setShortcut(QKeySequence(Qt::Key_F1));
    c_.About1 = named(entry(help, tr("&About")), "About1");
}

void TableWindow::buildFileMenu()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    // filled from the catalogue by the Experiment box
    c_.runExperimentMenu = named(submenu(file, tr("Run Experiment")), "runExperimentMenu");
    c_.Load1 = named(entry(file, tr("&Load an Experiment"), 1), "Load1");
    c_.Save1 = named(entry(file, tr("&Save an Experiment"), 2), "Save1");
    c_.challenge1 = named(entry(file, tr("C&hallenge...")), "challenge1");
    c_.openLesson1 = named(entry(file, tr("&Open Lesson...")), "openLesson1");
    c_.joinClass1 = named(entry(file, tr("&Join Class...")), "joinClass1");
    c_.handIn1 = named(entry(file, tr("Hand &In...")), "handIn1");
    c_.newClass1 = named(entry(file, tr("&New Class...")), "newClass1");
    c_.classResults1 = named(entry(file, tr("Class &Results...")), "classResults1");
    file->addSeparator();
    c_.CopySelect1 = named(entry(file, tr("&Copy Select"), 0, true, false), "CopySelect1");
    c_.PrintCopySelect1 = named(entry(file, tr("Print Copy Select")), "PrintCopySelect1");
    c_.Print1 = named(entry(file, tr("Print")), "Print1");
    c_.savePicture1 = named(entry(file, tr("Save &Picture...")), "savePicture1");
    c_.saveAnimation1 = named(entry(file, tr("Save &Animation...")), "saveAnimation1");
    c_.labSheet1 = named(entry(file, tr("La&b Sheet...")), "labSheet1");
    c_.WhoAmI1 = named(entry(file, tr("&Who Am I:")), "WhoAmI1");
    file->addSeparator();
    c_.Exit1 = named(entry(file, tr("E&xit")), "Exit1");
}

void TableWindow::buildViewMenu()
{
    QMenu* view = menuBar()->addMenu(tr("&View"));
    c_.typeMenu = named(submenu(view, tr("&Type: 2-D")), "typeMenu");
    c_.type2D = named(entry(c_.typeMenu, QStringLiteral("2-D"), 2), "type2D");
    c_.type1D = named(entry(c_.typeMenu, QStringLiteral("1-D"), 1), "type1D");
    c_.massesMenu = named(submenu(view, tr("2 Masses")), "massesMenu");
    c_.masses2 = named(entry(c_.massesMenu, tr("2 Masses"), 2), "masses2");
    c_.masses1 = named(entry(c_.massesMenu, tr("1 Mass"), 1), "masses1");
    for (const ViewMark& m : kViewMarks) {
        if (m.separatorBefore)
            view->addSeparator();
        QAction* a =
            entry(view, QCoreApplication::translate("ViewMarks", m.caption), 0, true, sim::SetupModel().mark(m.mark));
        a->setVisible(m.visible);
        c_.*(m.action) = named(a, m.name);
    }
    view->addSeparator();
    c_.letterMarks1 = named(entry(view, tr("&Colour-Blind Friendly"), 0, true, false), "letterMarks1");
    c_.predictFirst1 = named(entry(view, tr("&Predict First"), 0, true, false), "predictFirst1");
    c_.cmFrame1 = named(entry(view, tr("Centre-of-Mass &Frame"), 0, true, false), "cmFrame1");
    view->setToolTipsVisible(true);   // why Predict First is off, where it is
    c_.presentation1 = named(entry(view, tr("Prese&ntation Window"), 0, true, false), "presentation1");
    c_.fullScreen1 = named(entry(view, tr("F&ull Screen"), 0, true, false), "fullScreen1");
    c_.fullScreen1->setShortcut(QKeySequence(Qt::Key_F11));
    c_.zoomMenu = named(submenu(view, tr("&Zoom")), "zoomMenu");
    const int percents[4] = {100, 125, 150, 200};
    for (int i = 0; i < 4; ++i)
        c_.zoom[i] =
            named(entry(c_.zoomMenu, QString::number(percents[i]) + QStringLiteral(" %"), percents[i], true, i == 0),
                  QStringLiteral("zoom%1").arg(i));
    c_.zoom[0]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    c_.zoomMenu->addSeparator();
    c_.zoomIn1 = named(entry(c_.zoomMenu, tr("Zoom &In")), "zoomIn1");
    c_.zoomIn1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    c_.zoomOut1 = named(entry(c_.zoomMenu, tr("Zoom &Out")), "zoomOut1");
    c_.zoomOut1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
}

void TableWindow::buildOptionsMenu()
{
    QMenu* options = menuBar()->addMenu(tr("&Options"));
    c_.springMenu = named(submenu(options, tr("1-D Spring")), "springMenu");
    c_.springMenu->menuAction()->setCheckable(true);
    c_.springElastic = named(entry(c_.springMenu, tr("Elastic"), 3), "springElastic");
    c_.springInelastic = named(entry(c_.springMenu, tr("Inelastic"), 4), "springInelastic");
    c_.Elastic1 = named(entry(options, tr("&Elastic"), 0, true, true), "Elastic1");
    c_.Inelastic1 = named(entry(options, tr("&Inelastic"), 0, true, false), "Inelastic1");
    c_.SemiElastic1 = named(entry(options, tr("&Semi Elastic"), 0, true, false), "SemiElastic1");
    c_.electroMenu = named(submenu(options, tr("E&lectrostatic: Un")), "electroMenu");
    c_.electroMenu->menuAction()->setCheckable(true);
    c_.electroMenu->setToolTipsVisible(true);
    c_.electroUnlimited = named(entry(c_.electroMenu, tr("Unlimited"), 1000), "electroUnlimited");
    c_.electro100 = named(entry(c_.electroMenu, QStringLiteral("100"), 100), "electro100");
    c_.electro50 = named(entry(c_.electroMenu, QStringLiteral("50"), 50), "electro50");
    c_.electro20 = named(entry(c_.electroMenu, QStringLiteral("20"), 20), "electro20");
    const char* hints[] = {QT_TR_NOOP("effects appear always"), QT_TR_NOOP("effects appear far away"),
                           QT_TR_NOOP("effects appear when they are near"),
                           QT_TR_NOOP("effects appear on when they are close")};
    QAction* ranges[] = {c_.electroUnlimited, c_.electro100, c_.electro50, c_.electro20};
    for (int i = 0; i < 4; ++i) {
        ranges[i]->setToolTip(tr(hints[i]));
        ranges[i]->setStatusTip(tr(hints[i]));
    }
    c_.Circle1 = named(entry(options, tr("&Circle"), 0, true, false), "Circle1");
    options->addSeparator();
    c_.timingMenu = named(submenu(options, tr("Timing")), "timingMenu");
    c_.PlottingError1 = named(entry(c_.timingMenu, tr("&Plotting Error"), 0, true, false), "PlottingError1");
    c_.speedMenu = named(submenu(c_.timingMenu, tr("Computer Speed: F")), "speedMenu");
    c_.speedSlow = named(entry(c_.speedMenu, tr("Slow"), 50), "speedSlow");
    c_.speedMedium = named(entry(c_.speedMenu, tr("Medium"), 25), "speedMedium");
    c_.speedFast = named(entry(c_.speedMenu, tr("Fast"), 10), "speedFast");
    c_.circleSizeMenu = named(submenu(options, tr("Circle Size: S")), "circleSizeMenu");
    c_.circleSmall = named(entry(c_.circleSizeMenu, tr("Small"), 0), "circleSmall");
    c_.circleMedium = named(entry(c_.circleSizeMenu, tr("Medium"), 1), "circleMedium");
    c_.circleLarge = named(entry(c_.circleSizeMenu, tr("Large"), 2), "circleLarge");
    c_.circleBlackSmall = named(entry(c_.circleSizeMenu, tr("Black Really Small"), -2), "circleBlackSmall");
    c_.scaleMenu = named(submenu(options, tr("Scale: Medium")), "scaleMenu");
    c_.scaleSmall = named(entry(c_.scaleMenu, tr("Small"), 50), "scaleSmall");
    c_.scaleMedium = named(entry(c_.scaleMenu, tr("Medium"), 20), "scaleMedium");
    c_.scaleLarge = named(entry(c_.scaleMenu, tr("Large"), 5), "scaleLarge");
    c_.dotSizeMenu = named(submenu(options, tr("\"Dot\" Size: (Normal)")), "dotSizeMenu");
    c_.dotNormal = named(entry(c_.dotSizeMenu, tr("Normal"), 7), "dotNormal");
    c_.dotLarge = named(entry(c_.dotSizeMenu, tr("Large"), 9), "dotLarge");
    c_.frictionMenu = named(submenu(options, tr("Circle friction: (0)")), "frictionMenu");
    for (int i = 0; i < 5; ++i)
        c_.friction[i] = named(entry(c_.frictionMenu, QString::number(i), i), QStringLiteral("friction%1").arg(i));
    options->addSeparator();
    c_.exactSetUp1 = named(entry(options, tr("Set &Up Exactly...")), "exactSetUp1");
    c_.slowMotion1 = named(entry(options, tr("Slow &Motion at Contact"), 0, true, false), "slowMotion1");
    language_ = std::make_unique<LanguageMenu>(options, [this](const QString& code) { emit languageChosen(code); });
}
