#pragma once
#include "engine/disclosure.h"
#include "engine/setup_model.h"
#include "setup/controls.h"
#include "view/view_settings.h"

// The view settings of the set-up model, with the red puck's and handle's
// places as the table shows them, less what is kept from the class.
ViewSettings viewSettingsOf(const sim::SetupModel& m, const Controls& c, const sim::Disclosure& shown = {});
