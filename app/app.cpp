#include "app/app.h"

#include "netenv/adapter_toolkit.h"
#include "vpn/vpn.h"

namespace rv {

// The session's utility objects live as long as the process.
App::App()
    : staticDialer(std::make_unique<DialupKit>(*this)),
      dynamicDialer(std::make_unique<DialupKit>(*this)),
      adapterToolkit(std::make_unique<AdapterToolkit>(*this)) {
  state.staticDialer = staticDialer.get();
  state.dynamicDialer = dynamicDialer.get();
  state.adapters = adapterToolkit.get();
}

App::~App() = default;

}  // namespace rv
