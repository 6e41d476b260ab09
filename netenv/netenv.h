#pragma once
// The network environment as the other subsystems use it: the local network
// cut of a line, its undo, the fault repair and the browser cleanup.
#include "app/app.h"

namespace rv {

// Start the line's operation as a worker and return at once: the static line
// switches its named connections, the dynamic line releases or renews every
// address.
void StartCutNetwork(App& app, Line line);
void StartRestoreNetwork(App& app, Line line);

// Raises the line's entry suffix and hangs up and removes every leftover
// entry of the program's names in the default phonebooks.
void RepairDialState(App& app, Line line);

// Cookies, temporary internet files, typed addresses and history, in that
// order; nothing is reported.
void ClearBrowserTraces(App& app);
// Starts ClearBrowserTraces as a worker and returns at once.
void StartClearBrowserTraces(App& app);

// The handlers of the buttons and check boxes of this subsystem.
void WireNetEnv(App& app);

}  // namespace rv
