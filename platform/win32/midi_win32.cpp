#include "platform/win32/midi_win32.h"

#include <windows.h>
#include <mmsystem.h>

namespace rv::win32 {

bool MidiWin32::Open() {
  if (handle_) return true;
  HMIDIOUT h = nullptr;
  if (midiOutOpen(&h, MIDI_MAPPER, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) return false;
  handle_ = h;
  return true;
}

void MidiWin32::ShortMessage(uint32_t message) {
  if (handle_) midiOutShortMsg(static_cast<HMIDIOUT>(handle_), message);
}

void MidiWin32::Reset() {
  if (handle_) midiOutReset(static_cast<HMIDIOUT>(handle_));
}

void MidiWin32::Close() {
  if (!handle_) return;
  midiOutReset(static_cast<HMIDIOUT>(handle_));
  midiOutClose(static_cast<HMIDIOUT>(handle_));
  handle_ = nullptr;
}

}  // namespace rv::win32
