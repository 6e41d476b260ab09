#include "support/world.h"

#include <stdlib.h>

#include <filesystem>

namespace rv::test {

World::World() {
  dialogs = std::make_unique<sim::SimDialogs>(app.forms);
  view = std::make_unique<HeadlessView>(sched);
  app.platform.runtime = &sched;
  app.platform.process = &process;
  app.platform.ras = &ras;
  ras.RegisterCommands(process);
  app.platform.dialogs = dialogs.get();
  app.platform.shell = &shell;
  app.platform.http = &http;
  app.platform.netConnections = &net;
  process.AddHandler([this](const std::string& command) { return net.HandleCommand(command); });
  char root[] = "/tmp/rovanta-browser-XXXXXX";
  browser = std::make_unique<FolderBrowserStore>(mkdtemp(root) ? root : "/tmp/rovanta-browser");
  browser->CreateLayout();
  app.platform.browserStore = browser.get();
  app.forms.SetView(view.get());
  char folder[] = "/tmp/rovanta-world-XXXXXX";
  programDir = mkdtemp(folder) ? folder : "/tmp";
  files = std::make_unique<FilesPosix>(programDir);
  app.platform.midi = &midi;
  app.platform.files = files.get();
  app.config.programDir = programDir;
}

World::~World() {
  sched.Shutdown();
  std::error_code ignored;
  std::filesystem::remove_all(browser->root(), ignored);
  if (programDir != "/tmp") std::filesystem::remove_all(programDir, ignored);
}

void World::Start(Edition edition) {
  app.config.edition = edition;
  sched.StartUi([this] {
    if (beforeStart) beforeStart(app);
    StartProgram(app);
  });
  sched.RunFor(0);
}

void World::OnUi(std::function<void()> action) { sched.PostUi(std::move(action)); }

void World::Click(const std::string& window, const std::string& control) {
  OnUi([this, window, control] { app.forms.UserClick(app.forms.Get(window), control); });
}

void World::MouseDown(const std::string& window, const std::string& control) {
  OnUi([this, window, control] { app.forms.UserMouseDown(app.forms.Get(window), control); });
}

void World::Type(const std::string& window, const std::string& control, const std::string& text) {
  OnUi([this, window, control, text] { app.forms.UserType(app.forms.Get(window), control, text); });
}

void World::Leave(const std::string& window, const std::string& control) {
  OnUi([this, window, control] { app.forms.UserLeave(app.forms.Get(window), control); });
}

void World::Menu(const std::string& window, const std::string& action) {
  OnUi([this, window, action] { app.forms.UserMenu(app.forms.Get(window), action); });
}

void World::Scroll(const std::string& window, const std::string& control, int position) {
  OnUi([this, window, control, position] {
    app.forms.UserScroll(app.forms.Get(window), control, position);
  });
}

void World::Close(const std::string& window) {
  OnUi([this, window] { app.forms.Destroy(app.forms.Get(window)); });
}

std::string World::Text(const std::string& window, const std::string& control) {
  return app.forms.Get(window).Text(control);
}

bool World::RunUntilText(const std::string& window, const std::string& control,
                         const std::string& text, int64_t maxMs) {
  return RunUntil([&] { return Text(window, control) == text; }, maxMs);
}

}  // namespace rv::test
