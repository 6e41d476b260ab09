// The phonebook entry and its credentials, and the default-phonebook listing,
// against the simulated Remote Access Service.
#include <gtest/gtest.h>

#include <string>

#include "app/connection_title.h"
#include "support/world.h"
#include "vpn/ras_records.h"
#include "vpn/vpn.h"

namespace rv {
namespace {

class EntryTest : public ::testing::Test {
 protected:
  bool Write(const std::string& entry, const std::string& user, const std::string& password,
             const std::string& server = "vpn.example.test", int32_t protocol = kPptp) {
    return WriteVpnEntry(w.app, entry, user, password, server, protocol);
  }
  test::World w;
};

TEST_F(EntryTest, WritesEntryAndCredentialsIntoThePrivatePhonebook) {
  EXPECT_TRUE(Write(EntryName("1"), "用户甲", "pw"));
  auto entry = w.ras.Entry(EntryName("1"));
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->phonebook, "c:\\pptp.pbk");
  EXPECT_EQ(entry->server, "vpn.example.test");
  EXPECT_EQ(entry->vpnStrategy, 1u);
  EXPECT_EQ(entry->record, ras::BuildEntryRecord("vpn.example.test", kPptp));
  auto credentials = w.ras.Credentials(EntryName("1"));
  ASSERT_TRUE(credentials);
  EXPECT_EQ(credentials->userName, "用户甲");
  EXPECT_EQ(credentials->password, "pw");
  EXPECT_TRUE(w.ras.DefaultEntries().empty());
}

TEST_F(EntryTest, EmptyNameWritesTheDefaultEntryName) {
  EXPECT_TRUE(Write("", "u", "p"));
  EXPECT_TRUE(w.ras.Entry("虚拟专用网络连接"));
  EXPECT_TRUE(w.ras.Credentials("虚拟专用网络连接"));
}

class MissingAccountPart : public EntryTest,
                           public ::testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(MissingAccountPart, WritesTheEntryAndLeavesStoredCredentials) {
  ASSERT_TRUE(Write("连接A", "old-user", "old-pw"));
  EXPECT_TRUE(Write("连接A", GetParam().first, GetParam().second, "10.0.0.2"));
  EXPECT_EQ(w.ras.Entry("连接A")->server, "10.0.0.2");
  EXPECT_EQ(w.ras.Credentials("连接A")->userName, "old-user");
  EXPECT_EQ(w.ras.Credentials("连接A")->password, "old-pw");
}

INSTANTIATE_TEST_SUITE_P(Accounts, MissingAccountPart,
                         ::testing::Values(std::pair{"", "pw"}, std::pair{"user", ""},
                                           std::pair{"", ""}));

TEST_F(EntryTest, SecondWriteOverwritesServerAndProtocol) {
  ASSERT_TRUE(Write("连接B", "u", "p", "first.example.test", kPptp));
  ASSERT_TRUE(Write("连接B", "u", "p", "second.example.test:4430", kSstp));
  auto entry = w.ras.Entry("连接B");
  EXPECT_EQ(entry->server, "second.example.test:4430");
  EXPECT_EQ(entry->vpnStrategy, 5u);
  EXPECT_EQ(entry->writes, 2);
}

TEST_F(EntryTest, DeviceIsTheSameForEveryProtocol) {
  for (int32_t protocol : {kPptp, kL2tp, kSstp}) {
    ASSERT_TRUE(Write("连接C", "u", "p", "h", protocol));
    auto entry = w.ras.Entry("连接C");
    EXPECT_EQ(entry->vpnStrategy, static_cast<uint32_t>(protocol));
    EXPECT_EQ(entry->deviceType, "vpn");
    EXPECT_EQ(entry->deviceName, "WAN 微型端口 (L2TP)");
  }
}

TEST_F(EntryTest, StoredDomainIsAlwaysEmptied) {
  ASSERT_TRUE(Write("连接D", "u", "p"));
  ras::Record withDomain = ras::BuildCredentialsRecord("u", "p");
  ras::PutText(withDomain.data(), ras::credentials::kDomain, ras::credentials::kDomainLen, "CORP");
  ASSERT_EQ(w.ras.SetCredentials("c:\\pptp.pbk", ras::EntryNameBytes("连接D"), withDomain.data(), false), 0u);
  ASSERT_EQ(w.ras.Credentials("连接D")->domain, "CORP");

  EXPECT_TRUE(Write("连接D", "u2", "p2"));
  EXPECT_EQ(w.ras.Credentials("连接D")->domain, "");
  EXPECT_TRUE(w.ras.Credentials("连接D")->hasDomain);
}

TEST_F(EntryTest, FailedEntryWriteKeepsTheOldEntryAndSkipsCredentials) {
  ASSERT_TRUE(Write("连接E", "u", "p", "old.example.test"));
  w.ras.FailEntryWrites(sim::kErrorCannotOpenPhonebook);
  EXPECT_FALSE(Write("连接E", "new-user", "new-pw", "new.example.test"));
  EXPECT_EQ(w.ras.Entry("连接E")->server, "old.example.test");
  EXPECT_EQ(w.ras.Credentials("连接E")->userName, "u");
}

TEST_F(EntryTest, FailedCredentialsWriteLeavesTheEntryWritten) {
  w.ras.FailCredentialWrites(sim::kErrorCannotFindEntry);
  EXPECT_FALSE(Write("连接F", "u", "p", "new.example.test"));
  EXPECT_EQ(w.ras.Entry("连接F")->server, "new.example.test");
  EXPECT_FALSE(w.ras.Credentials("连接F"));
}

TEST_F(EntryTest, OverlongNameIsCutTheSameWayForWriteAndDial) {
  const std::string name = std::string(250, 'n') + "中文用户";  // 258 bytes in GBK
  EXPECT_TRUE(Write(name, "u", "p"));
  const std::string stored = std::string(250, 'n') + "中文用";  // 256 bytes
  EXPECT_TRUE(w.ras.Entry(stored));
  EXPECT_EQ(ras::EntryNameBytes(name).size(), 256u);
}

TEST_F(EntryTest, DefaultPhonebookListingReadsEveryEntryExactly) {
  for (int i = 1; i <= 40; ++i) w.ras.AddDefaultEntry("其他" + std::to_string(i));
  w.ras.AddDefaultEntry(EntryName("7"));
  EXPECT_TRUE(DefaultPhonebookHasEntry(w.app, EntryName("7")));
  EXPECT_TRUE(DefaultPhonebookHasEntry(w.app, "其他40"));
  EXPECT_FALSE(DefaultPhonebookHasEntry(w.app, EntryName("8")));
  EXPECT_FALSE(DefaultPhonebookHasEntry(w.app, "其他41"));
  EXPECT_FALSE(DefaultPhonebookHasEntry(w.app, "其他"));
  // The private phonebook is not a default phonebook.
  ASSERT_TRUE(Write(EntryName("9"), "u", "p"));
  EXPECT_FALSE(DefaultPhonebookHasEntry(w.app, EntryName("9")));
}

TEST_F(EntryTest, EmptyDefaultPhonebookHasNoEntry) {
  EXPECT_FALSE(DefaultPhonebookHasEntry(w.app, EntryName("1")));
}

TEST_F(EntryTest, PhonebookToolRemovesDefaultEntriesAndHangsUpByName) {
  w.Start(Edition::Static);
  w.ras.AddDefaultEntry(EntryName("3"));
  w.ras.AddDefaultEntry("别的连接");
  w.ras.AddForeignConnection(EntryName("3"));
  w.ras.AddForeignConnection("别的连接");
  w.OnUi([this] { HangUpEntryByName(w.app, EntryName("3")); });
  w.Run(0);
  EXPECT_EQ(w.ras.Connections().size(), 2u);  // the tool has not acted yet
  w.Run(sim::SimRas::kToolDelayMs);
  ASSERT_EQ(w.ras.Connections().size(), 1u);
  EXPECT_EQ(w.ras.Connections()[0].entry, "别的连接");
  EXPECT_EQ(w.ras.DefaultEntries(), std::vector<std::string>{"别的连接"});
  EXPECT_EQ(w.process.Commands(), (std::vector<std::string>{"rasphone -h " + EntryName("3"),
                                                            "rasphone -r " + EntryName("3")}));
}

}  // namespace
}  // namespace rv
