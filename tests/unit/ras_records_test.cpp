// The service records, byte for byte, in both connection-record layouts.
#include "vpn/ras_records.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace rv::ras {
namespace {

// An expected record, written field by field from the layout tables.
class Image {
 public:
  explicit Image(size_t size) : bytes_(size, 0) {}
  Image& U32(size_t offset, uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes_[offset + i] = static_cast<uint8_t>(v >> (8 * i));
    return *this;
  }
  Image& U64(size_t offset, uint64_t v) {
    for (int i = 0; i < 8; ++i) bytes_[offset + i] = static_cast<uint8_t>(v >> (8 * i));
    return *this;
  }
  Image& Str(size_t offset, const std::string& bytes) {
    std::memcpy(bytes_.data() + offset, bytes.data(), bytes.size());
    return *this;
  }
  const Record& bytes() const { return bytes_; }

 private:
  Record bytes_;
};

// Reports the first differing offset rather than two 3-kilobyte dumps.
::testing::AssertionResult SameBytes(const Record& actual, const Record& expected) {
  if (actual.size() != expected.size())
    return ::testing::AssertionFailure() << "size " << actual.size() << " != " << expected.size();
  for (size_t i = 0; i < actual.size(); ++i)
    if (actual[i] != expected[i])
      return ::testing::AssertionFailure() << "offset " << i << ": " << int(actual[i])
                                           << " != " << int(expected[i]);
  return ::testing::AssertionSuccess();
}

const std::string kDeviceNameGbk = "WAN \xCE\xA2\xD0\xCD\xB6\xCB\xBF\xDA (L2TP)";
const std::string kUserGbk = "\xD6\xD0\xCE\xC4\xD3\xC3\xBB\xA7";  // 中文用户

Image ExpectedEntry(const std::string& serverGbk, uint32_t strategy) {
  Image e(2884);
  e.U32(0, 2884).U32(4, 0x3D0D0210).U32(8, 86).U32(12, 86).Str(27, serverGbk);
  e.U32(184, 4).U32(188, 1).Str(972, "vpn").Str(989, kDeviceNameGbk);
  e.U32(1772, 1).U32(1776, 75).U32(1780, 120).U32(1784, 10).U32(1788, 120);
  e.U32(1796, 2).U32(1800, 3).U32(2084, strategy).U32(2088, 0x6F).U32(2880, 10);
  return e;
}

TEST(EntryRecord, MatchesTheLayoutForEveryProtocol) {
  for (int32_t protocol : {1, 3, 5}) {
    SCOPED_TRACE(protocol);
    EXPECT_TRUE(SameBytes(BuildEntryRecord("vpn.example.test", protocol),
                          ExpectedEntry("vpn.example.test", static_cast<uint32_t>(protocol)).bytes()));
  }
}

TEST(EntryRecord, OptionFlagsAreExactlyTheNamedOnes) {
  EXPECT_EQ(kEntryOptions, 0x10u | 0x200u | 0x10000u | 0x40000u | 0x80000u | 0x1000000u |
                               0x4000000u | 0x8000000u | 0x10000000u | 0x20000000u);
  EXPECT_EQ(kEntryOptions2, 0x1u | 0x2u | 0x4u | 0x8u | 0x20u | 0x40u);
}

TEST(EntryRecord, ReadsBackWhatItHolds) {
  Record r = BuildEntryRecord("10.1.2.3:4430", 5);
  EntryView v = ReadEntryRecord(r.data());
  EXPECT_EQ(v.size, 2884u);
  EXPECT_EQ(v.phoneNumber, "10.1.2.3:4430");
  EXPECT_EQ(v.vpnStrategy, 5u);
  EXPECT_EQ(v.deviceType, "vpn");
  EXPECT_EQ(v.deviceName, kDeviceNameGbk);
}

struct Cut {
  std::string utf8;
  size_t fieldLen;
  std::string gbk;
};

class FieldCut : public ::testing::TestWithParam<Cut> {};

TEST_P(FieldCut, KeepsTheZeroAndNeverHalfACharacter) {
  EXPECT_EQ(GbkForField(GetParam().utf8, GetParam().fieldLen), GetParam().gbk);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FieldCut,
    ::testing::Values(Cut{"abc", 4, "abc"}, Cut{"abcd", 4, "abc"},
                      Cut{"中文用户", 9, kUserGbk}, Cut{"中文用户", 8, kUserGbk.substr(0, 6)},
                      Cut{"a中文", 6, "a\xD6\xD0\xCE\xC4"}, Cut{"a中文", 5, "a\xD6\xD0"},
                      Cut{"中", 2, ""}, Cut{"", 1, ""}));

TEST(EntryRecord, LongServerAddressStopsAtItsField) {
  // 127 bytes and a two-byte character: the character does not fit in 128.
  const std::string server = std::string(127, 'a') + "中";
  Record r = BuildEntryRecord(server, 1);
  EXPECT_TRUE(SameBytes(r, ExpectedEntry(std::string(127, 'a'), 1).bytes()));
  // 126 bytes and the character fill the field to its last byte but the zero.
  const std::string fits = std::string(126, 'a') + "中";
  EXPECT_TRUE(SameBytes(BuildEntryRecord(fits, 1),
                        ExpectedEntry(std::string(126, 'a') + "\xD6\xD0", 1).bytes()));
  // Far too long: the neighbouring field stays zero.
  Record big = BuildEntryRecord(std::string(1000, 'x'), 1);
  EXPECT_EQ(big[27 + 127], 'x');
  EXPECT_EQ(big[27 + 128], 0);
  EXPECT_EQ(GetU32(big.data(), 156), 0u);
}

TEST(CredentialsRecord, MatchesTheLayout) {
  Image e(540);
  e.U32(0, 540).U32(4, 11).Str(8, kUserGbk).Str(265, "p@ss w0rd");
  EXPECT_TRUE(SameBytes(BuildCredentialsRecord("中文用户", "p@ss w0rd"), e.bytes()));
}

TEST(CredentialsRecord, LongTextsStayInTheirFields) {
  Record r = BuildCredentialsRecord(std::string(300, 'u'), std::string(300, 'p'));
  CredentialsView v = ReadCredentialsRecord(r.data());
  EXPECT_EQ(v.userName, std::string(256, 'u'));
  EXPECT_EQ(v.password, std::string(256, 'p'));
  EXPECT_EQ(v.domain, "");
  EXPECT_EQ(r[8 + 256], 0);
  EXPECT_EQ(r[265 + 256], 0);
}

TEST(DialParams, MatchesTheLayout) {
  Image e(1052);
  e.U32(0, 1052).Str(4, "ip\xC1\xAC\xBD\xD3" "7").Str(519, kUserGbk).Str(776, "secret");
  EXPECT_TRUE(SameBytes(BuildDialParams("ip连接7", "中文用户", "secret"), e.bytes()));
  DialParamsView v = ReadDialParams(e.bytes().data());
  EXPECT_EQ(v.size, 1052u);
  EXPECT_EQ(v.entryName, "ip\xC1\xAC\xBD\xD3" "7");
  EXPECT_EQ(v.phoneNumber, "");
  EXPECT_EQ(v.callbackNumber, "");
  EXPECT_EQ(v.userName, kUserGbk);
  EXPECT_EQ(v.password, "secret");
}

TEST(DialParams, LongEntryNameMatchesTheNamePassedToTheOtherCalls) {
  const std::string name = std::string(255, 'n') + "中";
  Record r = BuildDialParams(name, "u", "p");
  EXPECT_EQ(ReadDialParams(r.data()).entryName, EntryNameBytes(name));
  EXPECT_EQ(EntryNameBytes(name), std::string(255, 'n'));
  EXPECT_EQ(r[4 + 256], 0);
}

TEST(ConnectionRecords, ThirtyTwoBitLayout) {
  Record buffer = ConnectionBuffer(kConnection32, 10);
  ASSERT_EQ(buffer.size(), 4120u);
  EXPECT_TRUE(SameBytes(buffer, Image(4120).U32(0, 412).bytes()));

  WriteConnection(kConnection32, buffer.data(), 1, {0x00ABCDEF, "ip7", "vpn", "WAN"});
  Image e(4120);
  e.U32(0, 412).U32(412, 412).U32(416, 0x00ABCDEF).Str(420, "ip7").Str(412 + 265, "vpn");
  e.Str(412 + 282, "WAN");
  EXPECT_TRUE(SameBytes(buffer, e.bytes()));

  ConnectionView v = ReadConnection(kConnection32, buffer.data(), 1);
  EXPECT_EQ(v.handle, 0x00ABCDEFu);
  EXPECT_EQ(v.entryName, "ip7");
  EXPECT_EQ(v.deviceType, "vpn");
  EXPECT_EQ(v.deviceName, "WAN");
}

TEST(ConnectionRecords, SixtyFourBitLayoutAlignsAnEightByteHandle) {
  Record buffer = ConnectionBuffer(kConnection64, 2);
  ASSERT_EQ(buffer.size(), 848u);
  WriteConnection(kConnection64, buffer.data(), 0, {0x1122334455667788ull, "ip1", "vpn", "WAN"});
  Image e(848);
  e.U32(0, 424).U64(8, 0x1122334455667788ull).Str(16, "ip1").Str(273, "vpn").Str(290, "WAN");
  EXPECT_TRUE(SameBytes(buffer, e.bytes()));
  EXPECT_EQ(ReadConnection(kConnection64, buffer.data(), 0).handle, 0x1122334455667788ull);
}

TEST(ConnectionRecords, UnterminatedNameIsReadOnlyToItsFieldEnd) {
  Record buffer = ConnectionBuffer(kConnection32, 1);
  std::memset(buffer.data() + 8, 'z', 412 - 8);  // no zero anywhere after the handle
  EXPECT_EQ(ReadConnection(kConnection32, buffer.data(), 0).entryName, std::string(257, 'z'));
}

TEST(EntryNameRecords, OldLayoutOf264Bytes) {
  Record buffer = EntryNameBuffer(3);
  ASSERT_EQ(buffer.size(), 792u);
  WriteEntryName(buffer.data(), 2, "ip\xC1\xAC\xBD\xD3" "3");
  Image e(792);
  e.U32(0, 264).U32(528, 264).Str(532, "ip\xC1\xAC\xBD\xD3" "3");
  EXPECT_TRUE(SameBytes(buffer, e.bytes()));
  EXPECT_EQ(ReadEntryName(buffer.data(), 2), "ip\xC1\xAC\xBD\xD3" "3");
}

}  // namespace
}  // namespace rv::ras
