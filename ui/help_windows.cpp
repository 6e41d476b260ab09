// DialErrorHelpWindow and the two scrolling picture windows.
#include "ui/help_pictures.h"
#include "ui/notices.h"
#include "ui/picture_help.h"
#include "ui/wire_forms.h"

namespace rv {

void OpenDialErrorHelp(App& app) { app.forms.Load("DialErrorHelpWindow", true, nullptr); }

void WireHelpWindows(App& app) {
  const std::string help = "DialErrorHelpWindow";
  struct PictureButton {
    const char* button;
    const char* file;
  };
  static constexpr PictureButton kPictureButtons[] = {
      {"按钮_错误756", pictures::kError756},         {"按钮_错误806", pictures::kError806},
      {"按钮_错误总代码", pictures::kDialErrors},    {"按钮_安卓手机PPTP", pictures::kAndroidPptp},
      {"按钮_苹果手机PPTP", pictures::kApplePptp},   {"按钮_安卓手机L2TP", pictures::kAndroidL2tp},
      {"按钮_苹果手机L2TP", pictures::kAppleL2tp},
  };
  for (const PictureButton& b : kPictureButtons)
    app.forms.On(help, b.button, kEvClick, [&app, file = b.file](const EventArgs&) {
      ShowHelpPicture(app, "StaticPictureHelpWindow", file);
    });
  app.forms.On(help, "按钮_错误691", kEvClick, [&app](const EventArgs&) { ShowNotice(app, kError691Notice); });
  app.forms.On(help, "按钮_无法连接", kEvClick,
               [&app](const EventArgs&) { ShowNotice(app, kCannotConnectNotice); });

  for (const char* window : {"StaticPictureHelpWindow", "DynamicPictureHelpWindow"}) {
    app.forms.On(window, "", kEvCreated, [](const EventArgs& e) { SetUpPictureScroll(*e.form); });
    app.forms.On(window, kPictureScrollBar, kEvScrollChanged,
                 [](const EventArgs& e) { ScrollPicture(*e.form, e.arg); });
  }
}

}  // namespace rv
