#include <cstring>

#include "ui/form_defs.h"
#include "ui/window_tables.h"

namespace rv {

std::span<const WindowDef* const> AllWindowDefs() {
  static const WindowDef* const all[] = {
      &kStaticLineWindow,      &kDialErrorHelpWindow, &kStaticPictureHelpWindow,
      &kDynamicLineWindow,     &kTopUpWindow,         &kDynamicPictureHelpWindow,
      &kAdvancedSettingsWindow,
  };
  return all;
}

const WindowDef* FindWindowDef(const char* name) {
  for (const WindowDef* def : AllWindowDefs())
    if (std::strcmp(def->name, name) == 0) return def;
  return nullptr;
}

}  // namespace rv
