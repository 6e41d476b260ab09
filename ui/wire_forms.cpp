#include "ui/wire_forms.h"

#include "resources/embedded.h"
#include "ui/help_pictures.h"
#include "ui/tips.h"

namespace rv {

void PresentDynamicWindow(Form& window) {
  window.SetPicture("图片框1", std::string(EmbeddedFile(pictures::kBanner)));
  window.SetVisible("超级列表框_线路超级列表2", false);
}

void WireForms(App& app) {
  WireStaticMenus(app);
  WireDynamicMenus(app);
  WireHelpWindows(app);

  // DynamicLineWindow: banner and list first, tooltips as the last step.
  app.hooks.dynamicWindowReady = [rest = app.hooks.dynamicWindowReady](App& a) {
    Form& window = a.DynamicWindow();
    PresentDynamicWindow(window);
    if (rest) rest(a);
    AttachTips(window);
  };

  // AdvancedSettingsWindow: tooltips, then whatever its creation does besides.
  Handler rest = app.forms.PluggedHandler("AdvancedSettingsWindow", "", kEvCreated);
  app.forms.On("AdvancedSettingsWindow", "", kEvCreated, [rest](const EventArgs& e) {
    AttachTips(*e.form);
    if (rest) rest(e);
  });
}

}  // namespace rv
