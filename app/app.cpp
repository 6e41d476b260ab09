#include "app/app.h"

#include "vpn/vpn.h"

namespace rv {

// The session's utility objects live as long as the process.
App::App()
    : staticDialer(std::make_unique<DialupKit>(*this)),
      dynamicDialer(std::make_unique<DialupKit>(*this)) {
  state.staticDialer = staticDialer.get();
  state.dynamicDialer = dynamicDialer.get();
}

App::~App() = default;

}  // namespace rv
