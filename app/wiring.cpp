#include "app/wiring.h"

#include "netenv/netenv.h"

namespace rv {

void WireProgram(App& app) {
  // Each subsystem adds its Wire...() call here.
  WireNetEnv(app);
}

}  // namespace rv
