#include "app/wiring.h"

namespace rv {

void WireProgram(App& app) {
  (void)app;
  // Each subsystem adds its Wire...() call here.
}

}  // namespace rv
