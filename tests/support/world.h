#pragma once
// A whole program on the simulated platform under virtual time: the test
// drives it through user input posted to its UI thread and reads its controls.
#include <functional>
#include <memory>
#include <string>

#include "app/app.h"
#include "app/startup.h"
#include "platform/folder_browser_store.h"
#include "platform/sim/scheduler.h"
#include "platform/posix/files_posix.h"
#include "platform/sim/sim_dialogs.h"
#include "platform/sim/sim_midi.h"
#include "platform/sim/sim_http.h"
#include "platform/sim/sim_net_connections.h"
#include "platform/sim/sim_process.h"
#include "platform/sim/sim_ras.h"
#include "platform/sim/sim_shell.h"
#include "ui/headless/headless_view.h"

namespace rv::test {

class World {
 public:
  World();
  ~World();

  sim::Scheduler sched;
  sim::SimProcess process;
  sim::SimRas ras{sched};
  sim::SimShell shell;
  sim::SimMidi midi{sched};
  // A fresh folder of real files as the program directory, removed at the end.
  std::string programDir;
  std::unique_ptr<FilesPosix> files;
  sim::SimHttp http{sched};
  sim::SimNetConnections net{sched};
  // Real files under a fresh temporary folder, removed with the world.
  std::unique_ptr<FolderBrowserStore> browser;
  std::unique_ptr<sim::SimDialogs> dialogs;
  std::unique_ptr<HeadlessView> view;
  App app;

  // Extra set-up that runs before StartProgram (wiring of subsystems).
  std::function<void(App&)> beforeStart;

  // Starts the program's UI thread with the given edition and runs until it
  // has presented its main window.
  void Start(Edition edition = Edition::Static);

  // User input, handled by the UI thread at its next chance.
  void Click(const std::string& window, const std::string& control);
  void MouseDown(const std::string& window, const std::string& control);
  void Type(const std::string& window, const std::string& control, const std::string& text);
  void Leave(const std::string& window, const std::string& control);
  void Menu(const std::string& window, const std::string& action);
  void Scroll(const std::string& window, const std::string& control, int position);
  // The close box of a window.
  void Close(const std::string& window);
  void OnUi(std::function<void()> action);

  std::string Text(const std::string& window, const std::string& control);
  Form& W(const std::string& window) { return app.forms.Get(window); }

  void Run(int64_t ms) { sched.RunFor(ms); }
  bool RunUntil(const std::function<bool()>& pred, int64_t maxMs = 60000) {
    return sched.RunUntil(pred, maxMs);
  }
  bool RunUntilText(const std::string& window, const std::string& control, const std::string& text,
                    int64_t maxMs = 60000);
};

}  // namespace rv::test
