// Hang-ups and the responsive wait.
#include "vpn/vpn.h"

namespace rv {

void HangUpCurrentConnection(App& app) {
  // The result is ignored and the handle is kept: a later hang-up retries it.
  app.platform.ras->HangUp(app.state.connectionHandle.load());
}

void HangUpEntryByName(App& app, const std::string& entry) {
  app.platform.process->StartHidden("rasphone -h " + entry);
  app.platform.process->StartHidden("rasphone -r " + entry);
}

bool PumpingWait(App& app, int64_t ms) { return app.rt().Pause(ms); }

}  // namespace rv
