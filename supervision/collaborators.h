#pragma once
// What the supervision starts in the other subsystems, each as a worker.
#include "app/app.h"

namespace rv {

// Clears the browser's cookies, cache, typed addresses and history.
void StartBrowserCleanup(App& app);
// Cuts the local network of the line's window (after a drop).
void StartNetworkCut(App& app, Line line);
// Looks up the public address of the line's new connection and logs it.
void StartIpQuery(App& app, Line line);

}  // namespace rv
