#pragma once
// MIDI output for the simulated platform: records every call with the
// virtual time it was made at.
#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/midi.h"
#include "platform/runtime.h"

namespace rv::sim {

class SimMidi final : public MidiOutApi {
 public:
  struct Call {
    enum Kind { kOpen, kMessage, kReset, kClose } kind;
    int64_t atMs;
    uint32_t message;
  };

  explicit SimMidi(Runtime& runtime) : runtime_(runtime) {}

  bool Open() override;
  void ShortMessage(uint32_t message) override;
  void Reset() override;
  void Close() override;

  std::vector<Call> Calls();
  // Messages sent since the device was last opened or the log was cleared.
  size_t MessageCount();
  bool IsOpen();
  void FailOpen(bool fail) { failOpen_ = fail; }

 private:
  void Record(Call::Kind kind, uint32_t message);
  Runtime& runtime_;
  std::mutex mutex_;
  std::vector<Call> calls_;
  bool open_ = false;
  bool failOpen_ = false;
};

}  // namespace rv::sim
