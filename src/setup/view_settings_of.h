#pragma once
#include "engine/challenge.h"
#include "engine/setup_model.h"
#include "setup/controls.h"
#include "view/view_settings.h"

// The view settings of the set-up model, with the red puck's and handle's
// places as the table shows them. A challenge's unknown turns off what
// would show it: the centre of mass and the masses' labels weigh the black
// mass; the trace before the contact shows the launch speed.
ViewSettings viewSettingsOf(const sim::SetupModel& m, const Controls& c, const sim::Challenge* challenge = nullptr);
