#include "supervision/line_ops.h"

#include "app/connection_title.h"
#include "supervision/control_text.h"
#include "supervision/controls.h"
#include "vpn/vpn.h"

namespace rv {

std::string LineEntryName(App& app, Line line) { return EntryName(app.state.EntrySuffix(line).Get()); }

bool StopRequested(App& app, Line line) { return app.state.Stop(line).load() == 1; }

void WriteLineEntry(App& app, Line line) {
  Form& w = app.Window(line);
  WriteVpnEntry(app, LineEntryName(app, line), TrimSpaces(w.Text(ctl::kUser)),
                TrimSpaces(w.Text(ctl::kPassword)), TrimSpaces(app.state.Server(line).Get()),
                app.state.Protocol(line).load());
}

void DialLine(App& app, Line line) {
  Form& w = app.Window(line);
  DialVpnEntry(app, LineEntryName(app, line), TrimSpaces(w.Text(ctl::kUser)),
               TrimSpaces(w.Text(ctl::kPassword)), w, ctl::kMessageLine);
}

void HangUpLineEntry(App& app, Line line) {
  app.state.Dialer(line)->HangUpEntryByName(LineEntryName(app, line));
}

bool WaitUnlessStopped(App& app, Line line, int64_t ms) {
  if (StopRequested(app, line)) return false;
  PumpingWait(app, ms);
  return !StopRequested(app, line);
}

void GiveLineBack(App& app, Line line) {
  Form& w = app.Window(line);
  w.SetEnabled(ctl::kConnect, true);
  w.SetEnabled(ctl::kMonitorInterval, true);
  if (line == Line::Dynamic) {
    w.SetEnabled(ctl::kServerList1, true);
    w.SetEnabled(ctl::kServerList2, true);
  }
}

bool Ticked(App& app, Line line, const char* box) { return app.Window(line).Checked(box); }

}  // namespace rv
