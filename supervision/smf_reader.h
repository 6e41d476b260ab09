#pragma once
// A reader of Standard MIDI Files: turns the tracks into one list of channel
// messages with their times. Every read is bounded by the bytes given; a
// track that turns malformed ends at its last good event.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace rv {

struct MidiEvent {
  int64_t timeUs;    // from the start of the sequence
  uint32_t message;  // status | data1 << 8 | data2 << 16
};

struct MidiSequence {
  int format = 0;
  int tracks = 0;  // track chunks read
  int division = 0;
  std::vector<MidiEvent> events;  // in time order
  int64_t lengthUs = 0;           // time of the last track end
};

// Limits that keep a hostile file from costing unbounded memory or time.
inline constexpr size_t kMaxMidiEvents = 1 << 20;
inline constexpr int64_t kMaxMidiTimeUs = int64_t{1} << 50;  // about 35 years

// nullopt when the bytes are not a Standard MIDI File (no header, a header
// too short, an unknown format or a zero time division).
std::optional<MidiSequence> ReadSmf(std::string_view bytes);

}  // namespace rv
