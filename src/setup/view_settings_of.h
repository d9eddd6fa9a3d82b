#pragma once
#include "ui/controls.h"
#include "view/view_settings.h"

// The view settings as the table window's controls show them, read at once.
ViewSettings viewSettingsOf(const Controls& c);
