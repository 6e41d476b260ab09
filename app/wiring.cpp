#include "app/wiring.h"

#include "supervision/supervision.h"

namespace rv {

void WireProgram(App& app) {
  // Each subsystem adds its Wire...() call here.
  WireSupervision(app);
}

}  // namespace rv
