#include <memory>

#include "supervision/alarm.h"
#include "supervision/connect_flow.h"
#include "supervision/controls.h"
#include "supervision/disconnect.h"
#include "supervision/midi_player.h"
#include "supervision/results_log.h"
#include "supervision/supervision.h"

namespace rv {

namespace {

const char* WindowOf(Line line) { return line == Line::Static ? ctl::kStaticWindow : ctl::kDynamicWindow; }

// A click that starts `routine` for the line on a worker.
void OnClickWorker(App& app, const char* window, const char* control, Line line,
                   void (*routine)(App&, Line)) {
  app.forms.On(window, control, kEvClick, [&app, line, routine](const EventArgs&) {
    app.StartWorker([&app, line, routine] { routine(app, line); });
  });
}

}  // namespace

void WireSupervision(App& app) {
  if (!app.alarm) app.alarm = std::make_shared<MidiPlayer>(app);
  app.forms.On(ctl::kStaticWindow, ctl::kConnect, kEvClick, [&app](const EventArgs&) { StaticConnect(app); });
  for (Line line : {Line::Static, Line::Dynamic}) {
    const char* window = WindowOf(line);
    OnClickWorker(app, window, ctl::kDisconnect, line, Disconnect);
    OnClickWorker(app, window, ctl::kDropTest, line, DropTest);
    OnClickWorker(app, window, ctl::kSaveResults, line, SaveResults);
    OnClickWorker(app, window, ctl::kClearResults, line, ClearResults);
    app.forms.On(window, ctl::kMonitorInterval, kEvLostFocus,
                 [&app](const EventArgs& e) { ValidateMonitorInterval(app, *e.form); });
    app.forms.On(window, ctl::kReconnectPeriod, kEvLostFocus,
                 [&app](const EventArgs& e) { ValidateReconnectPeriod(app, *e.form); });
    // The mouse button goes down before the click is handled: the alarm
    // stops first, whatever the click then does to the box.
    app.forms.On(window, ctl::kAlarmOnDrop, kEvLeftButtonDown, [&app](const EventArgs&) { StopAlarm(app); });
  }
  // The advanced settings window's drop test acts on the dynamic line.
  OnClickWorker(app, ctl::kAdvancedWindow, ctl::kDropTest, Line::Dynamic, DropTest);
  for (const InterlockRule& rule : InterlockRules())
    app.forms.On(rule.window, rule.box, kEvClick, [&rule](const EventArgs& e) { ApplyInterlock(*e.form, rule); });
}

}  // namespace rv
