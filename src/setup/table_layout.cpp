#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QTabBar>
#include <algorithm>

#include "setup/controls.h"
#include "setup/table_window.h"
#include "ui/widgets.h"

// The table window's layout: the table panel with its shapes, and the
// control panel with its three pages.

namespace {

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

QScrollBar* scrollBar(QWidget* parent, int x, int y, int w, int h, sim::BarRange range, int pos, int large)
{
    auto* sb = new KeyScrollBar(Qt::Horizontal, parent);
    sb->setGeometry(x, y, w, h);
    sb->setRange(range.min, range.max);
    sb->setSingleStep(1);
    sb->setPageStep(large);
    sb->setValue(pos);
    return sb;
}

// A caption wider than its fixed button (German "Zurücksetzen") is set a
// pixel smaller at a time rather than cut; the English fits as it is.
void fitCaption(QPushButton* b)
{
    QFont f = b->font();
    while (b->sizeHint().width() > b->width() && f.pixelSize() > 9) {
        f.setPixelSize(f.pixelSize() - 1);
        b->setFont(f);
    }
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

// The exit button's picture: an orange arrow leaving through an open door,
// the sign programs use for leaving (a bent-back arrow reads as "Undo").
QPixmap exitPicture()
{
    QPixmap pm(45, 54);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // the door frame, and the door swung open into the room
    p.setPen(QPen(QColor(70, 60, 50), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(QColor(250, 245, 230));
    p.drawRect(QRectF(4.5, 4.5, 22, 45));
    QPolygonF door;
    door << QPointF(4.5, 4.5) << QPointF(16, 10) << QPointF(16, 44) << QPointF(4.5, 49.5);
    p.setBrush(QColor(150, 110, 70));
    p.drawPolygon(door);
    // the arrow going out
    const QColor orange(240, 140, 20);
    p.setPen(QPen(orange, 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(20, 27), QPointF(33, 27));
    QPolygonF head;
    head << QPointF(44, 27) << QPointF(31, 17) << QPointF(31, 37);
    p.setPen(Qt::NoPen);
    p.setBrush(orange);
    p.drawPolygon(head);
    return pm;
}

// The bars' first places are a fresh set-up's: a window made again over a
// kept one moves them, and their captions follow as they always do.
const sim::SetupModel kFirst{};
}   // namespace

void TableWindow::buildLayout()
{
    auto* client = new QWidget(this);
    client->setFixedSize(792, 546);
    fill(client, windowColour());
    client->setFont(captionFont());
    setCentralWidget(client);

    // table panel
    c_.Panel1 = named(new QFrame(client), "Panel1");
    c_.Panel1->setGeometry(8, 8, 777, 385);
    c_.Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    c_.Panel1->setLineWidth(2);
    fill(c_.Panel1, kPanelColour);

    c_.tableim = named(new PictureWidget(table_, c_.Panel1), "tableim");
    c_.tableim->setGeometry(7, 7, kImageW, kImageH);

    auto circle = [this](int side, QColor pen, int tag) {
        auto* s = new MovableShape(MovableShape::Kind::Circle, c_.Panel1);
        s->resize(side, side);
        s->setPenColor(pen);
        s->setTag(tag);
        return s;
    };
    c_.puck1 = named(circle(24, Qt::red, 1), "puck1");
    c_.puck2 = named(circle(24, Qt::black, 2), "puck2");
    c_.redansh = named(circle(7, Qt::red, 1), "redansh");
    c_.blackansh = named(circle(7, Qt::black, 2), "blackansh");
    c_.velsh = named(new MovableShape(MovableShape::Kind::RoundRect, c_.Panel1), "velsh");
    c_.velsh->resize(5, 25);
    c_.velsh->setPenColor(Qt::red);
    c_.velsh->setBrushColor(Qt::red);
    c_.velsh->setToolTip(tr("Velocity"));
    c_.velsh->hide();
    c_.copyshape = named(new MovableShape(MovableShape::Kind::DottedFrame, c_.Panel1), "copyshape");
    c_.copyshape->hide();
    c_.expgb = named(new QGroupBox(tr("Experiment"), c_.Panel1), "expgb");
    c_.expgb->setGeometry(144, 64, 449, 249);
    c_.expgb->hide();

    // control panel
    c_.Panel2 = named(new QFrame(client), "Panel2");
    c_.Panel2->setGeometry(8, 396, 777, 145);
    c_.Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    c_.Panel2->setLineWidth(1);
    fill(c_.Panel2, kPanelColour);
    buildControlPanel(c_.Panel2);

    c_.colltimer = named(new QTimer(this), "colltimer");
    c_.colltimer->setTimerType(Qt::PreciseTimer);
    c_.colltimer->setInterval(10);
    c_.delaytimer1 = named(new QTimer(this), "delaytimer1");
    c_.delaytimer1->setTimerType(Qt::PreciseTimer);
    c_.delaytimer1->setInterval(50);
}

void TableWindow::buildControlPanel(QWidget* panel)
{
    c_.TabbedNotebook1 = named(new QTabWidget(panel), "TabbedNotebook1");
    c_.TabbedNotebook1->setGeometry(8, 8, 521, 129);
    QFont tabFont(QStringLiteral("DejaVu Sans"));
    tabFont.setPointSize(8);
    tabFont.setBold(false);   // set, or the window's bold caption font shows through
    c_.TabbedNotebook1->tabBar()->setFont(tabFont);
    auto* controlsPage = new QWidget;
    auto* dataPage = new QWidget;
    auto* measurePage = new QWidget;
    c_.TabbedNotebook1->addTab(controlsPage, tr("&Controls"));
    c_.TabbedNotebook1->addTab(dataPage, tr("&Data"));
    c_.TabbedNotebook1->addTab(measurePage, tr("&Measurements"));
    buildRunControls(panel);
    buildControlsPage(controlsPage);
    buildDataPage(dataPage);
    buildMeasurementsPage(measurePage);
}

// Start, Reset, the time line, Replay and the exit door.
void TableWindow::buildRunControls(QWidget* panel)
{
    c_.Startbt = named(button(panel, 560, 8, 89, 33, tr("&Start")), "Startbt");
    c_.Resetbt = named(button(panel, 560, 48, 89, 33, tr("&Reset")), "Resetbt");
    fitCaption(c_.Resetbt);
    c_.Timelb = named(label(panel, 576, 96, tr("Time: 0 s")), "Timelb");
    // fixed wide enough for "Time: 499.95 s": a run's label never re-measures
    c_.Timelb->setProperty("keepWidth", true);
    c_.Timelb->resize(124, c_.Timelb->height());
    c_.Timesb = named(scrollBar(panel, 552, 118, 121, 17, {1, 1001}, 1, 50), "Timesb");
    c_.Shape2 = named(new QFrame(panel), "Shape2");
    c_.Shape2->setGeometry(656, 8, 105, 73);
    c_.Shape2->setFrameStyle(QFrame::Box | QFrame::Plain);
    fill(c_.Shape2, Qt::white);
    c_.dstartbt = named(button(panel, 664, 16, 89, 33, tr("Replay")), "dstartbt");
    c_.replaysb = named(scrollBar(panel, 664, 56, 89, 17, {0, 25}, 0, 5), "replaysb");
    c_.SpeedButton1 = named(new QToolButton(panel), "SpeedButton1");
    c_.SpeedButton1->setGeometry(704, 84, 57, 57);
    c_.SpeedButton1->setIcon(QIcon(exitPicture()));
    c_.SpeedButton1->setToolTip(tr("Exit"));
    c_.SpeedButton1->setIconSize(QSize(45, 54));
    c_.SpeedButton1->setAutoRaise(true);
    // a tool bar's picture button: no Tab stop, so no stray Space quits the run
    c_.SpeedButton1->setFocusPolicy(Qt::NoFocus);
}

void TableWindow::buildControlsPage(QWidget* controlsPage)
{
    // "&Controls"
    c_.Recenterbt = named(button(controlsPage, 8, 16, 113, 33, tr("&Recenter")), "Recenterbt");
    c_.printtrbt = named(button(controlsPage, 8, 56, 113, 33, tr("&Print Trace")), "printtrbt");
    c_.tableanglb = named(label(controlsPage, 144, 8, tr("Table Angle: 0.00") + QChar(0xBA)), "tableanglb");
    c_.tableangsb =
        named(scrollBar(controlsPage, 136, 32, 145, 17, sim::kAngleRange, kFirst.tableAngle, 10), "tableangsb");
    c_.Label4 = named(label(controlsPage, 136, 64, tr("Frequency")), "Label4");
    c_.cbfreq = named(new QComboBox(controlsPage), "cbfreq");
    c_.cbfreq->move(208, 62);
    c_.cbfreq->setFixedWidth(65);
    c_.cbfreq->addItems(frequencyItems());
    c_.percentlb = named(new QLabel(controlsPage), "percentlb");
    c_.percentlb->setProperty("keepWidth", true);
    c_.percentlb->setGeometry(320, 40, 161, 17);
    c_.percentlb->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    c_.percentlb->hide();
    c_.persb = named(scrollBar(controlsPage, 320, 64, 161, 17, sim::kPercentRange, kFirst.elasticPercent, 5), "persb");
    c_.persb->hide();
    c_.springgb = named(new QGroupBox(tr("Spring Constants"), controlsPage), "springgb");
    c_.springgb->setGeometry(296, 1, 210, 97);
    c_.klb = named(label(c_.springgb, 8, 18, tr("k: 10 N/m")), "klb");
    c_.ksb = named(scrollBar(c_.springgb, 104, 18, 98, 17, sim::kSpringKRange, kFirst.springK, 5), "ksb");
    c_.llb = named(label(c_.springgb, 8, 42, tr("Length: 2.50 cm")), "llb");
    {
        // the bold caption font runs under the bar at x 104: "Length: 10.00 cm"
        // must be read in full
        QFont narrow = captionFont();
        narrow.setBold(false);
        narrow.setPixelSize(12);
        c_.llb->setFont(narrow);
    }
    c_.lsb = named(scrollBar(c_.springgb, 104, 42, 98, 17, sim::kSpringLengthRange, kFirst.springLength, 5), "lsb");
    c_.slb = named(label(c_.springgb, 8, 70, tr("Spring Compressed: 0 cm")), "slb");
    // wide enough for "Spring Compressed: 10.00 cm": a run never re-measures it
    c_.slb->setProperty("keepWidth", true);
    c_.slb->resize(196, c_.slb->height());
    c_.springgb->hide();
}

void TableWindow::buildDataPage(QWidget* dataPage)
{
    // "&Data": the red puck's controls left of the divider, the black one's right of it
    QPalette redText;
    redText.setColor(QPalette::WindowText, Qt::red);
    c_.c1sb = named(scrollBar(dataPage, 4, 8, 102, 17, sim::kRedChargeRange, kFirst.redCharge, 10), "c1sb");
    c_.c2sb = named(scrollBar(dataPage, 256, 8, 102, 17, sim::kBlackChargeRange, kFirst.blackCharge, 10), "c2sb");
    c_.c1lb = named(label(dataPage, 114, 8, tr("Charge: 10")), "c1lb");
    c_.c2lb = named(label(dataPage, 366, 8, tr("Charge: 10")), "c2lb");
    for (QWidget* w : {static_cast<QWidget*>(c_.c1sb), static_cast<QWidget*>(c_.c2sb), static_cast<QWidget*>(c_.c1lb),
                       static_cast<QWidget*>(c_.c2lb)})
        w->hide();
    c_.m1sb = named(scrollBar(dataPage, 4, 40, 102, 17, sim::kMassRange, kFirst.redMass, 10), "m1sb");
    c_.m2sb = named(scrollBar(dataPage, 256, 40, 102, 17, sim::kMassRange, kFirst.blackMass, 10), "m2sb");
    c_.m1lb = named(label(dataPage, 114, 40, tr("Mass 1: 0.1 kg")), "m1lb");
    c_.m2lb = named(label(dataPage, 366, 40, tr("Mass 2: 0.1 kg")), "m2lb");
    c_.v1sb = named(scrollBar(dataPage, 4, 72, 102, 17, sim::kSpeedRange, kFirst.redSpeed, 10), "v1sb");
    c_.v2sb = named(scrollBar(dataPage, 256, 72, 102, 17, sim::kSpeedRange, kFirst.blackSpeed, 10), "v2sb");
    c_.v1lb = named(label(dataPage, 114, 72, tr("Velocity 1: 0.0 cm/s")), "v1lb");
    c_.v2lb = named(label(dataPage, 366, 72, tr("Velocity 2: 0.0 cm/s")), "v2lb");
    for (QLabel* l : {c_.c1lb, c_.m1lb, c_.v1lb}) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, Qt::red);
        l->setPalette(pal);
    }
    fill(c_.m1lb, kPanelColour);
    fill(c_.v1lb, kPanelColour);
    c_.Shape1 = named(new QFrame(dataPage), "Shape1");
    c_.Shape1->setGeometry(248, 0, 3, 100);
    fill(c_.Shape1, Qt::black);
}

void TableWindow::buildMeasurementsPage(QWidget* measurePage)
{
    // "&Measurements"
    c_.GroupBox1 = named(new QGroupBox(measurePage), "GroupBox1");
    c_.GroupBox1->setGeometry(8, 40, 361, 57);
    c_.rulerrb = named(new QRadioButton(tr("&Ruler"), c_.GroupBox1), "rulerrb");
    c_.rulerrb->move(16, 24);
    c_.rulerrb->adjustSize();
    c_.rulerrb->setChecked(true);
    c_.Prorb = named(new QRadioButton(tr("&Protractor"), c_.GroupBox1), "Prorb");
    c_.Prorb->move(88, 24);
    c_.Prorb->adjustSize();
    // the reading starts after the Protractor's caption, however long it reads
    c_.anslb = named(label(c_.GroupBox1, std::max(184, c_.Prorb->geometry().right() + 8), 24, QString()), "anslb");
    c_.anslb->hide();
    c_.measurecb = named(new QCheckBox(tr("M&easure"), measurePage), "measurecb");
    c_.measurecb->setGeometry(24, 40, 81, 17);
    fill(c_.measurecb, kPanelColour);
    c_.measurecb->raise();
    c_.showbt = named(button(measurePage, 376, 72, 131, 25, tr("Show Data Table")), "showbt");
}

void TableWindow::nameControls()
{
    const std::pair<QWidget*, const char*> names[] = {
        {c_.puck1, QT_TR_NOOP("Red puck")},
        {c_.puck2, QT_TR_NOOP("Black puck")},
        {c_.redansh, QT_TR_NOOP("Red velocity handle")},
        {c_.blackansh, QT_TR_NOOP("Black velocity handle")},
        {c_.velsh, QT_TR_NOOP("Circle speed handle")},
        {c_.copyshape, QT_TR_NOOP("Selection frame")},
        {c_.tableim, QT_TR_NOOP("Table")},
        {c_.replaysb, QT_TR_NOOP("Replay pace")},
        {c_.SpeedButton1, QT_TR_NOOP("Exit")},
        {c_.TabbedNotebook1, QT_TR_NOOP("Control pages")},
    };
    for (const auto& [w, name] : names)
        w->setAccessibleName(tr(name));
    // a bar is heard by its caption, which shows its value ("Mass 1: 2.0 kg");
    // buttons, labels and boxes by their own text as it stands
    const std::pair<QLabel*, QWidget*> captions[] = {
        {c_.Timelb, c_.Timesb},   {c_.tableanglb, c_.tableangsb},
        {c_.percentlb, c_.persb}, {c_.klb, c_.ksb},
        {c_.llb, c_.lsb},         {c_.c1lb, c_.c1sb},
        {c_.c2lb, c_.c2sb},       {c_.m1lb, c_.m1sb},
        {c_.m2lb, c_.m2sb},       {c_.v1lb, c_.v1sb},
        {c_.v2lb, c_.v2sb},       {c_.Label4, c_.cbfreq},
    };
    for (const auto& [label, control] : captions)
        tieCaption(label, control);
    c_.cbfreq->view()->setAccessibleName(c_.Label4->text());   // the open list is heard by its caption
    // the table first, left to right: each puck, then its handle
    QWidget::setTabOrder(c_.puck1, c_.redansh);
    QWidget::setTabOrder(c_.redansh, c_.puck2);
    QWidget::setTabOrder(c_.puck2, c_.blackansh);
}
