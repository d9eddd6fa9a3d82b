#include "setup/table_window.h"

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTabBar>
#include <QPainter>
#include <QPainterPath>
#include <QSignalBlocker>

#include "engine/motion.h"
#include "setup/measure_tools.h"
#include "setup/mode_switches.h"
#include "setup/puck_placer.h"
#include "setup/reset.h"
#include "setup/run_control.h"
#include "setup/setup_drawing.h"
#include "setup/setup_handlers.h"
#include "ui/platform.h"
#include "ui/widgets.h"
#include "view/circle_drawing.h"
#include "view/printing.h"
#include "view/time_line.h"
#include "view/trace_renderer.h"
#include "view/view_options.h"

namespace {

const QColor kWindowColour(254, 253, 199);
const QColor kPanelColour(169, 150, 109);
constexpr int kImageW = 759;
constexpr int kImageH = 367;

QFont captionFont()
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    f.setBold(true);
    return f;
}

void fill(QWidget* w, QColor colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

QScrollBar* scrollBar(QWidget* parent, int x, int y, int w, int h, int min, int max, int pos, int large)
{
    auto* sb = new KeyScrollBar(Qt::Horizontal, parent);
    sb->setGeometry(x, y, w, h);
    sb->setRange(min, max);
    sb->setSingleStep(1);
    sb->setPageStep(large);
    sb->setValue(pos);
    return sb;
}

QLabel* label(QWidget* parent, int x, int y, const QString& text)
{
    auto* l = new QLabel(parent);
    l->move(x, y);
    setCaption(l, text);
    return l;
}

QPushButton* button(QWidget* parent, int x, int y, int w, int h, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setGeometry(x, y, w, h);
    b->setAutoDefault(false);
    return b;
}

// An orange arrow bent back to the left: the exit button's picture.
QPixmap exitPicture()
{
    QPixmap pm(45, 54);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath bend;
    bend.moveTo(12, 44);
    bend.lineTo(24, 44);
    bend.cubicTo(44, 44, 44, 10, 24, 10);
    bend.lineTo(16, 10);
    p.setPen(QPen(QColor(240, 140, 20), 7, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(bend);
    QPolygonF head;
    head << QPointF(2, 10) << QPointF(17, 0) << QPointF(17, 20);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 140, 20));
    p.drawPolygon(head);
    return pm;
}

QAction* entry(QMenu* menu, const QString& caption, int tag = 0, bool checkable = false, bool checked = false)
{
    QAction* a = menu->addAction(caption);
    a->setData(tag);
    a->setCheckable(checkable);
    a->setChecked(checked);
    return a;
}

QMenu* submenu(QMenu* parent, const QString& caption, int tag = 0)
{
    QMenu* m = parent->addMenu(caption);
    m->menuAction()->setData(tag);
    return m;
}

} // namespace

void setCaption(QLabel* l, const QString& text)
{
    l->setText(text);
    if (!l->property("keepWidth").toBool())
        l->adjustSize();
}

TableWindow::TableWindow(PlatformServices& platform, QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      state_(std::make_unique<sim::SimState>()),
      table_(kImageW, kImageH),
      grid_(kImageW, kImageH)
{
    setWindowTitle(QStringLiteral("Slidora"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    buildLayout();
    buildMenu();

    renderer_ = std::make_unique<TraceRenderer>(*state_, c_, table_, grid_);
    setupDrawing_ = std::make_unique<SetupDrawing>(*state_, c_, table_, grid_);
    circle_ = std::make_unique<CircleDrawing>(*state_, c_, table_, grid_);
    reset_ = std::make_unique<TableReset>(*state_, c_, ops_, table_, grid_);
    run_ = std::make_unique<RunControl>(*state_, c_, ops_);
    handlers_ = std::make_unique<SetupHandlers>(*state_, c_, ops_);
    view_ = std::make_unique<ViewOptions>(*state_, c_, ops_);
    timeLine_ = std::make_unique<TimeLine>(*state_, c_, ops_);
    modes_ = std::make_unique<ModeSwitches>(*state_, c_, ops_, *view_);
    placer_ = std::make_unique<PuckPlacer>(*state_, c_, ops_);
    measure_ = std::make_unique<MeasureTools>(*state_, c_, ops_, table_);
    printing_ = std::make_unique<Printing>(*state_, c_, platform_, table_, this);
    wire();
    startUp();

    // fixed size, centred on the screen
    adjustSize();
    setFixedSize(sizeHint());
    if (QScreen* screen = QApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

TableWindow::~TableWindow() = default;

void TableWindow::setDrawing(bool on)
{
    renderer_->setDrawing(on);
    circle_->setDrawing(on);
}

void TableWindow::setNameDialog(NameDialog* dialog)
{
    printing_->setNameDialog(dialog);
}

void TableWindow::buildLayout()
{
    auto* client = new QWidget(this);
    client->setFixedSize(792, 546);
    fill(client, kWindowColour);
    client->setFont(captionFont());
    setCentralWidget(client);

    // table panel
    c_.Panel1 = new QFrame(client);
    c_.Panel1->setGeometry(8, 8, 777, 385);
    c_.Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    c_.Panel1->setLineWidth(2);
    fill(c_.Panel1, kPanelColour);

    c_.tableim = new PictureWidget(table_, c_.Panel1);
    c_.tableim->setGeometry(7, 7, kImageW, kImageH);

    auto circle = [this](int side, QColor pen, int tag) {
        auto* s = new MovableShape(MovableShape::Kind::Circle, c_.Panel1);
        s->resize(side, side);
        s->setPenColor(pen);
        s->setTag(tag);
        return s;
    };
    c_.puck1 = circle(24, Qt::red, 1);
    c_.puck2 = circle(24, Qt::black, 2);
    c_.redansh = circle(7, Qt::red, 1);
    c_.blackansh = circle(7, Qt::black, 2);
    c_.velsh = new MovableShape(MovableShape::Kind::RoundRect, c_.Panel1);
    c_.velsh->resize(5, 25);
    c_.velsh->setPenColor(Qt::red);
    c_.velsh->setBrushColor(Qt::red);
    c_.velsh->setToolTip(QStringLiteral("Velocity"));
    c_.velsh->hide();
    c_.copyshape = new MovableShape(MovableShape::Kind::DottedFrame, c_.Panel1);
    c_.copyshape->hide();
    c_.expgb = new QGroupBox(QStringLiteral("Experiment"), c_.Panel1);
    c_.expgb->setGeometry(144, 64, 449, 249);
    c_.expgb->hide();

    // control panel
    c_.Panel2 = new QFrame(client);
    c_.Panel2->setGeometry(8, 396, 777, 145);
    c_.Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    c_.Panel2->setLineWidth(1);
    fill(c_.Panel2, kPanelColour);
    buildControlPanel(c_.Panel2);

    c_.colltimer = new QTimer(this);
    c_.colltimer->setTimerType(Qt::PreciseTimer);
    c_.colltimer->setInterval(10);
    c_.delaytimer1 = new QTimer(this);
    c_.delaytimer1->setTimerType(Qt::PreciseTimer);
    c_.delaytimer1->setInterval(50);
}

void TableWindow::buildControlPanel(QWidget* panel)
{
    c_.TabbedNotebook1 = new QTabWidget(panel);
    c_.TabbedNotebook1->setGeometry(8, 8, 521, 129);
    QFont tabFont(QStringLiteral("DejaVu Sans"));
    tabFont.setPointSize(8);
    tabFont.setBold(false);  // set, or the window's bold caption font shows through
    c_.TabbedNotebook1->tabBar()->setFont(tabFont);
    auto* controlsPage = new QWidget;
    auto* dataPage = new QWidget;
    auto* measurePage = new QWidget;
    c_.TabbedNotebook1->addTab(controlsPage, QStringLiteral("&Controls"));
    c_.TabbedNotebook1->addTab(dataPage, QStringLiteral("&Data"));
    c_.TabbedNotebook1->addTab(measurePage, QStringLiteral("&Measurements"));

    c_.Startbt = button(panel, 560, 8, 89, 33, QStringLiteral("&Start"));
    c_.Resetbt = button(panel, 560, 48, 89, 33, QStringLiteral("&Reset"));
    c_.Timelb = label(panel, 576, 96, QStringLiteral("Time: 0 s"));
    // fixed wide enough for "Time: 499.95 s": a run's label never re-measures
    c_.Timelb->setProperty("keepWidth", true);
    c_.Timelb->resize(124, c_.Timelb->height());
    c_.Timesb = scrollBar(panel, 552, 118, 121, 17, 1, 1001, 1, 50);
    c_.Shape2 = new QFrame(panel);
    c_.Shape2->setGeometry(656, 8, 105, 73);
    c_.Shape2->setFrameStyle(QFrame::Box | QFrame::Plain);
    fill(c_.Shape2, Qt::white);
    c_.dstartbt = button(panel, 664, 16, 89, 33, QStringLiteral("Replay"));
    c_.replaysb = scrollBar(panel, 664, 56, 89, 17, 0, 25, 0, 5);
    c_.SpeedButton1 = new QToolButton(panel);
    c_.SpeedButton1->setGeometry(704, 84, 57, 57);
    c_.SpeedButton1->setIcon(QIcon(exitPicture()));
    c_.SpeedButton1->setIconSize(QSize(45, 54));
    c_.SpeedButton1->setAutoRaise(true);

    // "&Controls"
    c_.Recenterbt = button(controlsPage, 8, 16, 113, 33, QStringLiteral("&Recenter"));
    c_.printtrbt = button(controlsPage, 8, 56, 113, 33, QStringLiteral("&Print Trace"));
    c_.printtrbt->setEnabled(false);
    c_.tableanglb = label(controlsPage, 144, 8, QStringLiteral("Table Angle: 0.00") + QChar(0xBA));
    c_.tableangsb = scrollBar(controlsPage, 136, 32, 145, 17, 0, 1000, 0, 10);
    c_.Label4 = label(controlsPage, 136, 64, QStringLiteral("Frequency"));
    c_.cbfreq = new QComboBox(controlsPage);
    c_.cbfreq->move(208, 62);
    c_.cbfreq->setFixedWidth(65);
    c_.cbfreq->addItems({QStringLiteral("20 Hz"), QStringLiteral("10 Hz"), QStringLiteral("  5 Hz"),
                         QStringLiteral("  4 Hz"), QStringLiteral("  2 Hz"), QStringLiteral("  1 Hz")});
    c_.percentlb = new QLabel(controlsPage);
    c_.percentlb->setProperty("keepWidth", true);
    c_.percentlb->setGeometry(320, 40, 161, 17);
    c_.percentlb->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    c_.percentlb->hide();
    c_.persb = scrollBar(controlsPage, 320, 64, 161, 17, 0, 200, 10, 5);
    c_.persb->hide();
    c_.springgb = new QGroupBox(QStringLiteral("Spring Constants"), controlsPage);
    c_.springgb->setGeometry(296, 1, 210, 97);
    c_.klb = label(c_.springgb, 8, 18, QStringLiteral("k: 10 N/m"));
    c_.ksb = scrollBar(c_.springgb, 104, 18, 98, 17, 1, 200, 10, 5);
    c_.llb = label(c_.springgb, 8, 42, QStringLiteral("Length: 2.50 cm"));
    c_.lsb = scrollBar(c_.springgb, 104, 42, 98, 17, 10, 200, 50, 5);
    c_.slb = label(c_.springgb, 8, 70, QStringLiteral("Spring Compressed: 0 cm"));
    // wide enough for "Spring Compressed: 10.00 cm": a run never re-measures it
    c_.slb->setProperty("keepWidth", true);
    c_.slb->resize(196, c_.slb->height());
    c_.springgb->hide();

    // "&Data": the red puck's controls left of the divider, the black one's right of it
    QPalette redText;
    redText.setColor(QPalette::WindowText, Qt::red);
    c_.c1sb = scrollBar(dataPage, 4, 8, 102, 17, -100, 100, 100, 10);
    c_.c2sb = scrollBar(dataPage, 256, 8, 102, 17, 0, 100, 100, 10);
    c_.c1lb = label(dataPage, 114, 8, QStringLiteral("Charge: 10"));
    c_.c2lb = label(dataPage, 366, 8, QStringLiteral("Charge: 10"));
    for (QWidget* w : {static_cast<QWidget*>(c_.c1sb), static_cast<QWidget*>(c_.c2sb),
                       static_cast<QWidget*>(c_.c1lb), static_cast<QWidget*>(c_.c2lb)})
        w->hide();
    c_.m1sb = scrollBar(dataPage, 4, 40, 102, 17, 1, 200, 1, 10);
    c_.m2sb = scrollBar(dataPage, 256, 40, 102, 17, 1, 200, 1, 10);
    c_.m1lb = label(dataPage, 114, 40, QStringLiteral("Mass 1: 0.1 kg"));
    c_.m2lb = label(dataPage, 366, 40, QStringLiteral("Mass 2: 0.1 kg"));
    c_.v1sb = scrollBar(dataPage, 4, 72, 102, 17, 0, 500, 0, 10);
    c_.v2sb = scrollBar(dataPage, 256, 72, 102, 17, 0, 500, 0, 10);
    c_.v1lb = label(dataPage, 114, 72, QStringLiteral("Velocity 1: 0.0 cm/s"));
    c_.v2lb = label(dataPage, 366, 72, QStringLiteral("Velocity 2: 0.0 cm/s"));
    for (QLabel* l : {c_.c1lb, c_.m1lb, c_.v1lb}) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, Qt::red);
        l->setPalette(pal);
    }
    fill(c_.m1lb, kPanelColour);
    fill(c_.v1lb, kPanelColour);
    c_.Shape1 = new QFrame(dataPage);
    c_.Shape1->setGeometry(248, 0, 3, 100);
    fill(c_.Shape1, Qt::black);

    // "&Measurements"
    c_.GroupBox1 = new QGroupBox(measurePage);
    c_.GroupBox1->setGeometry(8, 40, 361, 57);
    c_.rulerrb = new QRadioButton(QStringLiteral("&Ruler"), c_.GroupBox1);
    c_.rulerrb->move(16, 24);
    c_.rulerrb->adjustSize();
    c_.rulerrb->setChecked(true);
    c_.rulerrb->setEnabled(false);
    c_.Prorb = new QRadioButton(QStringLiteral("&Protractor"), c_.GroupBox1);
    c_.Prorb->move(88, 24);
    c_.Prorb->adjustSize();
    c_.Prorb->setEnabled(false);
    c_.anslb = label(c_.GroupBox1, 184, 24, QString());
    c_.anslb->hide();
    c_.measurecb = new QCheckBox(QStringLiteral("Measure"), measurePage);
    c_.measurecb->setGeometry(24, 40, 81, 17);
    c_.measurecb->setEnabled(false);
    fill(c_.measurecb, kPanelColour);
    c_.measurecb->raise();
    c_.showbt = button(measurePage, 376, 72, 131, 25, QStringLiteral("Show Data Table"));
}

void TableWindow::buildMenu()
{
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    c_.runExperimentMenu = submenu(file, QStringLiteral("Run Experiment"));
    {
        QMenu* r = c_.runExperimentMenu;
        entry(r, QStringLiteral("Symmetric Pattern"));
        auto group = [r](const QString& caption, std::initializer_list<const char*> items) {
            QMenu* m = submenu(r, caption);
            entry(m, QStringLiteral("Information"));
            m->addSeparator();
            for (const char* i : items)
                entry(m, QString::fromLatin1(i));
        };
        group(QStringLiteral("Gravity assist"), {"Speed Up", "Slow Down"});
        group(QStringLiteral("Monkey gun"), {"Horizontal Shot", "Angled Shot"});
        group(QStringLiteral("1-D Collision Samples #1"), {"Billiard ball", "Spring", "Electrostatic"});
        group(QStringLiteral("1-D Collision Types"), {"TEC", "Partial", "TIC", "Explosion #1", "Explosion #2"});
        group(QStringLiteral("2-D Collision Samples #1"), {"TEC", "Partial", "Electrostatics", "TIC"});
    }
    c_.Load1 = entry(file, QStringLiteral("&Load an Experiment"), 1);
    c_.Save1 = entry(file, QStringLiteral("&Save an Experiment"), 2);
    file->addSeparator();
    c_.CopySelect1 = entry(file, QStringLiteral("&Copy Select"), 0, true, false);
    c_.PrintCopySelect1 = entry(file, QStringLiteral("Print Copy Select"));
    c_.PrintCopySelect1->setEnabled(false);
    c_.Print1 = entry(file, QStringLiteral("Print"));
    c_.WhoAmI1 = entry(file, QStringLiteral("&Who Am I:"));
    file->addSeparator();
    c_.Exit1 = entry(file, QStringLiteral("E&xit"));

    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    c_.typeMenu = submenu(view, QStringLiteral("&Type: 2-D"), 2);
    c_.type2D = entry(c_.typeMenu, QStringLiteral("2-D"), 2);
    c_.type1D = entry(c_.typeMenu, QStringLiteral("1-D"), 1);
    c_.massesMenu = submenu(view, QStringLiteral("2 Masses"), 2);
    c_.masses2 = entry(c_.massesMenu, QStringLiteral("2 Masses"), 2);
    c_.masses1 = entry(c_.massesMenu, QStringLiteral("1 Mass"), 1);
    view->addSeparator();
    c_.Centerofmass1 = entry(view, QStringLiteral("Center of &Mass"), 1, true, false);
    c_.tracecb = entry(view, QStringLiteral("&Trace Centers"), 2, true, true);
    c_.TraceBlock1 = entry(view, QStringLiteral("Trace Bloc&k"), 4, true, false);
    c_.TraceBlock1->setVisible(false);
    view->addSeparator();
    c_.redb = entry(view, QStringLiteral("&Red Before"), 8, true, true);
    c_.blackb = entry(view, QStringLiteral("&Black Before"), 16, true, true);
    c_.reda = entry(view, QStringLiteral("R&ed After"), 32, true, true);
    c_.blackA = entry(view, QStringLiteral("B&lack After"), 64, true, true);
    view->addSeparator();
    c_.ShowForce1 = entry(view, QStringLiteral("Show &Force"), 128, true, true);
    c_.ShowForce1->setVisible(false);
    c_.Arrows1 = entry(view, QStringLiteral("&Direction Arrows"), 256, true, false);
    c_.ShowScale1 = entry(view, QStringLiteral("&Show Scale"), 512, true, false);
    c_.ShowGrid1 = entry(view, QStringLiteral("Show &Grid"), 1024, true, false);
    c_.Labelmass1 = entry(view, QStringLiteral("&Label mass"), 16, true, false);

    QMenu* options = bar->addMenu(QStringLiteral("&Options"));
    c_.springMenu = submenu(options, QStringLiteral("1-D Spring"), 3);
    c_.springMenu->menuAction()->setCheckable(true);
    c_.springElastic = entry(c_.springMenu, QStringLiteral("Elastic"), 3);
    c_.springInelastic = entry(c_.springMenu, QStringLiteral("Inelastic"), 4);
    c_.Elastic1 = entry(options, QStringLiteral("&Elastic"), 0, true, true);
    c_.Inelastic1 = entry(options, QStringLiteral("&Inelastic"), 0, true, false);
    c_.SemiElastic1 = entry(options, QStringLiteral("&Semi Elastic"), 0, true, false);
    c_.electroMenu = submenu(options, QStringLiteral("E&lectrostatic: Un"));
    c_.electroMenu->menuAction()->setCheckable(true);
    c_.electroMenu->setToolTipsVisible(true);
    c_.electroUnlimited = entry(c_.electroMenu, QStringLiteral("Unlimited"), 1000);
    c_.electro100 = entry(c_.electroMenu, QStringLiteral("100"), 100);
    c_.electro50 = entry(c_.electroMenu, QStringLiteral("50"), 50);
    c_.electro20 = entry(c_.electroMenu, QStringLiteral("20"), 20);
    const char* hints[] = {"effects appear always", "effects appear far away", "effects appear when they are near",
                           "effects appear on when they are close"};
    QAction* ranges[] = {c_.electroUnlimited, c_.electro100, c_.electro50, c_.electro20};
    for (int i = 0; i < 4; ++i) {
        ranges[i]->setToolTip(QString::fromLatin1(hints[i]));
        ranges[i]->setStatusTip(QString::fromLatin1(hints[i]));
    }
    c_.Circle1 = entry(options, QStringLiteral("&Circle"), 0, true, false);
    options->addSeparator();
    c_.timingMenu = submenu(options, QStringLiteral("Timing"));
    c_.PlottingError1 = entry(c_.timingMenu, QStringLiteral("&Plotting Error"), 0, true, false);
    c_.speedMenu = submenu(c_.timingMenu, QStringLiteral("Computer Speed: F"), 10);
    c_.speedSlow = entry(c_.speedMenu, QStringLiteral("Slow"), 50);
    c_.speedMedium = entry(c_.speedMenu, QStringLiteral("Medium"), 25);
    c_.speedFast = entry(c_.speedMenu, QStringLiteral("Fast"), 10);
    c_.circleSizeMenu = submenu(options, QStringLiteral("Circle Size: S"), 0);
    c_.circleSmall = entry(c_.circleSizeMenu, QStringLiteral("Small"), 0);
    c_.circleMedium = entry(c_.circleSizeMenu, QStringLiteral("Medium"), 1);
    c_.circleLarge = entry(c_.circleSizeMenu, QStringLiteral("Large"), 2);
    c_.circleBlackSmall = entry(c_.circleSizeMenu, QStringLiteral("Black Really Small"), -2);
    c_.scaleMenu = submenu(options, QStringLiteral("Scale: Medium"), 20);
    c_.scaleSmall = entry(c_.scaleMenu, QStringLiteral("Small"), 50);
    c_.scaleMedium = entry(c_.scaleMenu, QStringLiteral("Medium"), 20);
    c_.scaleLarge = entry(c_.scaleMenu, QStringLiteral("Large"), 5);
    c_.dotSizeMenu = submenu(options, QStringLiteral("\"Dot\" Size: (Normal)"), 7);
    c_.dotNormal = entry(c_.dotSizeMenu, QStringLiteral("Normal"), 7);
    c_.dotLarge = entry(c_.dotSizeMenu, QStringLiteral("Large"), 9);
    c_.frictionMenu = submenu(options, QStringLiteral("Circle friction: (0)"), 0);
    for (int i = 0; i < 5; ++i)
        c_.friction[i] = entry(c_.frictionMenu, QString::number(i), i);

    for (QAction* a : {c_.Elastic1, c_.Inelastic1, c_.SemiElastic1, c_.springMenu->menuAction(),
                       c_.electroMenu->menuAction(), c_.Circle1})
        a->setProperty("available", true);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    c_.About1 = entry(help, QStringLiteral("&About"));
}

void TableWindow::wire()
{
    ops_.renderTrace = [this] { renderer_->renderTrace(); };
    ops_.drawSetUp = [this] { setupDrawing_->drawSetUp(); };
    ops_.reset = [this] { reset_->reset(); };
    ops_.recenter = [this] { reset_->recenter(); };
    ops_.start = [this] { run_->start(); };
    ops_.toggleReplay = [this] { timeLine_->toggleReplay(); };
    ops_.circleStep = [this] { circle_->circleStep(); };

    handlers_->connectAll();
    view_->connectAll();
    timeLine_->connectAll();
    modes_->connectAll();
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
        if (c_.colltimer->isActive())
            run_->start();  // stop the run first
        reset_->reset();
    });
    connect(c_.Recenterbt, &QPushButton::clicked, this, [this] { reset_->recenter(); });
    connect(c_.tableangsb, &QScrollBar::valueChanged, this, [this] { reset_->tableAngleChanged(); });
    connect(c_.colltimer, &QTimer::timeout, this, [this] { run_->timerEvent(); });
    connect(c_.SpeedButton1, &QToolButton::clicked, this, &QWidget::close);
    connect(c_.Exit1, &QAction::triggered, this, &QWidget::close);
    connect(c_.About1, &QAction::triggered, this, [this] { platform_.showAbout(this); });
}

void TableWindow::startUp()
{
    sim::SimState& s = *state_;
    s.unitText = " cm";
    ViewOptions::drawGrid(grid_);
    {
        const QSignalBlocker quiet(c_.cbfreq);
        c_.cbfreq->setCurrentIndex(5);
    }
    s.noCollisionTick = sim::kNoCollisionTick;
    s.selecting = false;
    s.scale = 20.0;
    s.tiltAccel = 0.0;
    s.pushAccel = 0.0;
    s.collisionTick = s.noCollisionTick;
    s.collided = false;
    s.frequencyDivisors = {1, 2, 4, 5, 10, 20};
    c_.persb->setValue(50);
    reset_->placeAtStart();
    c_.v1sb->setValue(50);
    c_.v2sb->setValue(0);
    c_.m1sb->setValue(20);
    c_.m1sb->setValue(20);
    c_.m2sb->setValue(20);
    c_.speedFast->trigger();
    sim::computeDirections(s);
    reset_->reset();
    c_.delaytimer1->start();  // its first event finds the time line at its end and stops
}
