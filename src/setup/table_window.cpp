#include "setup/table_window.h"

#include "ui/placement.h"

#include <QApplication>
#include <QScreen>
#include <QSignalBlocker>
#include <algorithm>

#include "engine/exact_setup.h"
#include "engine/motion.h"
#include "engine/table_start.h"
#include "setup/controls.h"
#include "setup/exact_dialog.h"
#include "setup/language_menu.h"
#include "setup/measure_tools.h"
#include "setup/model_view.h"
#include "setup/prediction_panel.h"
#include "setup/presentation_window.h"
#include "setup/puck_placer.h"
#include "setup/reset.h"
#include "setup/run_control.h"
#include "setup/setup_drawing.h"
#include "setup/setup_handlers.h"
#include "setup/table_host.h"
#include "setup/view_options.h"
#include "setup/view_settings_of.h"
#include "ui/guide_window.h"
#include "ui/platform.h"
#include "ui/widgets.h"
#include "view/printing.h"
#include "view/time_line.h"
#include "view/trace_renderer.h"

namespace {
constexpr int kImageW = 759;
constexpr int kImageH = 367;
}   // namespace

TableWindow::TableWindow(PlatformServices& platform, QWidget* parent) : TableWindow(platform, *new ClassroomHub, parent)
{
    ownClassroom_.reset(&hub_);
}

TableWindow::TableWindow(PlatformServices& platform, ClassroomHub& classroom, QWidget* parent)
    : QMainWindow(parent), platform_(platform), hub_(classroom), state_(&classroom.commands().runState()),
      model_(classroom.room().model()), table_(kImageW, kImageH), grid_(kImageW, kImageH),
      controls_(std::make_unique<Controls>()), c_(*controls_)
{
    installShapeAccessibility();   // before any shape is asked about itself
    setWindowTitle(QStringLiteral("Slidora"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    buildLayout();
    buildMenu();

    auto settings = [this] { return viewSettingsOf(model_, c_, room().disclosure()); };
    renderer_ = std::make_unique<TraceRenderer>(
        *state_, table_, grid_, settings, [this] { return model_.pushed(); }, c_.tableim);
    renderer_->setClassroom(&room());
    setupDrawing_ = std::make_unique<SetupDrawing>(model_, *state_, c_, table_, grid_);
    reset_ = std::make_unique<TableReset>(hub_, c_, ops_, table_, grid_);
    run_ = std::make_unique<RunControl>(hub_, c_, ops_);
    placer_ = std::make_unique<PuckPlacer>(model_, *state_, c_, ops_);
    measure_ = std::make_unique<MeasureTools>(model_, *state_, c_, ops_, table_);
    modelView_ = std::make_unique<ModelView>(model_, *state_, c_);
    modelView_->setClassroom(&room());
    host_ = std::make_unique<TableHost>(model_, *state_, c_, ops_, *modelView_, *placer_, *reset_);
    rules_ = std::make_unique<sim::SetupRules>(hub_.commands().setupModel(), *state_, *host_);
    handlers_ = std::make_unique<SetupHandlers>(*rules_, c_, *modelView_);
    view_ = std::make_unique<ViewOptions>(*rules_, c_, *modelView_);
    timeLine_ = std::make_unique<TimeLine>(*rules_, hub_,
                                           TimeLineControls{c_.Timesb, c_.Timelb, c_.dstartbt, c_.replaysb,
                                                            c_.delaytimer1, c_.colltimer, c_.cbfreq, c_.slb},
                                           ops_);
    printing_ = std::make_unique<Printing>(PrintingControls{c_.printtrbt, c_.Print1, c_.PrintCopySelect1, c_.WhoAmI1,
                                                            c_.CopySelect1, c_.measurecb, c_.copyshape},
                                           platform_, table_, this);
    wire();
    if (room().setUp())
        showClassroom();
    else
        startUp();
    hub_.commands().markSetUp();
    showUsable();
    nameControls();
    connect(&hub_, &ClassroomHub::changed, this, [this](unsigned bits) { refresh(sim::Changes::fromBits(bits)); });

    // fixed size, centred on the screen; one larger than the screen keeps its
    // menu bar on it
    adjustSize();
    setFixedSize(sizeHint());
    if (QScreen* screen = QApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(place::onScreen(area, QRect(area.center() - rect().center(), size())));
    }
}

TableWindow::~TableWindow() = default;

void TableWindow::wireZoom()
{
    for (QAction* a : c_.zoom)
        connect(a, &QAction::triggered, this, [this, a] {
            a->setChecked(false);   // checked again by the window made at that zoom
            emit zoomChosen(a->data().toInt());
        });
    auto step = [this](int by) {
        int at = 0;
        for (int i = 0; i < 4; ++i)
            if (c_.zoom[i]->isChecked())
                at = i;
        const int to = std::clamp(at + by, 0, 3);
        if (to != at)
            emit zoomChosen(c_.zoom[to]->data().toInt());
    };
    connect(c_.zoomIn1, &QAction::triggered, this, [step] { step(1); });
    connect(c_.zoomOut1, &QAction::triggered, this, [step] { step(-1); });
}

void TableWindow::setZoom(int percent)
{
    for (QAction* a : c_.zoom)
        a->setChecked(a->data().toInt() == percent);
}

KeptTable TableWindow::keep()
{
    if (room().clock().running)
        run_->start();   // paused, as Stop leaves it
    if (c_.delaytimer1->isActive())
        timeLine_->toggleReplay();   // a replay stops at the tick it reached, as Stop leaves it
    return {presentation_ != nullptr, pos(), c_.TabbedNotebook1->currentIndex()};
}

void TableWindow::restore(const KeptTable& k)
{
    move(k.place);
    c_.TabbedNotebook1->setCurrentIndex(k.page);
    if (k.presenting)
        c_.presentation1->trigger();
}

void TableWindow::showClassroom()
{
    // no start-up replay check here: on a kept run's long time line it would
    // start a replay nobody asked for
    drawGrid(grid_);
    printing_->cancelSelection();
    modelView_->show();
    c_.predictFirst1->setChecked(room().prediction().on);
    showChallenge();
    showLesson();
    if (!sim::runStarted(*state_)) {
        host_->placeShapes();
        reset_->reset();
        host_->showShapesForInteraction();
        host_->showShapesForMassCount();
        return;
    }
    // a run, paused: the pucks give way to the trace, as when it was started
    run_->hideShapes();
    {
        // the clock is the classroom's; the time line only shows it
        const QSignalBlocker quiet(c_.Timesb);
        c_.Timesb->setMaximum(state_->timeLineEnd);
        c_.Timesb->setValue(state_->timeLine);
    }
    run_->showClock();
    c_.Startbt->setText(tr("&Continue"));
    // drawn again from the log, nothing recorded: the log stays as it was kept
    if (model_.interaction == sim::Interaction::Circle)
        ops_.circleStep();
    else
        renderer_->renderTrace();
    predictionStageChanged();
}

void TableWindow::refresh(sim::Changes changed)
{
    using P = sim::Part;
    if (changed.has(P::Lesson))
        showLesson();
    if (changed.has(P::Challenge))
        showChallenge();
    if (changed.has(P::Prediction))
        c_.predictFirst1->setChecked(room().prediction().on);
    if (changed.has(P::Kept) || changed.has(P::Prediction))
        redrawTable();
    if (changed.has(P::Class) && presentation_)
        presentation_->update();
    if (changed.has(P::Frame)) {
        c_.cmFrame1->setChecked(room().cmFrame());
        redrawTable();
    }
    showUsable();
}

TableLinks TableWindow::links() const
{
    return {c_.expgb,    c_.Load1,     c_.Save1,         c_.challenge1,        c_.openLesson1, c_.joinClass1,
            c_.handIn1,  c_.newClass1, c_.classResults1, c_.runExperimentMenu, c_.showbt,      c_.dotNormal,
            c_.dotLarge, c_.zoom[0],   c_.zoomIn1,       c_.zoomOut1};
}

sim::SetupHost& TableWindow::setupHost()
{
    return *host_;
}

void TableWindow::resetRun()
{
    ops_.reset();
}

void TableWindow::showSetUp()
{
    modelView_->show();
}

void TableWindow::printPicture(const QImage& picture)
{
    printing_->printImage(picture);
}

void TableWindow::setNameDialog(NameDialog* dialog)
{
    printing_->setNameDialog(dialog);
}

void TableWindow::wire()
{
    // the pass records the sample (and pulls the 1-D black puck onto its
    // row), then draws
    ops_.renderTrace = [this] {
        if (!room().disclosure().held())   // held: the log keeps the contact's sample as recorded
            sim::recordPass(
                *state_,
                {model_.interaction == sim::Interaction::Circle, model_.dimension == 1, model_.mark(sim::ArrowsMark)});
        renderer_->renderTrace();
    };
    ops_.drawSetUp = [this] { setupDrawing_->drawSetUp(); };
    ops_.reset = [this] { reset_->reset(); };
    ops_.recenter = [this] { reset_->recenter(); };
    ops_.start = [this] { run_->start(); };
    ops_.toggleReplay = [this] { timeLine_->toggleReplay(); };
    ops_.circleStep = [this] { renderer_->drawPicture(); };   // the circle's picture is the run's
    ops_.forgetCopy = [this] { printing_->forgetCopy(); };
    printing_->copied = [this] { showUsable(); };
    modelView_->shown = [this] { showUsable(); };

    handlers_->connectAll();
    view_->connectAll();
    timeLine_->connectAll();
    placer_->connectAll();
    measure_->connectAll();
    printing_->connectAll();

    // The table image's mouse: the selection first, then the measuring tools.
    connect(c_.tableim, &PictureWidget::mouseDown, this, [this](int x, int y) { printing_->selectionStart(x, y); });
    connect(c_.tableim, &PictureWidget::mouseMove, this, [this](int x, int y) {
        printing_->selectionMove(x, y);
        measure_->mouseMove(x, y);
    });
    connect(c_.tableim, &PictureWidget::mouseUp, this, [this](int x, int y) {
        printing_->selectionFinish();
        measure_->release(x, y);
    });
    connect(c_.tableim, &PictureWidget::mouseLeft, this, [this] { measure_->mouseLeft(); });

    connect(c_.Startbt, &QPushButton::clicked, this, [this] { run_->start(); });
    connect(c_.Resetbt, &QPushButton::clicked, this, [this] {
        if (room().clock().running)
            run_->start();   // stop the run first
        reset_->reset();
    });
    connect(c_.Recenterbt, &QPushButton::clicked, this, [this] { reset_->recenter(); });
    connect(c_.colltimer, &QTimer::timeout, this, [this] { run_->timerEvent(); });
    connect(c_.SpeedButton1, &QToolButton::clicked, this, &QWidget::close);
    connect(c_.Exit1, &QAction::triggered, this, &QWidget::close);
    connect(c_.About1, &QAction::triggered, this, [this] { platform_.showAbout(this); });
    connect(c_.guide1, &QAction::triggered, this, [this] {
        if (!guide_)
            guide_ = std::make_unique<GuideWindow>();
        guide_->open();
    });
    wireClassroom();
    wireZoom();
    wirePrediction();
    connect(c_.exactSetUp1, &QAction::triggered, this, [this] { setUpExactly(); });
    connect(c_.cmFrame1, &QAction::toggled, this, [this](bool on) { hub_.run(&sim::Classroom::setCmFrame, on); });
    connect(c_.slowMotion1, &QAction::toggled, this, [this](bool on) { hub_.run(&sim::Classroom::setSlowMotion, on); });
    connect(c_.savePicture1, &QAction::triggered, this, [this] { savePicture(); });
    connect(c_.saveAnimation1, &QAction::triggered, this, [this] { saveAnimation(); });
    for (MovableShape* puck : {c_.puck1, c_.puck2})
        connect(puck, &MovableShape::doubleClicked, this, [this] {
            placer_->buttonUp();   // the press began no drag the dialog could end
            QMetaObject::invokeMethod(
                this, [this] { setUpExactly(); }, Qt::QueuedConnection);
        });
    // what the pucks and handles say of themselves follows them
    for (MovableShape* shape : {c_.puck1, c_.puck2, c_.redansh, c_.blackansh})
        connect(shape, &MovableShape::moved, this, [this] { modelView_->describeShapes(); });
}

// The presentation window and full screen: they only show the table.
void TableWindow::wireClassroom()
{
    connect(c_.presentation1, &QAction::triggered, this, [this](bool on) {
        if (!on) {
            presentation_.reset();
            return;
        }
        presentation_ = std::make_unique<PresentationWindow>(c_.Panel1, c_.Timelb, room());
        connect(presentation_.get(), &PresentationWindow::closed, this, [this] {
            c_.presentation1->setChecked(false);
            presentation_.release()->deleteLater();
        });
        presentation_->open();
    });
    connect(c_.fullScreen1, &QAction::triggered, this, [this](bool on) {
        // the window keeps its size otherwise; full screen lets it grow
        if (on) {
            setMinimumSize(0, 0);
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            showFullScreen();
        } else {
            showNormal();
            setFixedSize(sizeHint());
        }
    });
}

void TableWindow::startUp()
{
    drawGrid(grid_);
    printing_->cancelSelection();
    sim::startUpSetup(*rules_, *state_, *host_);
    modelView_->show();
    c_.delaytimer1->start();   // its first event finds the time line at its end and stops
}

void TableWindow::setUpExactly()
{
    QList<QPair<QString, int>> ranges;
    for (QAction* a : c_.electroMenu->actions())
        ranges.append({a->text().remove(QLatin1Char('&')), a->data().toInt()});
    ExactDialog dialog(model_, *state_, ranges, platform_, this);
    const sim::Disclosure d = room().disclosure();
    const std::pair<bool, sim::ExactField> unknowns[] = {{d.blackMassHidden, sim::ExactField::BlackMass},
                                                         {d.percentHidden, sim::ExactField::Percent},
                                                         {d.launchHidden(), sim::ExactField::RedSpeed}};
    for (const auto& [hidden, field] : unknowns)
        if (hidden)
            dialog.keepUnknown(field);
    if (platform_.execModal(dialog) != QDialog::Accepted)
        return;
    const sim::ExactNumbers typed = dialog.typed();
    const int range = dialog.rangeEntry();
    if (sim::runStarted(*state_))
        c_.Resetbt->click();   // places and aims are the set-up's: back to it first
    sim::applyExact(sim::planExact(typed, range, model_, *state_), *rules_, *state_);
    host_->placeShapes();
    ops_.drawSetUp();
}

void TableWindow::redrawTable()
{
    if (!sim::runStarted(*state_) || model_.interaction == sim::Interaction::Circle)
        return;   // the set-up and the circle show no kept runs
    renderer_->renderTrace();
}
