#pragma once
#include "ui/form.h"

namespace rv {

// Attaches the window's balloon tips (WindowDef::tips) to its controls and
// to the window itself. A window without tips is left alone.
void AttachTips(Form& form);

}  // namespace rv
