#include "ui/tips.h"

namespace rv {

void AttachTips(Form& form) {
  for (const TipDef& tip : form.def().tips) {
    if (tip.control)
      form.SetTip(tip.control, tip.text);
    else
      form.SetWindowTip(tip.text);
  }
}

}  // namespace rv
