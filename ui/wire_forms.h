#pragma once
#include "app/app.h"

namespace rv {

// Plugs in the window-shell handlers: tooltips at creation, menus, notices,
// help windows and picture windows. Runs last in WireProgram, because it
// keeps and extends the creation steps that other subsystems plugged in
// before it (DynamicLineWindow's ready hook, AdvancedSettingsWindow's created
// event).
void WireForms(App& app);

// The parts of WireForms, one per group of windows.
void WireStaticMenus(App& app);
void WireDynamicMenus(App& app);
void WireHelpWindows(App& app);

// Actions shared by several windows.
void OpenDialErrorHelp(App& app);    // modal, no owner
void AskSupportAboutPhones(App& app);  // 按钮_模拟器使用咨询
// The banner on top and the full server list in front (the first steps of
// DynamicLineWindow's creation that belong to the window itself).
void PresentDynamicWindow(Form& window);

}  // namespace rv
