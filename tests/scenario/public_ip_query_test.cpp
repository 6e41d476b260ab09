// The public IP query of the static line against a scripted web.
#include "iplookup/public_ip_query.h"

#include <gtest/gtest.h>

#include <set>

#include "iplookup/http_client.h"
#include "platform/codepage.h"
#include "support/world.h"

namespace rv {
namespace {

constexpr const char* kWindow = "StaticLineWindow";
constexpr const char* kMessage = "编辑框_接收信息";
constexpr const char* kLog = "编辑框_列表结果显示";

const std::string kPageA = "http://127.0.0.1:9001/";
const std::string kFrame = "http://127.0.0.1:9002/ic.asp";
const std::string kServiceB = "http://127.0.0.1:9003/getip.aspx";

// The pages as the echo sites serve them: A and its iframe in GBK, B in UTF-8.
std::string PageA(const std::string& frameUrl) {
  return Utf8ToGbkBytes("<html><body><iframe src=\"" + frameUrl +
                        "\" rel=\"nofollow\" frameborder=\"0\"></iframe></body></html>");
}
std::string FramePage(const std::string& address, const std::string& region) {
  return Utf8ToGbkBytes("<html><body><center>您的IP是：[" + address + "] 来自：" + region +
                        "</center></body></html>");
}
std::string ServiceB(const std::string& address, const std::string& region) {
  return "var ipInfo = {ip:'" + address + "',address:'" + region + "'};";
}

class IpQuery : public testing::Test {
 protected:
  void SetUp() override {
    w.app.config.ipEchoPageA = kPageA;
    w.app.config.ipEchoServiceB = kServiceB;
    w.Start(Edition::Static);
    logBefore = w.Text(kWindow, kLog);
  }

  // Presses the query button and runs until the query has written its result line.
  void Query() {
    w.Click(kWindow, "按钮_查询当前ip");
    const std::string before = w.Text(kWindow, kLog);
    ASSERT_TRUE(w.RunUntil([&] {
      std::string log = w.Text(kWindow, kLog);
      return log.size() > before.size() && log.ends_with("\r\n") &&
             log.find("当前IP：", before.size()) != std::string::npos;
    }));
  }

  std::string Appended() { return w.Text(kWindow, kLog).substr(logBefore.size()); }

  test::World w;
  std::string logBefore;
};

TEST_F(IpQuery, PageAGivesAddressAndRegionWithoutAskingServiceB) {
  w.http.Serve(kPageA, PageA(kFrame));
  w.http.Serve(kFrame, FramePage("1.2.3.4", "北京市 联通"));
  w.http.Serve(kServiceB, ServiceB("9.9.9.9", "别处"));
  Query();
  EXPECT_EQ(w.Text(kWindow, kMessage), "当前IP：1.2.3.4，地区：北京市 联通");
  EXPECT_EQ(Appended(), "\r\n当前IP：1.2.3.4，地区：北京市 联通\r\n");
  EXPECT_EQ(w.http.RequestedUrls(), (std::vector<std::string>{kPageA, kFrame}));
  auto requests = w.http.Requests();
  EXPECT_EQ(requests[0].timeoutMs, 2000);
  EXPECT_EQ(requests[1].timeoutMs, 1000);
  EXPECT_EQ(requests[1].headers, FetchHeaders(kFrame));
  EXPECT_TRUE(w.dialogs->Boxes().empty());
}

TEST_F(IpQuery, PageADownAsksServiceBAtOnceAndTakesItsUtf8Region) {
  w.http.Serve(kServiceB, ServiceB("5.6.7.8", "上海市 电信"));
  Query();
  EXPECT_EQ(w.Text(kWindow, kMessage), "当前IP：5.6.7.8，地区：上海市 电信");
  EXPECT_EQ(Appended(), "\r\n当前IP：5.6.7.8，地区：上海市 电信\r\n");
  // The iframe URL is empty, so nothing is requested between A and B.
  EXPECT_EQ(w.http.RequestedUrls(), (std::vector<std::string>{kPageA, kServiceB}));
  auto requests = w.http.Requests();
  EXPECT_EQ(requests[1].atMs, requests[0].atMs);
  EXPECT_EQ(requests[1].timeoutMs, 2000);
}

TEST_F(IpQuery, ServiceBBytesThatAreNotUtf8AreReplacedNotPassedOn) {
  w.http.Serve(kServiceB, "{ip:'5.6.7.8',address:'广州\xFF\xE5'}");
  Query();
  EXPECT_EQ(w.Text(kWindow, kMessage), "当前IP：5.6.7.8，地区：广州\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST_F(IpQuery, BothFailingLogsTheFailureTextThenTheEmptyResultLine) {
  Query();
  EXPECT_EQ(Appended(), "\r\n当前ip查询失败，断开换个ip再试！\r\n当前IP：，地区：\r\n");
  EXPECT_EQ(w.Text(kWindow, kMessage), "当前IP：，地区：");
  EXPECT_TRUE(w.dialogs->Boxes().empty());
}

struct Fallback {
  const char* what;
  std::string pageA, frame;
};

class IpQueryFallback : public IpQuery, public testing::WithParamInterface<Fallback> {};

TEST_P(IpQueryFallback, AStartMarkerWithoutItsEndFallsBackToServiceB) {
  w.http.Serve(kPageA, GetParam().pageA);
  w.http.Serve(kFrame, GetParam().frame);
  w.http.Serve(kServiceB, ServiceB("5.6.7.8", "深圳"));
  Query();
  EXPECT_EQ(w.Text(kWindow, kMessage), "当前IP：5.6.7.8，地区：深圳");
  EXPECT_EQ(w.http.RequestedUrls().back(), kServiceB);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, IpQueryFallback,
    testing::Values(
        Fallback{"address without its ]", PageA(kFrame),
                 Utf8ToGbkBytes("<center>您的IP是：[1.2.3.4 来自：北京</center>")},
        Fallback{"iframe URL without its closing quote", Utf8ToGbkBytes("<iframe src=\"" + kFrame),
                 FramePage("1.2.3.4", "北京")},
        Fallback{"empty frame page", PageA(kFrame), ""},
        Fallback{"binary rubbish", std::string("\x00\xFF\x81\x5D]<iframe src=\"\x81", 19), "\x81"}),
    [](const auto& info) { return std::to_string(info.index); });

TEST_F(IpQuery, GbkTrailBytesEqualToBracketNeverCutAValue) {
  // 廬 is 0x8F 0x5D and 塢 0x89 0x5D in GBK: each trail byte is the byte of "]".
  ASSERT_EQ(Utf8ToGbkBytes("廬"), "\x8F\x5D");
  w.http.Serve(kPageA, PageA(kFrame));
  w.http.Serve(kFrame, FramePage("1.2.3.4 廬山", "江西省 塢慮"));
  Query();
  EXPECT_EQ(w.Text(kWindow, kMessage), "当前IP：1.2.3.4 廬山，地区：江西省 塢慮");
}

TEST_F(IpQuery, SilentEndpointsEndTheQueryWithinTheirTimeOuts) {
  struct {
    bool frameAnswers;
    int64_t endsAtMs;
  } cases[] = {{false, 2000 + 2000}, {true, 1999 + 1000 + 2000}};
  for (auto c : cases) {
    test::World world;
    world.app.config.ipEchoPageA = kPageA;
    world.app.config.ipEchoServiceB = kServiceB;
    if (c.frameAnswers) {
      world.http.Serve(kPageA, PageA(kFrame), 1999);
      world.http.Silent(kFrame);
    } else {
      world.http.Silent(kPageA);
    }
    world.http.Silent(kServiceB);
    world.Start(Edition::Static);
    world.Click(kWindow, "按钮_查询当前ip");
    ASSERT_TRUE(world.RunUntilText(kWindow, kMessage, "当前IP：，地区：", 10000));
    EXPECT_EQ(world.sched.NowMs(), c.endsAtMs);
    EXPECT_TRUE(world.dialogs->Boxes().empty());
  }
}

TEST_F(IpQuery, MessageColourIsRedPurpleOrForestGreenAtRandom) {
  w.http.Serve(kServiceB, ServiceB("5.6.7.8", "上海"));
  std::set<uint32_t> seen;
  for (int i = 0; i < 30; ++i) {
    w.Run(37);
    Query();
    seen.insert(w.W(kWindow).TextColor(kMessage));
  }
  EXPECT_EQ(seen, (std::set<uint32_t>{kRed, kPurple, kForestGreen}));
}

TEST_F(IpQuery, ConsecutiveResultsAreSeparatedByOneEmptyLine) {
  w.http.Serve(kServiceB, ServiceB("5.6.7.8", "上海"));
  Query();
  w.http.Serve(kServiceB, ServiceB("5.6.7.9", "上海"));
  Query();
  EXPECT_EQ(Appended(), "\r\n当前IP：5.6.7.8，地区：上海\r\n\r\n当前IP：5.6.7.9，地区：上海\r\n");
}

// The dynamic line's two variants on DynamicLineWindow.
class DynamicIpQuery : public testing::Test {
 protected:
  static constexpr const char* kDynamic = "DynamicLineWindow";

  void SetUp() override {
    w.app.config.ipEchoPageA = kPageA;
    w.app.config.ipEchoServiceB = kServiceB;
    w.Start(Edition::Dynamic);
    logBefore = w.Text(kDynamic, kLog);
  }

  void RunQuery(IpQueryVariant variant) {
    if (variant == IpQueryVariant::DynamicOnRequest) w.Click(kDynamic, "按钮_查询当前ip");
    else StartPublicIpQuery(w.app, variant);
    w.Run(10000);
  }
  std::string Appended() { return w.Text(kDynamic, kLog).substr(logBefore.size()); }

  test::World w;
  std::string logBefore;
};

TEST_F(DynamicIpQuery, EachVariantWritesItsOwnFailureText) {
  struct {
    IpQueryVariant variant;
    const char* failure;
  } cases[] = {
      {IpQueryVariant::DynamicAfterConnect, "已连接成功，请百度一下ip查询当前ip值"},
      {IpQueryVariant::DynamicOnRequest, "软件查询不到，请百度一下ip查询！"},
  };
  std::string expected;
  for (auto c : cases) {
    RunQuery(c.variant);
    expected += std::string("\r\n") + c.failure + "\r\n当前IP：，地区：\r\n";
    EXPECT_EQ(Appended(), expected);
  }
  // The static window, hidden in this edition, is left alone.
  EXPECT_EQ(w.Text("StaticLineWindow", kMessage), "");
}

TEST_F(DynamicIpQuery, ButtonQueryShowsAndLogsTheAddress) {
  w.http.Serve(kPageA, PageA(kFrame));
  w.http.Serve(kFrame, FramePage("1.2.3.4", "北京市 联通"));
  RunQuery(IpQueryVariant::DynamicOnRequest);
  EXPECT_EQ(w.Text(kDynamic, kMessage), "当前IP：1.2.3.4，地区：北京市 联通");
  EXPECT_EQ(Appended(), "\r\n当前IP：1.2.3.4，地区：北京市 联通\r\n");
  const uint32_t colour = w.W(kDynamic).TextColor(kMessage);
  EXPECT_TRUE(colour == kRed || colour == kPurple || colour == kForestGreen);
}

TEST_F(DynamicIpQuery, AfterConnectDoesNothingWhenTheLineIsStopped) {
  w.app.state.dynamicStop = 1;
  w.http.Serve(kServiceB, ServiceB("5.6.7.8", "上海"));
  RunQuery(IpQueryVariant::DynamicAfterConnect);
  EXPECT_TRUE(w.http.Requests().empty());
  EXPECT_EQ(Appended(), "");
  EXPECT_EQ(w.Text(kDynamic, kMessage), "");
}

TEST_F(DynamicIpQuery, DuplicateFilterRunsAfterTheColourAndCanTakeOverTheLog) {
  w.http.Serve(kServiceB, ServiceB("5.6.7.8", "上海"));
  std::vector<std::string> checked;
  bool duplicate = true;
  w.app.hooks.duplicateIpFilter = [&](App& app, const std::string& address) {
    checked.push_back(address);
    EXPECT_NE(app.DynamicWindow().TextColor(kMessage), kNoColor);
    if (duplicate) app.DynamicWindow().Append(kLog, "\r\n本次IP：" + address + "为重复IP\r\n");
    return duplicate;
  };
  RunQuery(IpQueryVariant::DynamicAfterConnect);
  EXPECT_EQ(Appended(), "\r\n本次IP：5.6.7.8为重复IP\r\n");
  duplicate = false;
  RunQuery(IpQueryVariant::DynamicAfterConnect);
  EXPECT_EQ(Appended(), "\r\n本次IP：5.6.7.8为重复IP\r\n\r\n当前IP：5.6.7.8，地区：上海\r\n");
  // The button's query and the static line never consult the filter.
  RunQuery(IpQueryVariant::DynamicOnRequest);
  RunQuery(IpQueryVariant::Static);
  EXPECT_EQ(checked, (std::vector<std::string>{"5.6.7.8", "5.6.7.8"}));
}

TEST_F(DynamicIpQuery, DuplicateFilterAlsoSeesAnEmptyAddress) {
  std::vector<std::string> checked;
  w.app.hooks.duplicateIpFilter = [&](App&, const std::string& address) {
    checked.push_back(address);
    return false;
  };
  RunQuery(IpQueryVariant::DynamicAfterConnect);
  EXPECT_EQ(checked, (std::vector<std::string>{""}));
  EXPECT_EQ(Appended(), "\r\n已连接成功，请百度一下ip查询当前ip值\r\n当前IP：，地区：\r\n");
}

}  // namespace
}  // namespace rv
