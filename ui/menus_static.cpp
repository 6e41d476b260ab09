// StaticLineWindow: its menu bar and its notice and help buttons.
#include "ui/chat_link.h"
#include "ui/menu_actions.h"
#include "ui/notices.h"
#include "ui/support_contacts.h"
#include "ui/wire_forms.h"

namespace rv {

void WireStaticMenus(App& app) {
  const std::string w = "StaticLineWindow";
  auto notice = [&app, w](const char* action, const Notice& n) {
    app.forms.On(w, action, kEvClick, [&app, &n](const EventArgs&) { ShowNotice(app, n); });
  };
  app.forms.On(w, kActContactSupport, kEvClick, [&app](const EventArgs&) {
    OpenChatLink(app, RV_STATIC_SUPPORT);
    ShowNotice(app, kContactNotice);
  });
  notice(kActDisclaimerBefore, kDisclaimerSecond);
  notice(kActDisclaimerMust, kDisclaimerFirst);
  notice(kActUsage, kUsageNotice);
  notice(kActMessenger, kMessengerNotice);
  notice("按钮_更多功能定制", kMoreFeaturesNotice);
  // Destroying the start window runs the static-line exit.
  app.forms.On(w, kActExit, kEvClick, [&app](const EventArgs& e) { app.forms.Destroy(*e.form); });
  app.forms.On(w, "按钮_拨号问题汇总", kEvClick, [&app](const EventArgs&) { OpenDialErrorHelp(app); });
}

}  // namespace rv
