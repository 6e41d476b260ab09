#include "platform/sim/sim_midi.h"

namespace rv::sim {

void SimMidi::Record(Call::Kind kind, uint32_t message) {
  const int64_t now = runtime_.NowMs();
  std::lock_guard<std::mutex> lock(mutex_);
  calls_.push_back({kind, now, message});
  if (kind == Call::kOpen) open_ = true;
  if (kind == Call::kClose) open_ = false;
}

bool SimMidi::Open() {
  if (failOpen_) return false;
  Record(Call::kOpen, 0);
  return true;
}

void SimMidi::ShortMessage(uint32_t message) { Record(Call::kMessage, message); }
void SimMidi::Reset() { Record(Call::kReset, 0); }
void SimMidi::Close() { Record(Call::kClose, 0); }

std::vector<SimMidi::Call> SimMidi::Calls() {
  std::lock_guard<std::mutex> lock(mutex_);
  return calls_;
}

size_t SimMidi::MessageCount() {
  std::lock_guard<std::mutex> lock(mutex_);
  size_t n = 0;
  for (const Call& c : calls_) n += c.kind == Call::kMessage;
  return n;
}

bool SimMidi::IsOpen() {
  std::lock_guard<std::mutex> lock(mutex_);
  return open_;
}

}  // namespace rv::sim
