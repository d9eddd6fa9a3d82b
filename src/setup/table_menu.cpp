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
    c_.guide1 = entry(help, tr("Slidora &Guide"));
    c_.guide1->setShortcut(QKeySequence(Qt::Key_F1));
    c_.About1 = entry(help, tr("&About"));
}

void TableWindow::buildFileMenu()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    // filled from the catalogue by the Experiment box
    c_.runExperimentMenu = submenu(file, tr("Run Experiment"));
    c_.Load1 = entry(file, tr("&Load an Experiment"), 1);
    c_.Save1 = entry(file, tr("&Save an Experiment"), 2);
    c_.challenge1 = entry(file, tr("C&hallenge..."));
    c_.openLesson1 = entry(file, tr("&Open Lesson..."));
    file->addSeparator();
    c_.CopySelect1 = entry(file, tr("&Copy Select"), 0, true, false);
    c_.PrintCopySelect1 = entry(file, tr("Print Copy Select"));
    c_.PrintCopySelect1->setEnabled(false);
    c_.Print1 = entry(file, tr("Print"));
    c_.savePicture1 = entry(file, tr("Save &Picture..."));
    c_.saveAnimation1 = entry(file, tr("Save &Animation..."));
    c_.labSheet1 = entry(file, tr("La&b Sheet..."));
    c_.WhoAmI1 = entry(file, tr("&Who Am I:"));
    file->addSeparator();
    c_.Exit1 = entry(file, tr("E&xit"));
}

void TableWindow::buildViewMenu()
{
    QMenu* view = menuBar()->addMenu(tr("&View"));
    c_.typeMenu = submenu(view, tr("&Type: 2-D"));
    c_.type2D = entry(c_.typeMenu, QStringLiteral("2-D"), 2);
    c_.type1D = entry(c_.typeMenu, QStringLiteral("1-D"), 1);
    c_.massesMenu = submenu(view, tr("2 Masses"));
    c_.masses2 = entry(c_.massesMenu, tr("2 Masses"), 2);
    c_.masses1 = entry(c_.massesMenu, tr("1 Mass"), 1);
    for (const ViewMark& m : kViewMarks) {
        if (m.separatorBefore)
            view->addSeparator();
        QAction* a =
            entry(view, QCoreApplication::translate("ViewMarks", m.caption), 0, true, sim::SetupModel().mark(m.mark));
        a->setVisible(m.visible);
        c_.*(m.action) = a;
    }
    view->addSeparator();
    c_.letterMarks1 = entry(view, tr("&Colour-Blind Friendly"), 0, true, false);
    c_.predictFirst1 = entry(view, tr("&Predict First"), 0, true, false);
    view->setToolTipsVisible(true);   // why Predict First is off, where it is
    c_.presentation1 = entry(view, tr("Prese&ntation Window"), 0, true, false);
    c_.fullScreen1 = entry(view, tr("F&ull Screen"), 0, true, false);
    c_.fullScreen1->setShortcut(QKeySequence(Qt::Key_F11));
    c_.zoomMenu = submenu(view, tr("&Zoom"));
    const int percents[4] = {100, 125, 150, 200};
    for (int i = 0; i < 4; ++i)
        c_.zoom[i] = entry(c_.zoomMenu, QString::number(percents[i]) + QStringLiteral(" %"), percents[i], true, i == 0);
    c_.zoom[0]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    c_.zoomMenu->addSeparator();
    c_.zoomIn1 = entry(c_.zoomMenu, tr("Zoom &In"));
    c_.zoomIn1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    c_.zoomOut1 = entry(c_.zoomMenu, tr("Zoom &Out"));
    c_.zoomOut1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
}

void TableWindow::buildOptionsMenu()
{
    QMenu* options = menuBar()->addMenu(tr("&Options"));
    c_.springMenu = submenu(options, tr("1-D Spring"));
    c_.springMenu->menuAction()->setCheckable(true);
    c_.springElastic = entry(c_.springMenu, tr("Elastic"), 3);
    c_.springInelastic = entry(c_.springMenu, tr("Inelastic"), 4);
    c_.Elastic1 = entry(options, tr("&Elastic"), 0, true, true);
    c_.Inelastic1 = entry(options, tr("&Inelastic"), 0, true, false);
    c_.SemiElastic1 = entry(options, tr("&Semi Elastic"), 0, true, false);
    c_.electroMenu = submenu(options, tr("E&lectrostatic: Un"));
    c_.electroMenu->menuAction()->setCheckable(true);
    c_.electroMenu->setToolTipsVisible(true);
    c_.electroUnlimited = entry(c_.electroMenu, tr("Unlimited"), 1000);
    c_.electro100 = entry(c_.electroMenu, QStringLiteral("100"), 100);
    c_.electro50 = entry(c_.electroMenu, QStringLiteral("50"), 50);
    c_.electro20 = entry(c_.electroMenu, QStringLiteral("20"), 20);
    const char* hints[] = {QT_TR_NOOP("effects appear always"), QT_TR_NOOP("effects appear far away"),
                           QT_TR_NOOP("effects appear when they are near"),
                           QT_TR_NOOP("effects appear on when they are close")};
    QAction* ranges[] = {c_.electroUnlimited, c_.electro100, c_.electro50, c_.electro20};
    for (int i = 0; i < 4; ++i) {
        ranges[i]->setToolTip(tr(hints[i]));
        ranges[i]->setStatusTip(tr(hints[i]));
    }
    c_.Circle1 = entry(options, tr("&Circle"), 0, true, false);
    options->addSeparator();
    c_.timingMenu = submenu(options, tr("Timing"));
    c_.PlottingError1 = entry(c_.timingMenu, tr("&Plotting Error"), 0, true, false);
    c_.speedMenu = submenu(c_.timingMenu, tr("Computer Speed: F"));
    c_.speedSlow = entry(c_.speedMenu, tr("Slow"), 50);
    c_.speedMedium = entry(c_.speedMenu, tr("Medium"), 25);
    c_.speedFast = entry(c_.speedMenu, tr("Fast"), 10);
    c_.circleSizeMenu = submenu(options, tr("Circle Size: S"));
    c_.circleSmall = entry(c_.circleSizeMenu, tr("Small"), 0);
    c_.circleMedium = entry(c_.circleSizeMenu, tr("Medium"), 1);
    c_.circleLarge = entry(c_.circleSizeMenu, tr("Large"), 2);
    c_.circleBlackSmall = entry(c_.circleSizeMenu, tr("Black Really Small"), -2);
    c_.scaleMenu = submenu(options, tr("Scale: Medium"));
    c_.scaleSmall = entry(c_.scaleMenu, tr("Small"), 50);
    c_.scaleMedium = entry(c_.scaleMenu, tr("Medium"), 20);
    c_.scaleLarge = entry(c_.scaleMenu, tr("Large"), 5);
    c_.dotSizeMenu = submenu(options, tr("\"Dot\" Size: (Normal)"));
    c_.dotNormal = entry(c_.dotSizeMenu, tr("Normal"), 7);
    c_.dotLarge = entry(c_.dotSizeMenu, tr("Large"), 9);
    c_.frictionMenu = submenu(options, tr("Circle friction: (0)"));
    for (int i = 0; i < 5; ++i)
        c_.friction[i] = entry(c_.frictionMenu, QString::number(i), i);
    options->addSeparator();
    c_.exactSetUp1 = entry(options, tr("Set &Up Exactly..."));
    language_ = std::make_unique<LanguageMenu>(options, [this](const QString& code) { emit languageChosen(code); });
}
