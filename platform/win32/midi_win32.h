#pragma once
// MIDI output through the MIDI mapper of the Windows multimedia calls.
#include <cstdint>

#include "platform/midi.h"

namespace rv::win32 {

class MidiWin32 final : public MidiOutApi {
 public:
  ~MidiWin32() override { Close(); }
  bool Open() override;
  void ShortMessage(uint32_t message) override;
  void Reset() override;
  void Close() override;

 private:
  void* handle_ = nullptr;  // HMIDIOUT
};

}  // namespace rv::win32
