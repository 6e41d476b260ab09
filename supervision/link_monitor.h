#pragma once
// The link monitor: checks the line's entry at the user's interval, and on a
// drop redials until the link is back, or gives the line back to the user
// (cutting the network and sounding the alarm as ticked).
#include "app/app.h"

namespace rv {

// Worker body, for either main window's line.
void LinkMonitor(App& app, Line line);

}  // namespace rv
