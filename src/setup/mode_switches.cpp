#include "setup/mode_switches.h"

#include "setup/view_options.h"
#include "ui/widgets.h"

ModeSwitches::ModeSwitches(sim::SimState& s, Controls& c, Operations& ops, ViewOptions& view)
    : s_(s), c_(c), ops_(ops), view_(view)
{}

void ModeSwitches::connectAll()
{
    for (QAction* a : {c_.type2D, c_.type1D})
        QObject::connect(a, &QAction::triggered, &context_, [this, a] { dimensionChosen(a); });
    for (QAction* a : {c_.masses2, c_.masses1})
        QObject::connect(a, &QAction::triggered, &context_, [this, a] { massCountChosen(a); });
}

void ModeSwitches::applyUnitAndForceEntries()
{
    const bool pushed = c_.dimension() == 1 && c_.massCount() == 1;
    c_.TraceBlock1->setVisible(pushed);
    c_.ShowForce1->setVisible(pushed);
    s_.unitText = pushed ? " m" : " cm";
}

void ModeSwitches::sizePucks()
{
    const int t = c_.circleSizeValue();
    if (c_.dimension() == 1) {
        c_.puck1->resize(48, 48);
        c_.puck2->resize(48, 48);
    } else if (t == -2) {
        c_.puck1->resize(24, 24);
        c_.puck2->resize(7, 7);
    } else {
        const int side = (t * 14 + 48) / 2;
        c_.puck1->resize(side, side);
        c_.puck2->resize(side, side);
    }
    s_.red.radius = c_.puck1->width() / 2;
    s_.black.radius = c_.puck2->width() / 2;
}

void ModeSwitches::dimensionChosen(QAction* e)
{
    c_.typeMenu->setTitle(QStringLiteral("&Type: ") + e->text());
    c_.typeMenu->menuAction()->setData(e->data());
    s_.dimension = e->data().toInt();
    if (s_.dimension == 1) {
        c_.puck1->setKind(MovableShape::Kind::Square);
        c_.puck2->setKind(MovableShape::Kind::Square);
        if (c_.Circle1->isChecked())
            c_.Elastic1->trigger();
        c_.tableangsb->setMaximum(100);
        c_.tableangsb->show();
        c_.tableanglb->show();
        c_.tableangsb->setValue(0);
        setCaption(c_.tableanglb, QStringLiteral("Force: 0.0 N [R]"));
    } else {
        c_.tableangsb->setMaximum(1000);
        c_.tableangsb->show();
        c_.tableanglb->show();
        c_.tableangsb->setValue(0);
        setCaption(c_.tableanglb, QStringLiteral("Angle: 0.0") + QChar(0xBA));
        c_.puck1->setKind(MovableShape::Kind::Circle);
        c_.puck2->setKind(MovableShape::Kind::Circle);
        if (c_.springMenu->menuAction()->isChecked()) {
            c_.springMenu->menuAction()->setChecked(false);
            c_.Elastic1->trigger();
        }
    }
    applyUnitAndForceEntries();
    sizePucks();
    ops_.renderTrace();
    ops_.drawSetUp();
    view_.relabelSpeeds();
    if (!confirmationShowing_)
        ops_.recenter();
}

void ModeSwitches::massCountChosen(QAction* e)
{
    c_.tableangsb->setValue(0);
    c_.Elastic1->trigger();   // disabled with one mass: then nothing happens
    c_.massesMenu->menuAction()->setData(e->data());
    c_.massesMenu->setTitle(e->text());
    s_.massCount = e->data().toInt();
    c_.blackb->setVisible(true);
    c_.tableangsb->setMaximum(1000);
    const bool two = s_.massCount == 2;
    if (!two) {
        c_.tableangsb->setMaximum(100);
        c_.blackb->setVisible(false);
        if (c_.blackb->isChecked())
            c_.blackb->trigger();
        if (c_.blackA->isChecked())
            c_.blackA->trigger();
        s_.black.direction = s_.red.direction;
        c_.v2sb->setValue(c_.v1sb->value());
        c_.Elastic1->trigger();
    }
    c_.blackA->setVisible(two);
    for (QWidget* w : {static_cast<QWidget*>(c_.m2lb), static_cast<QWidget*>(c_.m2sb), static_cast<QWidget*>(c_.v2sb),
                       static_cast<QWidget*>(c_.v2lb)})
        w->setVisible(two);
    // Over a recorded run the markers stay hidden; the next Reset shows them.
    const bool showBlack = two && s_.tick == 1;
    c_.puck2->setVisible(showBlack);
    c_.blackansh->setVisible(showBlack);
    for (QAction* a : {c_.Elastic1, c_.springMenu->menuAction(), c_.Inelastic1, c_.SemiElastic1,
                       c_.electroMenu->menuAction(), c_.Circle1})
        a->setEnabled(two && a->property("available").toBool());
    applyUnitAndForceEntries();
    view_.relabelSpeeds();
    ops_.renderTrace();
    ops_.drawSetUp();
}
