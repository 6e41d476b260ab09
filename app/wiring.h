#pragma once
#include "app/app.h"

namespace rv {

// Plugs every subsystem's handlers into the windows' events. Runs once, before
// the start window is created.
void WireProgram(App& app);

}  // namespace rv
