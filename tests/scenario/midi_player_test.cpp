#include "supervision/midi_player.h"

#include <gtest/gtest.h>

#include "platform/sim/scheduler.h"
#include "platform/sim/sim_midi.h"
#include "supervision/alarm.h"

namespace rv {
namespace {

using Call = sim::SimMidi::Call;

std::string Smf(const std::string& events) {
  std::string track = events + std::string("\x00\xFF\x2F\x00", 4);
  std::string out("MThd\0\0\0\x06\0\0\0\x01\x01\xE0MTrk", 18);
  for (int i = 3; i >= 0; --i) out += static_cast<char>(track.size() >> (8 * i) & 0xFF);
  return out + track;
}

// Two notes of a quarter each (500 ms at the default tempo): one pass lasts 1 s.
const std::string kTwoNotes = Smf(std::string("\x00\x90\x3C\x64\x83\x60\x80\x3C\x00\x00\x90\x3E\x64\x83\x60\x80\x3E\x00", 18));

class MidiPlayerTest : public testing::Test {
 protected:
  MidiPlayerTest() {
    app.platform.runtime = &sched;
    app.platform.midi = &midi;
  }
  ~MidiPlayerTest() override { sched.Shutdown(); }
  std::vector<Call> Messages() {
    std::vector<Call> out;
    for (const Call& c : midi.Calls())
      if (c.kind == Call::kMessage) out.push_back(c);
    return out;
  }
  sim::Scheduler sched;
  sim::SimMidi midi{sched};
  App app;
  MidiPlayer player{app};
};

TEST_F(MidiPlayerTest, PlaysTheEventsAtTheirTimesTheGivenNumberOfTimes) {
  ASSERT_TRUE(player.Play(kTwoNotes, 2, 250));
  sched.RunFor(5000);
  const std::vector<Call> m = Messages();
  ASSERT_EQ(m.size(), 8u);
  const int64_t times[] = {0, 500, 500, 1000, 1250, 1750, 1750, 2250};
  for (size_t i = 0; i < m.size(); ++i) EXPECT_EQ(m[i].atMs, times[i]) << i;
  EXPECT_EQ(m[0].message, 0x643C90u);
  EXPECT_FALSE(midi.IsOpen());
  EXPECT_FALSE(player.Playing());
  EXPECT_EQ(sched.LiveProgramThreads(), 0);
}

TEST_F(MidiPlayerTest, EndlessPlayGoesOnUntilStopAndThenEndsWithinOneSlice) {
  ASSERT_TRUE(player.Play(kTwoNotes, MidiPlayer::kEndless));
  sched.RunFor(60000);
  EXPECT_EQ(Messages().size(), 4u * 60 + 1);  // the 61st pass begins at 60 s
  EXPECT_TRUE(player.Playing());
  player.Stop();
  const std::vector<Call> calls = midi.Calls();
  EXPECT_EQ(calls[calls.size() - 2].kind, Call::kReset);
  EXPECT_EQ(calls.back().kind, Call::kClose);
  sched.RunFor(MidiPlayer::kSliceMs);
  EXPECT_EQ(sched.LiveProgramThreads(), 0);
  EXPECT_EQ(midi.Calls().size(), calls.size());
}

TEST_F(MidiPlayerTest, ANewPlayReplacesTheOldOne) {
  ASSERT_TRUE(player.Play(kTwoNotes, MidiPlayer::kEndless));
  sched.RunFor(600);
  ASSERT_TRUE(player.Play(AlarmTune(), 1));
  sched.RunFor(200);
  EXPECT_EQ(sched.LiveProgramThreads(), 1);
  player.Stop();
  sched.RunFor(100);
  EXPECT_EQ(sched.LiveProgramThreads(), 0);
  int opens = 0;
  for (const Call& c : midi.Calls()) opens += c.kind == Call::kOpen;
  EXPECT_EQ(opens, 1);
}

TEST_F(MidiPlayerTest, RefusesBytesThatAreNoTuneAndADeviceThatWillNotOpen) {
  EXPECT_FALSE(player.Play("not a midi file", MidiPlayer::kEndless));
  midi.FailOpen(true);
  EXPECT_FALSE(player.Play(kTwoNotes, 1));
  EXPECT_FALSE(player.Playing());
  sched.RunFor(1000);
  EXPECT_TRUE(midi.Calls().empty());
  EXPECT_EQ(sched.LiveProgramThreads(), 0);
}

TEST_F(MidiPlayerTest, AnEndlessTuneWithoutEventsStillLetsTimePass) {
  ASSERT_TRUE(player.Play(Smf(""), MidiPlayer::kEndless));
  sched.RunFor(10000);
  EXPECT_EQ(sched.NowMs(), 10000);
  player.Stop();
  sched.RunFor(100);
  EXPECT_EQ(sched.LiveProgramThreads(), 0);
}

}  // namespace
}  // namespace rv
