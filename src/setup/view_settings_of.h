#pragma once
#include "engine/setup_model.h"
#include "setup/controls.h"
#include "view/view_settings.h"

// The view settings of the set-up model, with the red puck's and handle's
// places as the table shows them.
ViewSettings viewSettingsOf(const sim::SetupModel& m, const Controls& c);
