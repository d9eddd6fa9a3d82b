#include "setup/view_settings_of.h"

#include "ui/widgets.h"
#include "view/table_picture.h"

ViewSettings viewSettingsOf(const sim::SetupModel& m, const Controls& c, const sim::Disclosure& shown)
{
    ViewSettings v = viewSettingsFor(m, {c.puck1->x(), c.puck1->y(), c.puck1->width()},
                                     {c.redansh->x(), c.redansh->y(), c.redansh->width()});
    hideUnknown(v, shown);
    return v;
}
