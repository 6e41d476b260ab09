#pragma once
// The MIDI output device, as thin as the real calls.
#include <cstdint>

namespace rv {

class MidiOutApi {
 public:
  virtual ~MidiOutApi() = default;
  // Opens the default output (the MIDI mapper). False when there is none.
  virtual bool Open() = 0;
  // One channel message packed as status | data1 << 8 | data2 << 16.
  virtual void ShortMessage(uint32_t message) = 0;
  // Silences every note on every channel.
  virtual void Reset() = 0;
  virtual void Close() = 0;
};

}  // namespace rv
