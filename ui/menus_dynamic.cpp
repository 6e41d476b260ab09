// DynamicLineWindow and TopUpWindow: menu bars, the tray menu's own items and
// the buttons that open windows or the support chat. Items that run workers
// of the provider queries (version check, download address) and the tray
// restore are plugged in by their subsystems.
#include "app/startup.h"
#include "ui/chat_link.h"
#include "ui/help_pictures.h"
#include "ui/menu_actions.h"
#include "ui/notices.h"
#include "ui/picture_help.h"
#include "ui/support_contacts.h"
#include "ui/wire_forms.h"

namespace rv {

namespace {

void OnClick(App& app, const std::string& window, const std::string& control,
             std::function<void()> action) {
  app.forms.On(window, control, kEvClick, [action = std::move(action)](const EventArgs&) { action(); });
}

}  // namespace

void AskSupportAboutPhones(App& app) {
  OpenChatLink(app, RV_DYNAMIC_SUPPORT);
  ShowNotice(app, kEmulatorNotice);
}

void WireDynamicMenus(App& app) {
  const std::string w = "DynamicLineWindow";
  auto chat = [&app] { OpenChatLink(app, RV_DYNAMIC_SUPPORT); };
  auto messengerCard = [&app] {
    ShowHelpPicture(app, "DynamicPictureHelpWindow", pictures::kMessengerCard);
  };
  auto topUp = [&app] { app.forms.Load("TopUpWindow", false, nullptr); };
  auto advanced = [&app] { app.forms.Load("AdvancedSettingsWindow", false, nullptr); };

  OnClick(app, w, kActTopUp, topUp);
  OnClick(app, w, kActAdvanced, advanced);
  OnClick(app, w, kActContactSupport, chat);
  OnClick(app, w, kActDisclaimerBefore, [&app] { ShowNotice(app, kDisclaimerSecond); });
  OnClick(app, w, kActDisclaimerMust, [&app] { ShowNotice(app, kDisclaimerThird); });
  OnClick(app, w, kActExit, [&app] { DynamicLineExitFromMenu(app); });
  OnClick(app, w, kActUsage,
          [&app] { ShowHelpPicture(app, "DynamicPictureHelpWindow", pictures::kUsageIntro); });
  OnClick(app, w, kActMessenger, messengerCard);
  OnClick(app, w, "按钮_高级设置", advanced);

  for (const char* window : {"DynamicLineWindow", "AdvancedSettingsWindow"}) {
    OnClick(app, window, "按钮_拨号问题汇总", [&app] { OpenDialErrorHelp(app); });
    OnClick(app, window, "按钮_模拟器使用咨询", [&app] { AskSupportAboutPhones(app); });
  }

  OnClick(app, "TopUpWindow", kActContactSupport, chat);
  OnClick(app, "TopUpWindow", kActMessenger, messengerCard);
}

}  // namespace rv
