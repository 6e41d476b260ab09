#pragma once
// The one process-wide record of shared variables. Integer fields are atomic
// 32-bit words; texts are SharedText.
#include <atomic>
#include <cstdint>
#include <string>

#include "app/shared_text.h"
#include "platform/ras.h"

namespace rv {

enum class Line { Static, Dynamic };

// Tunnel type codes, written unchanged as the entry's VPN strategy.
enum VpnProtocol : int32_t { kPptp = 1, kL2tp = 3, kSstp = 5 };

class DialupKit;
class AdapterToolkit;
class MemoryDllLoader;

struct SessionState {
  std::atomic<int32_t> staticProtocol{0};
  SharedText staticServer;
  SharedText staticEntrySuffix;
  std::atomic<int32_t> staticStop{0};

  std::atomic<int32_t> dynamicProtocol{0};
  SharedText dynamicServer;
  SharedText dynamicEntrySuffix;
  std::atomic<int32_t> dynamicStop{0};

  std::atomic<RasHandle> connectionHandle{0};
  std::atomic<int32_t> dialInProgress{0};
  // Window and control names of the status line that receives dial texts.
  SharedText statusWindow;
  SharedText statusControl;

  std::atomic<int32_t> serverCount{0};
  std::atomic<int32_t> searchMatchCount{0};
  SharedText duplicateKey;
  std::atomic<int32_t> hotkeyId{0};

  DialupKit* staticDialer = nullptr;
  DialupKit* dynamicDialer = nullptr;
  AdapterToolkit* adapters = nullptr;
  MemoryDllLoader* skinLoader = nullptr;

  // Per-line accessors, so that the flows are written once for both lines.
  std::atomic<int32_t>& Stop(Line line) { return line == Line::Static ? staticStop : dynamicStop; }
  std::atomic<int32_t>& Protocol(Line line) {
    return line == Line::Static ? staticProtocol : dynamicProtocol;
  }
  SharedText& Server(Line line) { return line == Line::Static ? staticServer : dynamicServer; }
  SharedText& EntrySuffix(Line line) {
    return line == Line::Static ? staticEntrySuffix : dynamicEntrySuffix;
  }
  DialupKit* Dialer(Line line) { return line == Line::Static ? staticDialer : dynamicDialer; }
};

}  // namespace rv
