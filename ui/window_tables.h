#pragma once
// The window tables, one file each (the two identical picture windows share one).
#include "ui/form_defs.h"

namespace rv {

extern const WindowDef kStaticLineWindow;
extern const WindowDef kDialErrorHelpWindow;
extern const WindowDef kStaticPictureHelpWindow;
extern const WindowDef kDynamicLineWindow;
extern const WindowDef kTopUpWindow;
extern const WindowDef kDynamicPictureHelpWindow;
extern const WindowDef kAdvancedSettingsWindow;

}  // namespace rv
