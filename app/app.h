#pragma once
// The program's context: the platform it was handed, the session state and
// the loaded windows. Every subsystem takes an App&.
#include <functional>
#include <memory>
#include <string>

#include "app/session_state.h"
#include "platform/platform.h"
#include "ui/forms.h"

namespace rv {

struct App;
class MidiPlayer;

enum class Edition { Static, Dynamic };

// Addresses and switches that differ between the real service and the sandbox.
struct Config {
  Edition edition = Edition::Static;
  std::string programDir;  // directory of the running program, no trailing separator
  std::string ipEchoPageA = "http://ip.echo-a.example/";
  std::string ipEchoServiceB = "http://ip.echo-b.example/getip.aspx";
};

// Hooks later subsystems plug into the start-up, the exits and the flows.
struct StartupHooks {
  std::function<void(App&)> attachSkin;            // attach the skin to a new main window
  std::function<void(App&)> dynamicWindowReady;    // the rest of DynamicLineWindow's creation
  std::function<void(App&)> settingsSave;          // save all settings (runs to completion)
  std::function<void(App&)> settingsSavedOnClose;  // log line after the close-box save
  // The dynamic line's check of a newly found address against the logged
  // ones: true when it was a duplicate and has been dealt with (its own line
  // written, a reconnect started), so the address line is not logged.
  std::function<bool(App&, const std::string& address)> duplicateIpFilter;
};

struct App {
  App();
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  Platform platform;
  Config config;
  SessionState state;
  Forms forms;
  StartupHooks hooks;
  std::unique_ptr<DialupKit> staticDialer, dynamicDialer;
  std::unique_ptr<AdapterToolkit> adapterToolkit;
  std::shared_ptr<MidiPlayer> alarm;  // the alarm tune's player, made by the supervision's wiring

  Runtime& rt() { return *platform.runtime; }
  Form& StaticWindow() { return forms.Get("StaticLineWindow"); }
  Form& DynamicWindow() { return forms.Get("DynamicLineWindow"); }
  Form& Window(Line line) { return line == Line::Static ? StaticWindow() : DynamicWindow(); }
  // Started workers are detached and never joined.
  void StartWorker(std::function<void()> routine) { rt().StartWorker(std::move(routine)); }
  bool Pause(int64_t ms) { return rt().Pause(ms); }
};

}  // namespace rv
