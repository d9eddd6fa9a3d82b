#include "setup/view_options.h"

#include "engine/motion.h"
#include "ui/canvas.h"
#include "ui/widgets.h"

ViewOptions::ViewOptions(sim::SimState& s, Controls& c, Operations& ops) : s_(s), c_(c), ops_(ops) {}

void ViewOptions::connectAll()
{
    // Qt inverts a checkable entry's mark before its handler runs.
    for (QAction* a : {c_.Centerofmass1, c_.tracecb})
        QObject::connect(a, &QAction::triggered, &context_, [this] { centreGroupToggled(); });
    for (QAction* a : {c_.redb, c_.blackb, c_.reda, c_.blackA, c_.Arrows1, c_.ShowScale1})
        QObject::connect(a, &QAction::triggered, &context_, [this] { colourGroupToggled(); });
    // "Show Force" and "Trace Block" redraw the same way as the grid group
    for (QAction* a : {c_.ShowGrid1, c_.Labelmass1, c_.ShowForce1, c_.TraceBlock1})
        QObject::connect(a, &QAction::triggered, &context_, [this] { gridGroupToggled(); });
    for (QAction* a : {c_.circleSmall, c_.circleMedium, c_.circleLarge, c_.circleBlackSmall})
        QObject::connect(a, &QAction::triggered, &context_, [this, a] { circleSizeChosen(a); });
    for (QAction* a : {c_.scaleSmall, c_.scaleMedium, c_.scaleLarge})
        QObject::connect(a, &QAction::triggered, &context_, [this, a] { scaleChosen(a); });
    for (QAction* a : {c_.dotNormal, c_.dotLarge})
        QObject::connect(a, &QAction::triggered, &context_, [this, a] { dotSizeChosen(a); });
}

void ViewOptions::centreGroupToggled()
{
    if (s_.tick != 1)
        ops_.renderTrace();
}

void ViewOptions::colourGroupToggled()
{
    ops_.renderTrace();
}

void ViewOptions::gridGroupToggled()
{
    if (s_.tick != 1)
        ops_.renderTrace();
    else
        ops_.drawSetUp();
}

void ViewOptions::circleSizeChosen(QAction* entry)
{
    const int value = entry->data().toInt();
    c_.circleSizeMenu->menuAction()->setData(value);
    c_.circleSizeMenu->setTitle(QStringLiteral("Circle Size: ") + entry->text().remove(QLatin1Char('&')).left(1));
    if (c_.dimension() != 2)
        return;   // 1-D blocks keep their size
    if (value == -2) {
        c_.puck1->resize(24, 24);
        c_.puck2->resize(7, 7);
    } else {
        const int side = (48 + 14 * value) / 2;
        c_.puck1->resize(side, side);
        c_.puck2->resize(side, side);
    }
    s_.red.radius = c_.puck1->width() / 2;
    s_.black.radius = c_.puck2->width() / 2;
    if (s_.tick > 1) {
        // the handles no longer aim the moving pucks: keep their course
        ops_.renderTrace();
        return;
    }
    sim::computeDirections(s_);
    ops_.drawSetUp();
}

void ViewOptions::scaleChosen(QAction* entry)
{
    s_.scale = entry->data().toInt();
    c_.scaleMenu->menuAction()->setData(entry->data());
    c_.scaleMenu->setTitle(QStringLiteral("Scale: ") + entry->text().remove(QLatin1Char('&')));
    if (c_.dimension() == 1)
        s_.pushAccel = sim::pushAccelFor(c_.tableangsb->value(), s_.scale, c_.m1sb->value());
    else
        s_.tiltAccel = sim::tiltAccelFor(c_.tableangsb->value(), s_.scale);
}

void ViewOptions::dotSizeChosen(QAction* entry)
{
    const int value = entry->data().toInt();
    c_.dotSizeMenu->menuAction()->setData(value);
    c_.dotSizeMenu->setTitle(QStringLiteral("\"Dot\" Size: (") + entry->text().remove(QLatin1Char('&'))
                             + QLatin1Char(')'));
    c_.redansh->resize(value, value);
    c_.blackansh->resize(value, value);
    s_.handleWidth = value;
}

void ViewOptions::relabelSpeeds()
{
    const QString unit = QString::fromStdString(s_.unitText) + QStringLiteral("/s");
    auto text = [](int p) { return QString::number(p / 10) + QLatin1Char('.') + QString::number(p % 10); };
    setCaption(c_.v1lb, QStringLiteral("Velocity 1: ") + text(c_.v1sb->value()) + unit);
    setCaption(c_.v2lb, QStringLiteral("Velocity 2: ") + text(c_.v2sb->value()) + unit);
}

void ViewOptions::drawGrid(Canvas& g)
{
    const int W = g.width(), H = g.height();
    g.setPenColor(QColor(0, 0, 0));
    g.setPenWidth(1);
    g.setPenStyle(Canvas::PenStyle::Solid);
    g.setBrushColor(QColor(255, 255, 255));
    g.setBrushStyle(Canvas::BrushStyle::Solid);
    g.rectangle(0, 0, W, H);
    g.setPenColor(QColor(128, 128, 128));
    g.setPenStyle(Canvas::PenStyle::Dotted);
    for (int i = 1; i <= 14; ++i)
        g.line(W * i / 15, 0, W * i / 15, H);
    for (int i = 1; i <= 9; ++i)
        g.line(0, H * i / 10, W, H * i / 10);
}
