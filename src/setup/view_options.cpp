#include "setup/view_options.h"

#include "setup/model_view.h"
#include "setup/view_marks.h"
#include "ui/canvas.h"
#include "ui/widgets.h"

ViewOptions::ViewOptions(sim::SetupRules& rules, Controls& c, ModelView& view) : rules_(rules), c_(c), view_(view) {}

void ViewOptions::connectAll()
{
    // Qt inverts a checkable entry's mark before its handler runs; the
    // model's mark turns with it.
    for (const ViewMark& m : kViewMarks)
        QObject::connect(c_.*(m.action), &QAction::triggered, &context_, [this, mark = m.mark] {
            rules_.toggleMark(mark);
            view_.show();
        });
    auto choose = [this](std::initializer_list<QAction*> entries, void (sim::SetupRules::*rule)(int)) {
        for (QAction* a : entries)
            QObject::connect(a, &QAction::triggered, &context_, [this, a, rule] {
                (rules_.*rule)(a->data().toInt());
                view_.show();
            });
    };
    choose({c_.circleSmall, c_.circleMedium, c_.circleLarge, c_.circleBlackSmall}, &sim::SetupRules::chooseCircleSize);
    choose({c_.scaleSmall, c_.scaleMedium, c_.scaleLarge}, &sim::SetupRules::chooseScale);
    choose({c_.dotNormal, c_.dotLarge}, &sim::SetupRules::chooseDotSize);
}
