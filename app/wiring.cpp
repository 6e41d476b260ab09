#include "app/wiring.h"

#include "iplookup/public_ip_query.h"
#include "netenv/netenv.h"
#include "supervision/supervision.h"
#include "ui/wire_forms.h"

namespace rv {

void WireProgram(App& app) {
  // Each subsystem adds its Wire...() call here, above WireForms.
  WireSupervision(app);
  WireIpLookup(app);
  WireNetEnv(app);

  // Last: it extends the creation steps plugged in above with the tooltips.
  WireForms(app);
}

}  // namespace rv
