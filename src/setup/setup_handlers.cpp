#include "setup/setup_handlers.h"

#include "setup/model_view.h"
#include "ui/widgets.h"

using sim::Interaction;
using sim::SetupRules;

SetupHandlers::SetupHandlers(SetupRules& rules, Controls& c, ModelView& view) : rules_(rules), c_(c), view_(view) {}

template <typename Change> void SetupHandlers::onChange(Change change)
{
    change();
    view_.show();
}

void SetupHandlers::connectAll()
{
    connectBars();
    connectInteractions();
    connectModes();
}

void SetupHandlers::connectBars()
{
    const struct {
        QScrollBar* bar;
        void (SetupRules::*rule)(int, int);
        int puck;
    } perPuck[] = {
        {c_.m1sb, &SetupRules::setMass, 1},  {c_.m2sb, &SetupRules::setMass, 2},   {c_.v1sb, &SetupRules::setSpeed, 1},
        {c_.v2sb, &SetupRules::setSpeed, 2}, {c_.c1sb, &SetupRules::setCharge, 1}, {c_.c2sb, &SetupRules::setCharge, 2},
    };
    for (const auto& b : perPuck)
        QObject::connect(b.bar, &QScrollBar::valueChanged, &context_,
                         [this, rule = b.rule, puck = b.puck](int v) { onChange([&] { (rules_.*rule)(puck, v); }); });
    const std::pair<QScrollBar*, void (SetupRules::*)(int)> single[] = {
        {c_.persb, &SetupRules::setPercent},
        {c_.ksb, &SetupRules::setSpringK},
        {c_.lsb, &SetupRules::setSpringLength},
        {c_.tableangsb, &SetupRules::setTableAngle},
    };
    for (const auto& [bar, rule] : single)
        QObject::connect(bar, &QScrollBar::valueChanged, &context_,
                         [this, rule = rule](int v) { onChange([&] { (rules_.*rule)(v); }); });
}

void SetupHandlers::connectInteractions()
{
    const std::pair<QAction*, Interaction> entries[] = {
        {c_.Elastic1, Interaction::Elastic},
        {c_.Inelastic1, Interaction::Inelastic},
        {c_.SemiElastic1, Interaction::SemiElastic},
        {c_.Circle1, Interaction::Circle},
    };
    for (const auto& [entry, mode] : entries)
        QObject::connect(entry, &QAction::triggered, &context_,
                         [this, mode = mode] { onChange([&] { rules_.chooseInteraction(mode); }); });
    for (QAction* a : {c_.electroUnlimited, c_.electro100, c_.electro50, c_.electro20})
        QObject::connect(a, &QAction::triggered, &context_, [this, a] {
            onChange([&] { rules_.chooseInteraction(Interaction::Electrostatic, a->data().toInt()); });
        });
    for (QAction* a : {c_.springElastic, c_.springInelastic})
        QObject::connect(a, &QAction::triggered, &context_,
                         [this, a] { onChange([&] { rules_.chooseSpring(a->data().toInt()); }); });
}

void SetupHandlers::connectModes()
{
    const std::pair<QAction*, void (SetupRules::*)(int)> entries[] = {
        {c_.type2D, &SetupRules::chooseDimension},        {c_.type1D, &SetupRules::chooseDimension},
        {c_.masses2, &SetupRules::chooseMassCount},       {c_.masses1, &SetupRules::chooseMassCount},
        {c_.speedSlow, &SetupRules::chooseComputerSpeed}, {c_.speedMedium, &SetupRules::chooseComputerSpeed},
        {c_.speedFast, &SetupRules::chooseComputerSpeed},
    };
    for (const auto& [entry, rule] : entries)
        QObject::connect(entry, &QAction::triggered, &context_,
                         [this, a = entry, rule = rule] { onChange([&] { (rules_.*rule)(a->data().toInt()); }); });
    for (QAction* a : c_.friction)
        QObject::connect(a, &QAction::triggered, &context_,
                         [this, a] { onChange([&] { rules_.chooseCircleFriction(a->data().toInt()); }); });
    QObject::connect(c_.PlottingError1, &QAction::triggered, &context_,
                     [this] { onChange([&] { rules_.togglePlottingError(); }); });
    QObject::connect(c_.letterMarks1, &QAction::triggered, &context_,
                     [this] { onChange([&] { rules_.toggleLetterMarks(); }); });
}
