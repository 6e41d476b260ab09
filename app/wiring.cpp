#include "app/wiring.h"

#include "iplookup/public_ip_query.h"

namespace rv {

void WireProgram(App& app) {
  // Each subsystem adds its Wire...() call here.
  WireIpLookup(app);
}

}  // namespace rv
