#include "supervision/midi_player.h"

#include <algorithm>
#include <memory>

#include "platform/midi.h"
#include "vpn/vpn.h"

namespace rv {

namespace {
// An endless tune that takes no time must still give the other threads a turn.
constexpr int64_t kShortestPassMs = 100;
}  // namespace

bool MidiPlayer::Play(std::string_view smf, int times, int64_t gapMs) {
  std::optional<MidiSequence> seq = ReadSmf(smf);
  if (!seq || times == 0) return false;
  uint64_t generation;
  {
    std::lock_guard<std::mutex> lock(device_);
    generation = ++generation_;
    if (open_) app_.platform.midi->Reset();
    if (!open_) open_ = app_.platform.midi->Open();
    if (!open_) return false;
  }
  auto shared = std::make_shared<MidiSequence>(std::move(*seq));
  app_.StartWorker([this, generation, shared, times, gapMs] { Run(generation, *shared, times, gapMs); });
  return true;
}

void MidiPlayer::Stop() {
  std::lock_guard<std::mutex> lock(device_);
  ++generation_;
  if (!open_) return;
  app_.platform.midi->Reset();
  app_.platform.midi->Close();
  open_ = false;
}

bool MidiPlayer::Playing() {
  std::lock_guard<std::mutex> lock(device_);
  return open_;
}

bool MidiPlayer::WaitUntil(uint64_t generation, int64_t targetMs) {
  for (;;) {
    if (!Current(generation)) return false;
    const int64_t left = targetMs - app_.rt().NowMs();
    if (left <= 0) return true;
    PumpingWait(app_, std::min(left, kSliceMs));
  }
}

void MidiPlayer::Run(uint64_t generation, const MidiSequence& seq, int times, int64_t gapMs) {
  const int64_t passMs = std::max<int64_t>(seq.lengthUs / 1000, kShortestPassMs);
  int64_t start = app_.rt().NowMs();
  for (int pass = 0; times == kEndless || pass < times; ++pass) {
    // Times are taken from the start of the pass, so waits do not drift.
    for (const MidiEvent& e : seq.events) {
      if (!WaitUntil(generation, start + e.timeUs / 1000)) return;
      std::lock_guard<std::mutex> lock(device_);
      if (!Current(generation)) return;
      app_.platform.midi->ShortMessage(e.message);
    }
    if (!WaitUntil(generation, start + passMs)) return;
    {
      std::lock_guard<std::mutex> lock(device_);
      if (!Current(generation)) return;
      app_.platform.midi->Reset();  // no note hangs over into the next pass
    }
    start += passMs;
    if (gapMs > 0) {
      if (!WaitUntil(generation, start + gapMs)) return;
      start += gapMs;
    }
  }
  std::lock_guard<std::mutex> lock(device_);
  if (!Current(generation) || !open_) return;
  app_.platform.midi->Reset();
  app_.platform.midi->Close();
  open_ = false;
}

}  // namespace rv
