#pragma once
#include "setup/controls.h"

// Gives every control, menu and menu entry its name in `Controls` as its
// object name.
void setObjectNames(Controls& c);
