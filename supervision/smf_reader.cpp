#include "supervision/smf_reader.h"

#include <algorithm>

namespace rv {

namespace {

// A bounded cursor over the bytes of one chunk.
class Cursor {
 public:
  explicit Cursor(std::string_view bytes) : bytes_(bytes) {}
  bool AtEnd() const { return pos_ >= bytes_.size(); }
  size_t Left() const { return bytes_.size() - pos_; }
  bool Byte(uint8_t& out) {
    if (AtEnd()) return false;
    out = static_cast<uint8_t>(bytes_[pos_++]);
    return true;
  }
  bool Skip(uint64_t n) {
    if (n > Left()) return false;
    pos_ += static_cast<size_t>(n);
    return true;
  }
  std::string_view Take(size_t n) {
    n = std::min(n, Left());
    std::string_view s = bytes_.substr(pos_, n);
    pos_ += n;
    return s;
  }
  uint32_t Be(int width) {  // big-endian number; the caller checked Left()
    uint32_t v = 0;
    for (int i = 0; i < width; ++i) v = v << 8 | static_cast<uint8_t>(bytes_[pos_++]);
    return v;
  }
  // A variable-length quantity of at most four bytes.
  bool Vlq(uint32_t& out) {
    out = 0;
    for (int i = 0; i < 4; ++i) {
      uint8_t b;
      if (!Byte(b)) return false;
      out = out << 7 | (b & 0x7F);
      if (!(b & 0x80)) return true;
    }
    return false;
  }

 private:
  std::string_view bytes_;
  size_t pos_ = 0;
};

struct TickEvent {
  uint64_t tick;
  uint32_t message;  // 0 for a tempo change
  uint32_t tempo;    // microseconds per quarter note
};

constexpr uint64_t kMaxTick = uint64_t{1} << 60;

int DataBytes(uint8_t status) {
  const uint8_t kind = status & 0xF0;
  return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

// Reads one track into `out`, starting at tick `base`; returns the tick of
// its end (its last event when the end-of-track event is missing).
uint64_t ReadTrack(std::string_view chunk, uint64_t base, std::vector<TickEvent>& out) {
  Cursor c(chunk);
  uint64_t tick = base;
  uint8_t running = 0;
  while (!c.AtEnd() && out.size() < kMaxMidiEvents) {
    uint32_t delta;
    if (!c.Vlq(delta)) break;
    tick = std::min(tick + delta, kMaxTick);
    uint8_t status;
    if (!c.Byte(status)) break;
    if (status == 0xFF) {  // meta event
      uint8_t type;
      uint32_t length;
      if (!c.Byte(type) || !c.Vlq(length) || length > c.Left()) break;
      std::string_view data = c.Take(length);
      running = 0;
      if (type == 0x2F) break;
      if (type == 0x51 && length >= 3) {
        uint32_t tempo = static_cast<uint8_t>(data[0]) << 16 | static_cast<uint8_t>(data[1]) << 8 |
                         static_cast<uint8_t>(data[2]);
        if (tempo > 0) out.push_back({tick, 0, tempo});
      }
      continue;
    }
    if (status == 0xF0 || status == 0xF7) {  // system exclusive: skipped
      uint32_t length;
      if (!c.Vlq(length) || !c.Skip(length)) break;
      running = 0;
      continue;
    }
    if (status > 0xF0) break;  // no other system message belongs in a file
    uint8_t data[2] = {0, 0};
    int have = 0;
    if (status < 0x80) {  // running status: this byte is the first data byte
      if (!running) break;
      data[have++] = status;
      status = running;
    }
    const int need = DataBytes(status);
    bool good = true;
    for (; have < need; ++have) good = good && c.Byte(data[have]);
    if (!good || data[0] >= 0x80 || data[1] >= 0x80) break;
    running = status;
    out.push_back({tick, static_cast<uint32_t>(status) | data[0] << 8 | data[1] << 16, 0});
  }
  return tick;
}

}  // namespace

std::optional<MidiSequence> ReadSmf(std::string_view bytes) {
  Cursor file(bytes);
  if (file.Left() < 14 || file.Take(4) != "MThd") return std::nullopt;
  const uint32_t headerLength = file.Be(4);
  if (headerLength < 6 || headerLength > file.Left()) return std::nullopt;
  MidiSequence seq;
  seq.format = static_cast<int>(file.Be(2));
  const uint32_t declaredTracks = file.Be(2);
  seq.division = static_cast<int>(file.Be(2));
  file.Skip(headerLength - 6);
  if (seq.format > 2 || seq.division == 0) return std::nullopt;

  std::vector<TickEvent> events;
  uint64_t end = 0;
  while (static_cast<uint32_t>(seq.tracks) < declaredTracks && file.Left() >= 8) {
    const std::string_view id = file.Take(4);
    const uint32_t length = file.Be(4);
    const std::string_view chunk = file.Take(length);  // a cut file keeps what is there
    if (id != "MTrk") continue;
    ++seq.tracks;
    // Format 2 holds independent patterns: each follows the one before.
    const uint64_t trackEnd = ReadTrack(chunk, seq.format == 2 ? end : 0, events);
    end = std::max(end, trackEnd);
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const TickEvent& a, const TickEvent& b) { return a.tick < b.tick; });

  // Ticks to microseconds: by the tempo map with a metrical division, at a
  // fixed rate with a time-code division (frames per second × ticks per frame).
  const bool smpte = seq.division & 0x8000;
  double usPerTick;
  if (smpte) {
    const int fps = -static_cast<int8_t>(seq.division >> 8);
    const int perFrame = seq.division & 0xFF;
    if (fps <= 0 || perFrame == 0) return std::nullopt;
    usPerTick = 1e6 / (fps * perFrame);
  } else {
    usPerTick = 500000.0 / seq.division;
  }
  double segmentUs = 0;
  uint64_t segmentTick = 0;
  auto timeOf = [&](uint64_t tick) {
    double us = segmentUs + static_cast<double>(tick - segmentTick) * usPerTick;
    return static_cast<int64_t>(std::min(us, static_cast<double>(kMaxMidiTimeUs)));
  };
  seq.events.reserve(events.size());
  for (const TickEvent& e : events) {
    if (e.message) {
      seq.events.push_back({timeOf(e.tick), e.message});
    } else if (!smpte) {
      segmentUs = static_cast<double>(timeOf(e.tick));
      segmentTick = e.tick;
      usPerTick = static_cast<double>(e.tempo) / seq.division;
    }
  }
  seq.lengthUs = timeOf(std::max(end, segmentTick));
  return seq;
}

}  // namespace rv
