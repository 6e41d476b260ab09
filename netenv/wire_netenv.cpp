#include "netenv/local_network.h"
#include "netenv/netenv.h"

namespace rv {

void WireNetEnv(App& app) {
  // The advanced settings window runs the dynamic line's operations.
  const std::pair<const char*, Line> windows[] = {{"StaticLineWindow", Line::Static},
                                                  {"DynamicLineWindow", Line::Dynamic},
                                                  {"AdvancedSettingsWindow", Line::Dynamic}};
  for (auto [window, line] : windows) {
    app.forms.On(window, "按钮_禁用本地网络", kEvClick,
                 [&app, line](const EventArgs&) { StartCutNetwork(app, line); });
    app.forms.On(window, "按钮_启用本地网络", kEvClick,
                 [&app, line](const EventArgs&) { StartRestoreNetwork(app, line); });
    app.forms.On(window, "按钮_修复故障", kEvClick, [&app, line](const EventArgs&) {
      app.StartWorker([&app, line] { RepairDialState(app, line); });
    });
  }
  WireDropCutInterlocks(app);
}

}  // namespace rv
