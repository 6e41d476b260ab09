#include "supervision/smf_reader.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

#include "supervision/alarm.h"

namespace rv {
namespace {

std::string Vlq(uint32_t n) {
  std::string out(1, static_cast<char>(n & 0x7F));
  while (n >>= 7) out.insert(out.begin(), static_cast<char>(0x80 | (n & 0x7F)));
  return out;
}

std::string Be(uint32_t v, int width) {
  std::string out;
  for (int i = width - 1; i >= 0; --i) out += static_cast<char>(v >> (8 * i) & 0xFF);
  return out;
}

std::string Bytes(std::initializer_list<int> b) {
  std::string out;
  for (int x : b) out += static_cast<char>(x);
  return out;
}

std::string Chunk(const char* id, const std::string& body) { return id + Be(static_cast<uint32_t>(body.size()), 4) + body; }
std::string Track(const std::string& events) { return Chunk("MTrk", events + Bytes({0, 0xFF, 0x2F, 0})); }
std::string Smf(int format, int division, std::initializer_list<std::string> tracks) {
  std::string out = Chunk("MThd", Be(format, 2) + Be(static_cast<uint32_t>(tracks.size()), 2) + Be(division, 2));
  for (const std::string& t : tracks) out += t;
  return out;
}
uint32_t Msg(int status, int d1, int d2 = 0) { return status | d1 << 8 | d2 << 16; }

TEST(SmfReader, ConvertsTicksWithTheDefaultTempoAndItsChanges) {
  // 480 ticks per quarter: a quarter lasts 0.5 s until the tempo doubles.
  const std::string smf = Smf(0, 480, {Track(
      Vlq(0) + Bytes({0x90, 60, 100}) +
      Vlq(480) + Bytes({0x80, 60, 0}) +
      Vlq(0) + Bytes({0xFF, 0x51, 3, 0x03, 0xD0, 0x90}) +  // 250,000 us per quarter
      Vlq(480) + Bytes({0x90, 62, 90}))});
  auto seq = ReadSmf(smf);
  ASSERT_TRUE(seq);
  EXPECT_EQ(seq->format, 0);
  EXPECT_EQ(seq->tracks, 1);
  ASSERT_EQ(seq->events.size(), 3u);
  EXPECT_EQ(seq->events[0].timeUs, 0);
  EXPECT_EQ(seq->events[0].message, Msg(0x90, 60, 100));
  EXPECT_EQ(seq->events[1].timeUs, 500000);
  EXPECT_EQ(seq->events[2].timeUs, 750000);
  EXPECT_EQ(seq->events[2].message, Msg(0x90, 62, 90));
  EXPECT_EQ(seq->lengthUs, 750000);
}

TEST(SmfReader, RunningStatusCarriesTheLastChannelStatus) {
  const std::string smf = Smf(0, 96, {Track(
      Vlq(0) + Bytes({0x91, 60, 100}) + Vlq(0) + Bytes({64, 100}) +  // running note-on
      Vlq(0) + Bytes({0xC2, 5}) + Vlq(0) + Bytes({7}) +              // running program change
      Vlq(0) + Bytes({0xE3, 0, 0x40}))});
  auto seq = ReadSmf(smf);
  ASSERT_TRUE(seq);
  ASSERT_EQ(seq->events.size(), 5u);
  EXPECT_EQ(seq->events[1].message, Msg(0x91, 64, 100));
  EXPECT_EQ(seq->events[3].message, Msg(0xC2, 7));
  EXPECT_EQ(seq->events[4].message, Msg(0xE3, 0, 0x40));
}

TEST(SmfReader, SkipsMetaAndSysexEventsAndUnknownChunks) {
  const std::string smf = Smf(1, 480, {
      Chunk("XFIH", "vendor data"),
      Track(Vlq(0) + Bytes({0xFF, 0x03, 4}) + "Lead" +
            Vlq(0) + Bytes({0xF0, 3, 0x7E, 0x7F, 0xF7}) +
            Vlq(10) + Bytes({0xF7, 2, 0x01, 0x02}) +
            Vlq(10) + Bytes({0x90, 60, 100}))});
  auto seq = ReadSmf(smf);
  ASSERT_TRUE(seq);
  ASSERT_EQ(seq->events.size(), 1u);
  EXPECT_EQ(seq->events[0].message, Msg(0x90, 60, 100));
  EXPECT_EQ(seq->events[0].timeUs, 20 * 500000 / 480);
}

TEST(SmfReader, MergesTheTracksOfFormatOneInTimeOrder) {
  const std::string smf = Smf(1, 480, {
      Track(Vlq(480) + Bytes({0xFF, 0x51, 3, 0x0F, 0x42, 0x40})),  // 1 s per quarter from beat 1
      Track(Vlq(0) + Bytes({0x90, 60, 1}) + Vlq(960) + Bytes({0x90, 61, 1})),
      Track(Vlq(480) + Bytes({0x91, 70, 1}))});
  auto seq = ReadSmf(smf);
  ASSERT_TRUE(seq);
  EXPECT_EQ(seq->tracks, 3);
  ASSERT_EQ(seq->events.size(), 3u);
  EXPECT_EQ(seq->events[0].timeUs, 0);
  EXPECT_EQ(seq->events[1].message, Msg(0x91, 70, 1));
  EXPECT_EQ(seq->events[1].timeUs, 500000);
  EXPECT_EQ(seq->events[2].timeUs, 1500000);  // the tempo of track 0 applies to track 1
}

TEST(SmfReader, TimeCodeDivisionIgnoresTempo) {
  // 25 frames per second, 40 ticks per frame: one tick is one millisecond.
  const int division = (0x100 - 25) << 8 | 40;
  const std::string smf = Smf(0, division, {Track(
      Bytes({0, 0xFF, 0x51, 3, 0x0F, 0x42, 0x40}) + Vlq(250) + Bytes({0x90, 60, 1}))});
  auto seq = ReadSmf(smf);
  ASSERT_TRUE(seq);
  ASSERT_EQ(seq->events.size(), 1u);
  EXPECT_EQ(seq->events[0].timeUs, 250000);
}

TEST(SmfReader, RefusesWhatIsNoMidiFile) {
  const std::string good = Smf(0, 480, {Track("")});
  const std::string cases[] = {
      "",
      "MThd",
      "RIFF" + good.substr(4),
      Chunk("MThd", Be(0, 2) + Be(1, 2)) + Track(""),              // header too short
      Chunk("MThd", Be(3, 2) + Be(1, 2) + Be(480, 2)) + Track(""),  // unknown format
      Chunk("MThd", Be(0, 2) + Be(1, 2) + Be(0, 2)) + Track(""),    // no time division
      "MThd" + Be(0xFFFFFFFF, 4) + good.substr(8),                  // header longer than the file
  };
  for (const std::string& bytes : cases) EXPECT_FALSE(ReadSmf(bytes)) << testing::PrintToString(bytes);
  EXPECT_TRUE(ReadSmf(good));
}

TEST(SmfReader, AMalformedTrackEndsAtItsLastGoodEvent) {
  const std::string good = Vlq(0) + Bytes({0x90, 60, 100});
  const struct {
    const char* what;
    std::string events;
  } cases[] = {
      {"running status without a status", Vlq(0) + Bytes({60, 100})},
      {"a data byte with its top bit set", good + Vlq(0) + Bytes({0x90, 0x85, 1})},
      {"a delta time longer than four bytes", good + Bytes({0x81, 0x81, 0x81, 0x81, 0x01})},
      {"a meta length past the end", good + Vlq(0) + Bytes({0xFF, 0x01}) + Vlq(1000) + "abc"},
      {"a sysex length past the end", good + Vlq(0) + Bytes({0xF0}) + Vlq(0x0FFFFFFF)},
      {"a system message in a file", good + Vlq(0) + Bytes({0xF8})},
      {"a message cut short", good + Vlq(0) + Bytes({0x90, 61})},
  };
  for (const auto& c : cases) {
    auto seq = ReadSmf(Smf(0, 480, {Chunk("MTrk", c.events)}));
    ASSERT_TRUE(seq) << c.what;
    const size_t expected = c.events.substr(0, good.size()) == good ? 1u : 0u;
    EXPECT_EQ(seq->events.size(), expected) << c.what;
  }
}

TEST(SmfReader, HugeDeltaTimesStayWithinTheTimeLimit) {
  std::string events;
  for (int i = 0; i < 200; ++i) events += Vlq(0x0FFFFFFF) + Bytes({0xFF, 0x51, 3, 0xFF, 0xFF, 0xFF});
  events += Vlq(0x0FFFFFFF) + Bytes({0x90, 60, 1});
  auto seq = ReadSmf(Smf(0, 1, {Track(events)}));
  ASSERT_TRUE(seq);
  ASSERT_EQ(seq->events.size(), 1u);
  EXPECT_GT(seq->events[0].timeUs, 0);
  EXPECT_LE(seq->events[0].timeUs, kMaxMidiTimeUs);
  EXPECT_LE(seq->lengthUs, kMaxMidiTimeUs);
}

TEST(SmfReader, ATrackChunkLongerThanTheFileKeepsWhatIsThere) {
  std::string smf = Smf(0, 480, {Track(Vlq(0) + Bytes({0x90, 60, 100}) + Vlq(0) + Bytes({0x90, 62, 100}))});
  smf.replace(18, 4, Be(0x7FFFFFFF, 4));  // the track's length field
  auto seq = ReadSmf(smf);
  ASSERT_TRUE(seq);
  EXPECT_EQ(seq->events.size(), 2u);
}

TEST(SmfReader, EveryCutAndEveryDamagedByteOfTheAlarmTuneIsReadSafely) {
  const std::string tune(AlarmTune());
  ASSERT_FALSE(tune.empty());
  const size_t full = ReadSmf(tune)->events.size();
  for (size_t n = 0; n <= tune.size(); n += 7) {
    auto seq = ReadSmf(tune.substr(0, n));
    if (seq) {
      EXPECT_LE(seq->events.size(), full);
    }
  }
  std::mt19937 random(1234);
  for (int round = 0; round < 3000; ++round) {
    std::string damaged = tune;
    const int flips = 1 + static_cast<int>(random() % 8);
    for (int i = 0; i < flips; ++i) damaged[random() % damaged.size()] = static_cast<char>(random());
    auto seq = ReadSmf(damaged);
    if (!seq) continue;
    EXPECT_LE(seq->events.size(), kMaxMidiEvents);
    for (size_t i = 1; i < seq->events.size(); ++i)
      ASSERT_LE(seq->events[i - 1].timeUs, seq->events[i].timeUs);
  }
}

TEST(AlarmTune, IsAFormatOneFileOfFiveTracksAt480TicksPerQuarter) {
  const std::string tune(AlarmTune());
  auto seq = ReadSmf(tune);
  ASSERT_TRUE(seq);
  EXPECT_EQ(seq->format, 1);
  EXPECT_EQ(seq->tracks, 5);
  EXPECT_EQ(seq->division, 480);
  // Every note that starts also ends, on the four channels of its parts.
  std::map<uint32_t, int> sounding;
  std::map<int, int> notesPerChannel;
  for (const MidiEvent& e : seq->events) {
    const uint32_t kind = e.message & 0xF0, channel = e.message & 0x0F, key = e.message >> 8 & 0x7F;
    const bool on = kind == 0x90 && (e.message >> 16 & 0x7F) > 0;
    const bool off = kind == 0x80 || (kind == 0x90 && !on);
    if (on) ++sounding[channel << 8 | key], ++notesPerChannel[static_cast<int>(channel)];
    if (off) --sounding[channel << 8 | key];
  }
  for (auto& [note, n] : sounding) EXPECT_EQ(n, 0) << note;
  EXPECT_EQ(notesPerChannel.size(), 4u);
  EXPECT_GT(seq->lengthUs, 10'000'000);
  EXPECT_LT(seq->lengthUs, 60'000'000);
}

}  // namespace
}  // namespace rv
