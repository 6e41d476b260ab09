#pragma once
// The window tables, one file each.
#include "ui/form_defs.h"

namespace rv {

extern const WindowDef kStaticLineWindow;

}  // namespace rv
