#include "setup/setup_handlers.h"

#include "engine/motion.h"
#include "engine/numbers.h"
#include "engine/run.h"
#include "ui/widgets.h"

namespace {
QString tenths(int position)
{
    return QString::number(position / 10) + QLatin1Char('.') + QString::number(position % 10);
}
}   // namespace

SetupHandlers::SetupHandlers(sim::SimState& s, Controls& c, Operations& ops) : s_(s), c_(c), ops_(ops) {}

void SetupHandlers::connectAll()
{
    QObject::connect(c_.m1sb, &QScrollBar::valueChanged, &context_, [this] { massChanged(1); });
    QObject::connect(c_.m2sb, &QScrollBar::valueChanged, &context_, [this] { massChanged(2); });
    QObject::connect(c_.v1sb, &QScrollBar::valueChanged, &context_, [this] { speedChanged(1); });
    QObject::connect(c_.v2sb, &QScrollBar::valueChanged, &context_, [this] { speedChanged(2); });
    QObject::connect(c_.c1sb, &QScrollBar::valueChanged, &context_, [this] { chargeChanged(1); });
    QObject::connect(c_.c2sb, &QScrollBar::valueChanged, &context_, [this] { chargeChanged(2); });
    QObject::connect(c_.persb, &QScrollBar::valueChanged, &context_, [this] { percentChanged(); });

    using sim::Interaction;
    QObject::connect(c_.Elastic1, &QAction::triggered, &context_, [this] { interactionChosen(Interaction::Elastic); });
    QObject::connect(c_.Inelastic1, &QAction::triggered, &context_,
                     [this] { interactionChosen(Interaction::Inelastic); });
    QObject::connect(c_.SemiElastic1, &QAction::triggered, &context_,
                     [this] { interactionChosen(Interaction::SemiElastic); });
    QObject::connect(c_.Circle1, &QAction::triggered, &context_, [this] { interactionChosen(Interaction::Circle); });
    for (QAction* a : {c_.electroUnlimited, c_.electro100, c_.electro50, c_.electro20}) {
        QObject::connect(a, &QAction::triggered, &context_,
                         [this, a] { interactionChosen(Interaction::Electrostatic, a->data().toInt(), a->text()); });
    }
    for (QAction* a : {c_.springElastic, c_.springInelastic})
        QObject::connect(a, &QAction::triggered, &context_, [this, a] { springChosen(a); });
    QObject::connect(c_.ksb, &QScrollBar::valueChanged, &context_, [this] { springConstantChanged(); });
    QObject::connect(c_.lsb, &QScrollBar::valueChanged, &context_, [this] { springLengthChanged(); });
    for (QAction* a : c_.friction)
        QObject::connect(a, &QAction::triggered, &context_, [this, a] { circleFrictionChosen(a); });
    for (QAction* a : {c_.speedSlow, c_.speedMedium, c_.speedFast})
        QObject::connect(a, &QAction::triggered, &context_, [this, a] { computerSpeedChosen(a); });
    QObject::connect(c_.PlottingError1, &QAction::triggered, &context_, [this] { plottingErrorToggled(); });
}

void SetupHandlers::massChanged(int puck)
{
    QScrollBar* bar = puck == 1 ? c_.m1sb : c_.m2sb;
    const int p = bar->value();
    (puck == 1 ? s_.red : s_.black).mass = p / 10.0;
    setCaption(puck == 1 ? c_.m1lb : c_.m2lb,
               QStringLiteral("Mass %1: ").arg(puck) + tenths(p) + QStringLiteral(" kg"));
    // The push belongs to 1-D: on a tilted 2-D table the bar is an angle.
    if (puck == 1 && c_.massCount() == 1 && c_.dimension() == 1)
        s_.pushAccel = sim::pushAccelFor(c_.tableangsb->value(), s_.scale, p);
}

void SetupHandlers::speedChanged(int puck)
{
    QScrollBar* bar = puck == 1 ? c_.v1sb : c_.v2sb;
    const int p = bar->value();
    (puck == 1 ? s_.red : s_.black).speed = p / 10.0;
    setCaption(puck == 1 ? c_.v1lb : c_.v2lb,
               QStringLiteral("Velocity %1: ").arg(puck) + tenths(p) + QString::fromStdString(s_.unitText)
                   + QStringLiteral("/s"));
    if (puck == 1 && c_.massCount() == 1)
        c_.v2sb->setValue(p);
    if (s_.tick < 2)
        ops_.drawSetUp();
}

void SetupHandlers::chargeChanged(int puck)
{
    const int p = (puck == 1 ? c_.c1sb : c_.c2sb)->value();
    (puck == 1 ? s_.redCharge : s_.blackCharge) = p;
    setCaption(puck == 1 ? c_.c1lb : c_.c2lb,
               QStringLiteral("Charge: ") + QString::fromStdString(num::F(p / 10.0, 0, 1)));
}

void SetupHandlers::percentChanged()
{
    const int p = c_.persb->value();
    s_.elasticPercent = p;
    setCaption(c_.percentlb, QString::number(p) + QStringLiteral("% Elastic collision"));
}

void SetupHandlers::interactionChosen(sim::Interaction mode, int electroRange, const QString& rangeCaption)
{
    using sim::Interaction;
    // one mode checked: the chosen one
    for (QAction* a : {c_.springMenu->menuAction(), c_.Elastic1, c_.Inelastic1, c_.electroMenu->menuAction(),
                       c_.Circle1, c_.SemiElastic1})
        a->setChecked(false);
    switch (mode) {
    case Interaction::Electrostatic:
        c_.electroMenu->menuAction()->setChecked(true);
        s_.electroRange = electroRange;
        c_.electroMenu->setTitle(electroRange == 1000 ? QStringLiteral("E&lectrostatic: Un")
                                                      : QStringLiteral("E&lectrostatic: ") + rangeCaption);
        break;
    case Interaction::Elastic: c_.Elastic1->setChecked(true); break;
    case Interaction::Inelastic: c_.Inelastic1->setChecked(true); break;
    case Interaction::SemiElastic: c_.SemiElastic1->setChecked(true); break;
    case Interaction::Circle: c_.Circle1->setChecked(true); break;
    default: break;
    }
    s_.interactionMode = mode;
    // the spring box belongs to 1-D Spring mode only; the force or
    // angle bar that the spring hid comes back with any other mode
    if (!c_.springgb->isHidden()) {
        c_.tableangsb->show();
        c_.tableanglb->show();
    }
    c_.springgb->hide();
    // the percent each mode works with; its bar only in Semi Elastic
    int percent = 100;
    if (mode == Interaction::Inelastic)
        percent = 0;
    if (mode == Interaction::SemiElastic)
        percent = 50;
    c_.persb->setValue(percent);
    s_.elasticPercent = c_.persb->value();
    const bool semi = mode == Interaction::SemiElastic;
    c_.persb->setVisible(semi);
    c_.percentlb->setVisible(semi);
    // circle mode shows its speed handle and hides the black puck's controls
    const bool circle = mode == Interaction::Circle;
    c_.velsh->move(c_.puck1->x() + 10, c_.puck1->y());
    c_.velsh->setVisible(circle);
    for (QWidget* w : {static_cast<QWidget*>(c_.v1sb), static_cast<QWidget*>(c_.v1lb), static_cast<QWidget*>(c_.v2sb),
                       static_cast<QWidget*>(c_.v2lb)})
        w->setVisible(!circle);
    // With one mass the black puck stays hidden whatever the mode.
    const bool blackShown = !circle && c_.massCount() == 2;
    c_.puck2->setVisible(blackShown);
    c_.blackansh->setVisible(blackShown);
    c_.m2sb->setVisible(!circle);
    c_.m2lb->setVisible(!circle);
    // charges only in electrostatic mode
    const bool electro = mode == Interaction::Electrostatic;
    for (QWidget* w : {static_cast<QWidget*>(c_.c1sb), static_cast<QWidget*>(c_.c1lb), static_cast<QWidget*>(c_.c2sb),
                       static_cast<QWidget*>(c_.c2lb)})
        w->setVisible(electro);
    // the new mode starts from the start positions
    ops_.reset();
}

void SetupHandlers::computerSpeedChosen(QAction* entry)
{
    const int interval = entry->data().toInt();
    s_.intervalMs = interval;
    s_.eventsPerTick = sim::eventsPerTickFor(interval);
    c_.colltimer->setInterval(interval);
    c_.speedMenu->menuAction()->setData(interval);
    c_.speedMenu->setTitle(QStringLiteral("Computer Speed: ") + entry->text().remove(QLatin1Char('&')).left(1));
}

void SetupHandlers::plottingErrorToggled()
{
    s_.plottingError = c_.PlottingError1->isChecked();
    ops_.renderTrace();
}

void SetupHandlers::springChosen(QAction* entry)
{
    s_.springKind = entry->data().toInt();
    c_.springMenu->setTitle(QStringLiteral("1-D Spring: ") + entry->text().remove(QLatin1Char('&')).left(1));
    c_.type1D->trigger();
    c_.Elastic1->trigger();   // disabled with one mass: then nothing happens
    for (QAction* a : {c_.Elastic1, c_.Inelastic1, c_.electroMenu->menuAction(), c_.Circle1, c_.SemiElastic1})
        a->setChecked(false);
    c_.springMenu->menuAction()->setChecked(true);
    s_.interactionMode = sim::Interaction::Spring1D;
    c_.persb->hide();
    c_.percentlb->hide();
    c_.tableangsb->hide();
    c_.tableanglb->hide();
    c_.springgb->show();
    ops_.reset();
}

void SetupHandlers::springConstantChanged()
{
    s_.springK = c_.ksb->value();
    setCaption(c_.klb, QStringLiteral("k: ") + QString::number(s_.springK) + QStringLiteral(" N/m"));
}

void SetupHandlers::springLengthChanged()
{
    s_.springLength = c_.lsb->value();
    setCaption(c_.llb,
               QStringLiteral("Length: ") + QString::fromStdString(num::F(s_.springLength / 20.0, 4, 2))
                   + QStringLiteral(" cm"));
    if (s_.tick < 2)
        ops_.drawSetUp();
    else
        ops_.renderTrace();
}

void SetupHandlers::circleFrictionChosen(QAction* entry)
{
    s_.circleFriction = entry->data().toInt();
    c_.frictionMenu->menuAction()->setData(s_.circleFriction);
    c_.frictionMenu->setTitle(QStringLiteral("Circle friction: (") + entry->text() + QStringLiteral(")"));
}
