// The simulated service answers the record calls as the real one does.
#include "platform/sim/sim_ras.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "platform/sim/scheduler.h"
#include "vpn/ras_records.h"

namespace rv::sim {
namespace {

class SimRasTest : public ::testing::Test {
 protected:
  Scheduler sched;
  SimRas ras{sched};
};

TEST_F(SimRasTest, ListsConnectionsInEitherRecordLayout) {
  const RasHandle a = ras.AddForeignConnection("甲");
  const RasHandle b = ras.AddForeignConnection("乙");
  for (const ras::ConnectionLayout* layout : {&ras::kConnection32, &ras::kConnection64}) {
    SCOPED_TRACE(layout->size);
    ras::Record buffer = ras::ConnectionBuffer(*layout, 10);
    uint32_t bytes = static_cast<uint32_t>(buffer.size()), count = 0;
    ASSERT_EQ(ras.EnumConnections(buffer.data(), &bytes, &count), 0u);
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(bytes, 2 * layout->size);
    EXPECT_EQ(ras::ReadConnection(*layout, buffer.data(), 0).handle, a);
    EXPECT_EQ(ras::ReadConnection(*layout, buffer.data(), 1).handle, b);
    EXPECT_EQ(ras::ReadConnection(*layout, buffer.data(), 1).entryName, "\xD2\xD2");  // 乙
  }
}

TEST_F(SimRasTest, TooSmallBufferAnswersTheSizeItNeedsAndWritesNothing) {
  for (int i = 0; i < 11; ++i) ras.AddForeignConnection("c" + std::to_string(i));
  ras::Record buffer = ras::ConnectionBuffer(ras::kConnection32, 10);
  const ras::Record before = buffer;
  uint32_t bytes = static_cast<uint32_t>(buffer.size()), count = 0;
  EXPECT_EQ(ras.EnumConnections(buffer.data(), &bytes, &count), kRasErrorBufferTooSmall);
  EXPECT_EQ(bytes, 11u * 412u);
  EXPECT_EQ(count, 11u);
  EXPECT_EQ(buffer, before);
}

TEST_F(SimRasTest, RecordsOfAnUnknownSizeAreRefused) {
  ras::Record connections(4120, 0);
  ras::PutU32(connections.data(), 0, 400);
  uint32_t bytes = 4120, count = 0;
  EXPECT_EQ(ras.EnumConnections(connections.data(), &bytes, &count), kErrorInvalidSize);

  ras::Record entry = ras::BuildEntryRecord("h", 1);
  EXPECT_EQ(ras.SetEntryProperties("c:\\pptp.pbk", "e", entry.data(), 2000), kErrorInvalidSize);
  ras::PutU32(entry.data(), 0, 1000);
  EXPECT_EQ(ras.SetEntryProperties("c:\\pptp.pbk", "e", entry.data(), ras::kEntrySize),
            kErrorInvalidSize);
  EXPECT_FALSE(ras.Entry("e"));
}

TEST_F(SimRasTest, CredentialsNeedAnExistingEntry) {
  ras::Record credentials = ras::BuildCredentialsRecord("u", "p");
  EXPECT_EQ(ras.SetCredentials("c:\\pptp.pbk", "e", credentials.data(), false),
            kErrorCannotOpenPhonebook);
  ras::Record entry = ras::BuildEntryRecord("h", 1);
  ASSERT_EQ(ras.SetEntryProperties("c:\\pptp.pbk", "e", entry.data(), ras::kEntrySize), 0u);
  EXPECT_EQ(ras.SetCredentials("c:\\pptp.pbk", "other", credentials.data(), false),
            kErrorCannotFindEntry);
  EXPECT_EQ(ras.SetCredentials("c:\\pptp.pbk", "e", credentials.data(), false), 0u);
  EXPECT_EQ(ras.Credentials("e")->userName, "u");
  EXPECT_EQ(ras.SetCredentials("c:\\pptp.pbk", "e", credentials.data(), true), 0u);
  EXPECT_FALSE(ras.Credentials("e"));
}

TEST_F(SimRasTest, ErrorStringsAreGbkAndBounded) {
  char buffer[100];
  std::memset(buffer, ' ', sizeof buffer);
  ASSERT_EQ(ras.GetErrorString(691, buffer, sizeof buffer), 0u);
  EXPECT_EQ(std::string(buffer), Utf8ToGbkBytes(SimRas::ErrorText(691)));
  // A message that does not fit leaves the buffer as it was.
  std::memset(buffer, ' ', sizeof buffer);
  EXPECT_EQ(ras.GetErrorString(806, buffer, sizeof buffer), kErrorInsufficientBuffer);
  EXPECT_EQ(std::string(buffer, sizeof buffer), std::string(100, ' '));
  EXPECT_EQ(ras.GetErrorString(1, buffer, sizeof buffer), kErrorInvalidParameter);
}

TEST_F(SimRasTest, EveryScenarioCodeHasAMessage) {
  for (uint32_t code : {619u, 623u, 628u, 629u, 633u, 678u, 691u, 720u, 721u, 756u, 800u, 806u,
                        807u, 809u, 868u})
    EXPECT_FALSE(SimRas::ErrorText(code).empty()) << code;
}

TEST_F(SimRasTest, DialOfAnUnknownEntryFailsAtOnceWithoutAHandle) {
  ras::Record params = ras::BuildDialParams("missing", "u", "p");
  RasHandle handle = 99;
  EXPECT_EQ(ras.Dial("c:\\pptp.pbk", params.data(), ras::kDialParamsSize, nullptr, &handle),
            kErrorCannotOpenPhonebook);
  EXPECT_EQ(handle, 0u);
  ras::Record entry = ras::BuildEntryRecord("h", 1);
  ASSERT_EQ(ras.SetEntryProperties("c:\\pptp.pbk", "other", entry.data(), ras::kEntrySize), 0u);
  EXPECT_EQ(ras.Dial("c:\\pptp.pbk", params.data(), ras::kDialParamsSize, nullptr, &handle),
            kErrorCannotFindEntry);
  EXPECT_TRUE(ras.OpenHandles().empty());
}

TEST_F(SimRasTest, ScriptsRunOnAServiceThreadAndAHangUpEndsThem) {
  ras::Record entry = ras::BuildEntryRecord("slow.example.test", 1);
  ASSERT_EQ(ras.SetEntryProperties("c:\\pptp.pbk", "e", entry.data(), ras::kEntrySize), 0u);
  ras.SetScript("slow.example.test", DialScript::Connects(1000));
  std::vector<uint32_t> states;
  ras::Record params = ras::BuildDialParams("e", "u", "p");
  RasHandle handle = 0;
  ASSERT_EQ(ras.Dial("c:\\pptp.pbk", params.data(), ras::kDialParamsSize,
                     [&](uint32_t msg, uint32_t state, uint32_t error) {
                       EXPECT_EQ(msg, kDialEventMessage);
                       states.push_back(state);
                     },
                     &handle),
            0u);
  EXPECT_TRUE(states.empty());  // nothing is reported on the dialing thread
  sched.RunFor(2500);
  EXPECT_EQ(states, (std::vector<uint32_t>{0, 1}));
  EXPECT_EQ(ras.HangUp(handle), 0u);
  sched.RunFor(20000);
  EXPECT_EQ(states.size(), 2u);
  EXPECT_EQ(ras.HangUp(handle), kErrorInvalidHandle);
  EXPECT_EQ(ras.HangUps(), (std::vector<RasHandle>{handle, handle}));
}

TEST_F(SimRasTest, ScriptForAServerWithAPortFallsBackToTheHost) {
  ras::Record entry = ras::BuildEntryRecord("sstp.example.test:4430", 5);
  ASSERT_EQ(ras.SetEntryProperties("c:\\pptp.pbk", "e", entry.data(), ras::kEntrySize), 0u);
  ras.SetScript("sstp.example.test", DialScript::RefusedAtOnce(809));
  ras::Record params = ras::BuildDialParams("e", "u", "p");
  RasHandle handle = 0;
  EXPECT_EQ(ras.Dial("c:\\pptp.pbk", params.data(), ras::kDialParamsSize, nullptr, &handle), 809u);
}

}  // namespace
}  // namespace rv::sim
