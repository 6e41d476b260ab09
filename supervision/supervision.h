#pragma once
#include "app/app.h"

namespace rv {

// Plugs the connect, disconnect, drop test, results, validator, interlock
// and alarm handlers of both main windows into their events.
void WireSupervision(App& app);

}  // namespace rv
