#pragma once
// Plays a Standard MIDI File held in memory through the MIDI output device:
// N times or endlessly, on a worker of its own, until told to stop.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string_view>

#include "app/app.h"
#include "supervision/smf_reader.h"

namespace rv {

class MidiPlayer {
 public:
  static constexpr int kEndless = -1;
  // Longest single wait of the player, so that Stop takes effect soon.
  static constexpr int64_t kSliceMs = 50;

  explicit MidiPlayer(App& app) : app_(app) {}

  // Replaces whatever plays. `times` repeats (kEndless = until Stop), with
  // `gapMs` between them. False when the bytes are not a MIDI file or the
  // device cannot be opened.
  bool Play(std::string_view smf, int times, int64_t gapMs = 0);
  // Silences the device at once; the worker ends at its next wait.
  void Stop();
  bool Playing();

 private:
  void Run(uint64_t generation, const MidiSequence& seq, int times, int64_t gapMs);
  // Waits until `targetMs`, in slices; false when this run was superseded.
  bool WaitUntil(uint64_t generation, int64_t targetMs);
  bool Current(uint64_t generation) const { return generation_.load() == generation; }

  App& app_;
  std::mutex device_;  // guards the device calls and open_; never held across a wait
  bool open_ = false;
  std::atomic<uint64_t> generation_{0};
};

}  // namespace rv
