#include "app/startup.h"

#include <atomic>
#include <cctype>
#include <memory>
#include <mutex>
#include <vector>

#include "app/connection_title.h"
#include "app/wiring.h"
#include "vpn/vpn.h"

namespace rv {

namespace {

void OnStaticWindowCreated(App& app) {
  Form& w = app.StaticWindow();
  if (auto& attach = app.hooks.attachSkin) attach(app);
  app.state.staticEntrySuffix.Set("1");
  if (w.Checked("单选框_PPTP")) {
    app.state.staticProtocol = kPptp;
    w.SetChecked("单选框_L2TP", false);
    w.SetChecked("单选框_PPTP", true);
  } else if (w.Checked("单选框_L2TP")) {
    app.state.staticProtocol = kL2tp;
    w.SetChecked("单选框_PPTP", false);
    w.SetChecked("单选框_L2TP", true);
  }
  if (app.config.edition == Edition::Static) {
    w.SetWindowVisible(true);
  } else {
    app.forms.Load("DynamicLineWindow", false, nullptr);
    w.SetWindowVisible(false);
  }
}

void OnDynamicWindowCreated(App& app) {
  if (auto& attach = app.hooks.attachSkin) attach(app);
  app.state.dynamicEntrySuffix.Set("1");
  if (auto& ready = app.hooks.dynamicWindowReady) ready(app);
}

// Hang up the current connection and the line's entry by name.
void HangUpLine(App& app, Line line) {
  app.state.Stop(line) = 1;
  HangUpCurrentConnection(app);
  PumpingWait(app, 100);
  app.state.Dialer(line)->HangUpEntryByName(EntryName(app.state.EntrySuffix(line).Get()));
  PumpingWait(app, 100);
}

// Runs the settings save on a worker and waits, handling messages, until it
// has finished, rather than trusting a fixed pause to be long enough.
void SaveSettingsAndWait(App& app) {
  auto save = app.hooks.settingsSave;
  if (!save) return;
  auto done = std::make_shared<std::atomic<bool>>(false);
  app.StartWorker([&app, save, done] {
    save(app);
    *done = true;
  });
  PumpingWait(app, 300);
  for (int waited = 300; !*done && waited < 30000; waited += 50) PumpingWait(app, 50);
}

}  // namespace

Edition ParseEditionChoice(const std::string& text) {
  std::string t;
  for (char c : text)
    if (!std::isspace(static_cast<unsigned char>(c))) t += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return t == "dynamic" ? Edition::Dynamic : Edition::Static;
}

void StartProgram(App& app) {
  WireProgram(app);
  app.forms.On("StaticLineWindow", "", kEvCreated, [&app](const EventArgs&) { OnStaticWindowCreated(app); });
  app.forms.On("StaticLineWindow", "", kEvAboutToBeDestroyed, [&app](const EventArgs&) { StaticLineExit(app); });
  app.forms.On("DynamicLineWindow", "", kEvCreated, [&app](const EventArgs&) { OnDynamicWindowCreated(app); });
  app.forms.On("DynamicLineWindow", "", kEvAboutToBeDestroyed,
               [&app](const EventArgs&) { DynamicLineExitFromCloseBox(app); });
  app.forms.Load("StaticLineWindow", false, nullptr);
}

void StaticLineExit(App& app) {
  HangUpLine(app, Line::Static);
  // Destroying the start window ends the program.
  app.rt().EndProcess(0);
}

void DynamicLineExitFromMenu(App& app) {
  HangUpLine(app, Line::Dynamic);
  SaveSettingsAndWait(app);
  app.rt().EndProcess(0);
}

void DynamicLineExitFromCloseBox(App& app) {
  HangUpLine(app, Line::Dynamic);
  if (auto& save = app.hooks.settingsSave) save(app);
  if (auto& logged = app.hooks.settingsSavedOnClose) logged(app);
  PumpingWait(app, 100);
  app.rt().EndProcess(0);
}

}  // namespace rv
