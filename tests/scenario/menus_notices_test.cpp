// Menus, notices and help windows driven through the whole program: every
// menu item and help button of each window with what it shows or opens.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/connection_title.h"
#include "platform/dialogs.h"
#include "resources/embedded.h"
#include "support/world.h"
#include "ui/tips.h"

namespace rv {
namespace {

using test::World;

constexpr uint32_t kPlain = kMbOk;
constexpr uint32_t kInfo = kMbOk | kMbIconInformation;

const std::string kStaticChat = "rvchat://message/?uin=80012345&Site=Rovanta%E5%AE%A2%E6%9C%8D&Menu=yes";
const std::string kDynamicChat = "rvchat://message/?uin=80067890&Site=Rovanta%E5%AE%A2%E6%9C%8D&Menu=yes";

const std::string kDisclaimerRest =
    "\r\n\r\n2.本软件可能存在bug情况，如果使用过程中软件出错等原因引起您工作的损失，本软件及作者概不承担任何责任，担心的自助测试好再用。"
    "\r\n\r\n3.本软件严禁用于非法用途，使用者非法使用引起的问题自行承担所有责任，本软件及作者概不承担任何责任。"
    "\r\n\r\n4.其它任何问题引起的责任，由使用者承担，本软件及作者概不承担任何责任。"
    "\r\n\r\n5.只有同意免责声明的人才能使用本软件，否则请立即关闭并删除本软件！谢谢合作！";
const std::string kDisclaimer1 = "免责声明：\r\n\r\n1.本软件作者承诺绝非木马病毒产品，有误报的加白名单使用即可。" + kDisclaimerRest;
const std::string kDisclaimer2 = "免责声明：\r\n\r\n1.本软件功能强大，有误报的加白名单使用即可。" + kDisclaimerRest;
const std::string kDisclaimer3 = "免责声明：\r\n\r\n1.本软件如有误报请加白名单使用即可。" + kDisclaimerRest;
const std::string kDisclaimerTitle = "用前必看---不同意的严禁使用本软件";

const std::string kUsage =
    "请认真学习了解：\r\n"
    "1.本软件可用于静态ip拨号，动态ip自动定时拨号，专线拨号。\r\n"
    "2.本软件自带掉线重拨功能，掉线自动断开本地网络功能（包括自动断开‘本地连接’和‘WLAN’的WIFI），掉线音响功能，自动清除IE缓存和cookie功能，动态服务器自动定时连断功能。\r\n"
    "3.请先修改好网线连接名称‘本地连接’和 WIFI名称‘WLAN’再使用，否则掉线自动断开本地网络功能可能无效！\r\n"
    "4.使用过程中有问题的，可以点击 修复故障，软件自动帮您修复好本软件故障。\r\n"
    "5.禁用本地连接和WLAN后，请点击【启用本地网络】就可以恢复本地网络了。\r\n"
    "6.其它功能请看文字自助认识即可，需要什么功能的自助勾选上使用即可。\r\n"
    "7.其它问题请自助测试一下。\r\n"
    "8.需要更多功能的请联系本软件QQ客服订制。";

// What one menu item or button does, as the user sees it.
struct Outcome {
  std::string chat;         // chat link opened first ("" = none)
  std::string title;        // notice shown ("" = none)
  uint32_t style = 0;
  std::string text;
  std::string window;       // window loaded ("" = none)
  std::string picture;      // embedded picture shown in it
  bool exits = false;       // the program ends
};

Outcome Notice(std::string title, uint32_t style, std::string text, std::string chat = "") {
  Outcome o;
  o.chat = std::move(chat);
  o.title = std::move(title);
  o.style = style;
  o.text = std::move(text);
  return o;
}
Outcome Chat(std::string link) {
  Outcome o;
  o.chat = std::move(link);
  return o;
}
Outcome Opens(std::string window, std::string picture = "") {
  Outcome o;
  o.window = std::move(window);
  o.picture = std::move(picture);
  return o;
}
Outcome Exits() {
  Outcome o;
  o.exits = true;
  return o;
}

struct MenuCase {
  std::string menu, item;
  Outcome outcome;
};

// The action of the item `menu` > `item` of the window's menu bar.
std::string ActionOf(const WindowDef& def, const std::string& menu, const std::string& item) {
  for (const MenuItemDef& top : def.menu)
    if (menu == top.caption)
      for (const MenuItemDef& it : top.items)
        if (item == it.caption) return it.action ? it.action : "";
  return "";
}

// Runs `act` in a fresh program and checks the outcome.
void Expect(Edition edition, const std::function<void(World&)>& act, const Outcome& want) {
  World w;
  size_t boxesAtOpen = 99;
  w.shell.OnOpen([&](const std::string&) { boxesAtOpen = w.dialogs->Boxes().size(); });
  w.Start(edition);
  act(w);
  w.Run(1000);

  std::vector<std::string> opened = w.shell.Opened();
  if (want.chat.empty()) {
    EXPECT_TRUE(opened.empty());
  } else {
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], want.chat);
    EXPECT_EQ(boxesAtOpen, 0u) << "the chat link opens before the notice";
  }
  auto boxes = w.dialogs->Boxes();
  if (want.title.empty()) {
    EXPECT_TRUE(boxes.empty());
  } else {
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, want.title);
    EXPECT_EQ(boxes[0].style, want.style);
    EXPECT_EQ(boxes[0].text, want.text);
  }
  if (!want.window.empty()) {
    Form* f = w.app.forms.Find(want.window);
    ASSERT_NE(f, nullptr) << want.window;
    EXPECT_TRUE(f->WindowVisible());
    if (!want.picture.empty()) {
      EXPECT_FALSE(EmbeddedFile(want.picture).empty());
      EXPECT_EQ(f->Picture("图片框1"), std::string(EmbeddedFile(want.picture)));
    }
  }
  EXPECT_EQ(w.sched.ProcessEnded(), want.exits);
}

void ExpectMenus(Edition edition, const std::string& window, const std::vector<MenuCase>& cases) {
  const WindowDef& def = *FindWindowDef(window.c_str());
  size_t items = 0;
  for (const MenuItemDef& top : def.menu) items += top.items.size();
  EXPECT_EQ(items, cases.size()) << "every item of " << window << " has a case";
  for (const MenuCase& c : cases) {
    SCOPED_TRACE(window + " " + c.menu + " > " + c.item);
    std::string action = ActionOf(def, c.menu, c.item);
    ASSERT_FALSE(action.empty()) << "no such item";
    Expect(edition, [&](World& w) { w.Menu(window, action); }, c.outcome);
  }
}

TEST(StaticMenus, EveryItemShowsItsNoticeOrExits) {
  const Outcome contact = Notice("联系方式", kInfo, "QQ客服80012345", kStaticChat);
  ExpectMenus(Edition::Static, "StaticLineWindow",
              {
                  {"菜 单", "客服QQ80012345", contact},
                  {"菜 单", "用前需看", Notice(kDisclaimerTitle, kPlain, kDisclaimer2)},
                  {"菜 单", "退出", Exits()},
                  {"操作说明", "使用介绍", Notice("使用操作说明", kInfo, kUsage)},
                  {"免责声明", "用前必看", Notice(kDisclaimerTitle, kPlain, kDisclaimer1)},
                  {"联系方式", "联系QQ80012345", contact},
                  {"联系方式", "联系微信rovanta_help", Notice("联系方式", kInfo, "客服微信rovanta_help")},
                  {"付费服务(产品服务)", "优惠订购ip客服QQ80012345", contact},
                  {"付费服务(产品服务)", "软件功能定制服务", contact},
              });
}

TEST(StaticMenus, MenuBarOrder) {
  std::vector<std::string> tops;
  for (const MenuItemDef& m : FindWindowDef("StaticLineWindow")->menu) {
    tops.push_back(m.caption);
    EXPECT_FALSE(m.hidden);
  }
  EXPECT_EQ(tops, (std::vector<std::string>{"菜 单", "操作说明", "免责声明", "联系方式", "付费服务(产品服务)"}));
}

TEST(StaticMenus, ExitDestroysTheStartWindowAfterHangingUp) {
  World w;
  w.Start(Edition::Static);
  w.Menu("StaticLineWindow", ActionOf(*FindWindowDef("StaticLineWindow"), "菜 单", "退出"));
  w.Run(1000);
  EXPECT_TRUE(w.sched.ProcessEnded());
  EXPECT_EQ(w.sched.ExitCode(), 0);
  EXPECT_EQ(w.app.state.staticStop.load(), 1);
  auto commands = w.process.Commands();
  EXPECT_NE(std::find(commands.begin(), commands.end(), "rasphone -h " + EntryName("1")), commands.end());
}

TEST(StaticMenus, RefusedChatLinkStillShowsTheNoticeAndNothingElse) {
  World w;
  w.shell.SetAccepts(false);
  w.Start(Edition::Static);
  w.Menu("StaticLineWindow", ActionOf(*FindWindowDef("StaticLineWindow"), "联系方式", "联系QQ80012345"));
  w.Run(1000);
  EXPECT_EQ(w.shell.Opened().size(), 1u);
  auto boxes = w.dialogs->Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "QQ客服80012345");
  EXPECT_EQ(w.Text("StaticLineWindow", "编辑框_接收信息"), "");
}

TEST(DynamicMenus, EveryItemOpensItsLinkOrWindow) {
  const Outcome chat = Chat(kDynamicChat);
  const Outcome card = Opens("DynamicPictureHelpWindow", "messenger_card.jpg");
  ExpectMenus(Edition::Dynamic, "DynamicLineWindow",
              {
                  {"菜 单", "自助订购-即时到账", Opens("TopUpWindow")},
                  {"菜 单", "高级设置", Opens("AdvancedSettingsWindow")},
                  {"菜 单", "客服QQ80067890", chat},
                  {"菜 单", "用前需看", Notice(kDisclaimerTitle, kPlain, kDisclaimer2)},
                  {"菜 单", "最新版本查询及下载", {}},  // the version check's worker plugs in here
                  {"菜 单", "退出", Exits()},
                  {"操作说明", "使用介绍", Opens("DynamicPictureHelpWindow", "usage_intro.png")},
                  {"视频教程下载", "下载地址", {}},  // the download address query plugs in here
                  {"免责声明", "用前必看", Notice(kDisclaimerTitle, kPlain, kDisclaimer3)},
                  {"联系客服", "联系QQ80067890", chat},
                  {"联系客服", "联系微信rovanta_help", card},
                  {"自助订购-自动开通", "自助开通续费", Opens("TopUpWindow")},
                  {"自助订购-自动开通", "优惠订购动态客服QQ80067890", chat},
                  {"自助订购-自动开通", "支持软件功能定制服务", chat},
                  {"系统托盘", "回到主界面", {}},  // the tray restore plugs in here
                  {"系统托盘", "联系客服QQ", chat},
                  {"系统托盘", "关闭软件", Exits()},
              });
}

TEST(DynamicMenus, TrayMenuIsHiddenFromTheMenuBar) {
  std::vector<std::pair<std::string, bool>> tops;
  for (const MenuItemDef& m : FindWindowDef("DynamicLineWindow")->menu) tops.emplace_back(m.caption, m.hidden);
  EXPECT_EQ(tops, (std::vector<std::pair<std::string, bool>>{{"菜 单", false},
                                                             {"操作说明", false},
                                                             {"视频教程下载", false},
                                                             {"免责声明", false},
                                                             {"联系客服", false},
                                                             {"自助订购-自动开通", false},
                                                             {"系统托盘", true}}));
}

TEST(TopUpMenus, BothItems) {
  auto openTopUp = [](World& w) {
    w.OnUi([&w] { w.app.forms.Load("TopUpWindow"); });
    w.Run(0);
  };
  const WindowDef& def = *FindWindowDef("TopUpWindow");
  ASSERT_EQ(def.menu.size(), 1u);
  ASSERT_EQ(def.menu[0].items.size(), 2u);
  Expect(Edition::Dynamic, [&](World& w) { openTopUp(w); w.Menu("TopUpWindow", ActionOf(def, "人工服务", "联系QQ客服80067890")); },
         Chat(kDynamicChat));
  Expect(Edition::Dynamic, [&](World& w) { openTopUp(w); w.Menu("TopUpWindow", ActionOf(def, "人工服务", "联系微信客服")); },
         Opens("DynamicPictureHelpWindow", "messenger_card.jpg"));
}

TEST(HelpButtons, NoticesAndWindowsOfTheMainWindows) {
  const Outcome emulator = Notice("联系客服咨询", kInfo,
                                  "安卓模拟器，安卓手机，苹果手机使用方法请联系客服索要教程！\r\nVIP专属QQ客服80067890",
                                  kDynamicChat);
  struct Case {
    Edition edition;
    std::string window, button;
    Outcome outcome;
  };
  const Case cases[] = {
      {Edition::Static, "StaticLineWindow", "按钮_更多功能定制",
       Notice("更多功能请定制", kInfo, "更多功能请定制，请联系本软件QQ客服80012345订制。")},
      {Edition::Static, "StaticLineWindow", "按钮_拨号问题汇总", Opens("DialErrorHelpWindow")},
      {Edition::Dynamic, "DynamicLineWindow", "按钮_拨号问题汇总", Opens("DialErrorHelpWindow")},
      {Edition::Dynamic, "DynamicLineWindow", "按钮_模拟器使用咨询", emulator},
      {Edition::Dynamic, "DynamicLineWindow", "按钮_高级设置", Opens("AdvancedSettingsWindow")},
      {Edition::Dynamic, "AdvancedSettingsWindow", "按钮_拨号问题汇总", Opens("DialErrorHelpWindow")},
      {Edition::Dynamic, "AdvancedSettingsWindow", "按钮_模拟器使用咨询", emulator},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.window + " " + c.button);
    Expect(c.edition,
           [&](World& w) {
             if (c.window == "AdvancedSettingsWindow") {
               w.Click("DynamicLineWindow", "按钮_高级设置");
               w.Run(0);
             }
             w.Click(c.window, c.button);
           },
           c.outcome);
  }
}

TEST(DialErrorHelp, EachButtonShowsItsAnswer) {
  struct Case {
    std::string button;
    Outcome outcome;
  };
  const Case cases[] = {
      {"按钮_错误691", Notice("691错误--解决方法", kPlain,
                              "1.请确认填写的用户名和密码正确无误。\r\n\r\n"
                              "2.请确认1个账户1个设备上使用，因为基本上所有的账户都是限制同时使用设备数是1台，不要多台设备同时使用，除非开通的是多线账户。\r\n\r\n"
                              "3.卡线，一般因为频繁换线路在服务器上一直在线卡住，解决方法：可以自己关了软件，稍后几分钟再打开登陆使用，或联系客服帮您后台断开账户。")},
      {"按钮_无法连接", Notice("怎么都无法连接--解决方法", kPlain,
                               "1.重启路由器和电脑。\r\n\r\n2.请安错误628方法处理一下。\r\n\r\n"
                               "3.查询自己路由器型号支不支持vpn功能。\r\n\r\n4.请换个不同网络试试。\r\n\r\n"
                               "5.最后都解决不了的只能重装个纯净版的windows系统再使用！")},
      {"按钮_错误756", Opens("StaticPictureHelpWindow", "help_error_756.png")},
      {"按钮_错误806", Opens("StaticPictureHelpWindow", "help_error_806.png")},
      {"按钮_错误总代码", Opens("StaticPictureHelpWindow", "help_dial_errors.jpg")},
      {"按钮_安卓手机PPTP", Opens("StaticPictureHelpWindow", "help_android_pptp.jpg")},
      {"按钮_苹果手机PPTP", Opens("StaticPictureHelpWindow", "help_apple_pptp.jpg")},
      {"按钮_安卓手机L2TP", Opens("StaticPictureHelpWindow", "help_android_l2tp.jpg")},
      {"按钮_苹果手机L2TP", Opens("StaticPictureHelpWindow", "help_apple_l2tp.jpg")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    Expect(Edition::Static,
           [&](World& w) {
             w.Click("StaticLineWindow", "按钮_拨号问题汇总");
             w.Run(0);
             w.Click("DialErrorHelpWindow", c.button);
           },
           c.outcome);
  }
}

TEST(DialErrorHelp, IsModalForTheWindowsBehindIt) {
  World w;
  w.Start(Edition::Static);
  w.Click("StaticLineWindow", "按钮_拨号问题汇总");
  w.Run(100);
  ASSERT_NE(w.app.forms.Find("DialErrorHelpWindow"), nullptr);
  auto journal = w.view->Journal();
  EXPECT_NE(std::find(journal.begin(), journal.end(), "modal DialErrorHelpWindow"), journal.end());

  // The main window takes no input while the help window is open ...
  w.Click("StaticLineWindow", "按钮_更多功能定制");
  w.Menu("StaticLineWindow", ActionOf(*FindWindowDef("StaticLineWindow"), "操作说明", "使用介绍"));
  w.Run(100);
  EXPECT_TRUE(w.dialogs->Boxes().empty());

  // ... but the picture window opened from it does.
  w.Click("DialErrorHelpWindow", "按钮_苹果手机L2TP");
  w.Run(100);
  w.Scroll("StaticPictureHelpWindow", "纵向滚动条1", 300);
  w.Run(100);
  EXPECT_EQ(w.W("StaticPictureHelpWindow").Geometry("图片框1").y, -300);

  // Closed, the main window answers again.
  w.Close("DialErrorHelpWindow");
  w.Run(100);
  EXPECT_EQ(w.app.forms.Find("DialErrorHelpWindow"), nullptr);
  w.Click("StaticLineWindow", "按钮_更多功能定制");
  w.Run(100);
  EXPECT_EQ(w.dialogs->Boxes().size(), 1u);
}

class PictureWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    w.Start(Edition::Static);
    w.Click("StaticLineWindow", "按钮_拨号问题汇总");
    w.Run(0);
    w.Click("DialErrorHelpWindow", "按钮_苹果手机L2TP");
    w.Run(100);
  }
  Form& Pictures() { return w.W("StaticPictureHelpWindow"); }
  int Top() { return Pictures().Geometry("图片框1").y; }
  World w;
};

TEST_F(PictureWindow, OpensWithTheRangeOfTheBoxAndThePictureAtItsDesignedTop) {
  ScrollDef s = Pictures().Scroll("纵向滚动条1");
  EXPECT_EQ(s.minimum, 0);
  EXPECT_EQ(s.maximum, 5364);
  EXPECT_EQ(s.lineStep, 1);
  EXPECT_EQ(Top(), 16);
  EXPECT_EQ(Pictures().Geometry("图片框1"), (Form::Rect{26, 16, 835, 5900}));
  auto journal = w.view->Journal();
  EXPECT_NE(std::find(journal.begin(), journal.end(), "load StaticPictureHelpWindow"), journal.end());
}

TEST_F(PictureWindow, PositionPShowsThePictureFromRowP) {
  struct Case {
    int position, top;
  };
  // The end shows the last 536 rows of the 5900-row box; beyond it the bar stops.
  for (Case c : {Case{1, -1}, Case{250, -250}, Case{5364, -5364}, Case{9000, -5364}, Case{0, 0}, Case{-5, 0}}) {
    w.Scroll("StaticPictureHelpWindow", "纵向滚动条1", c.position);
    w.Run(0);
    EXPECT_EQ(Top(), c.top) << "position " << c.position;
  }
  w.Scroll("StaticPictureHelpWindow", "纵向滚动条1", 5364);
  w.Run(0);
  EXPECT_EQ(-Top() + Pictures().Geometry("纵向滚动条1").h, Pictures().Geometry("图片框1").h);
}

TEST_F(PictureWindow, TheNextPictureStartsAtTheTopAgain) {
  w.Scroll("StaticPictureHelpWindow", "纵向滚动条1", 2000);
  w.Run(0);
  w.Click("DialErrorHelpWindow", "按钮_错误806");
  w.Run(100);
  EXPECT_EQ(Pictures().Picture("图片框1"), std::string(EmbeddedFile("help_error_806.png")));
  EXPECT_EQ(Top(), 16);
  EXPECT_EQ(Pictures().Scroll("纵向滚动条1").position, 0);
  EXPECT_EQ(Pictures().Scroll("纵向滚动条1").maximum, 5364);
  int windows = 0;
  for (Form* f : w.app.forms.Loaded()) windows += std::string(f->name()) == "StaticPictureHelpWindow";
  EXPECT_EQ(windows, 1);
}

TEST(DynamicWindowCreation, SearchListHiddenUnderTheFullListBannerShownTipsAttached) {
  World w;
  w.Start(Edition::Dynamic);
  Form& d = w.W("DynamicLineWindow");
  EXPECT_FALSE(d.Visible("超级列表框_线路超级列表2"));
  EXPECT_TRUE(d.Visible("超级列表框_线路超级列表1"));
  EXPECT_EQ(d.Geometry("超级列表框_线路超级列表2"), d.Geometry("超级列表框_线路超级列表1"));
  EXPECT_EQ(d.Snapshot(d.IndexOf("超级列表框_线路超级列表2")).def->parent,
            std::string(d.Snapshot(d.IndexOf("超级列表框_线路超级列表1")).def->parent));
  EXPECT_EQ(d.Picture("图片框1"), std::string(EmbeddedFile("banner.jpg")));
  EXPECT_EQ(d.WindowTip(), "哪里不懂，鼠标就停留在哪里，有提示说明哦");
  EXPECT_EQ(d.Tip("按钮_高级设置"), "可以设置多种高级功能，包括自动定时换ip，掉线断网，过滤重复ip等功能！");
  EXPECT_FALSE(w.W("StaticLineWindow").WindowVisible());
}

TEST(DynamicWindowCreation, OffWindowControlsAreReadableAndWritableByName) {
  World w;
  w.Start(Edition::Dynamic);
  Form& d = w.W("DynamicLineWindow");
  EXPECT_EQ(d.Text("编辑框_连断时间秒"), "60");
  EXPECT_EQ(d.Text("编辑框_监控时间秒"), "2");
  EXPECT_TRUE(d.Checked("选择框_记录每次连接ip"));
  EXPECT_TRUE(d.Checked("单选框_四组"));
  d.SetText("编辑框_连断时间秒", "45");
  d.SetChecked("选择框_定时连断", true);
  d.SelectRadio("单选框_分析IP前三组");
  EXPECT_EQ(d.Text("编辑框_连断时间秒"), "45");
  EXPECT_TRUE(d.Checked("选择框_定时连断"));
  EXPECT_FALSE(d.Checked("单选框_四组"));
  EXPECT_TRUE(d.Checked("单选框_分析IP前三组"));
}

// Creation steps plugged in by other subsystems before the window shell's
// wiring still run, between the window's own steps and the tooltips.
TEST(CreationSteps, OthersRunAfterTheWindowsOwnStepsAndBeforeTheTips) {
  World w;
  std::string seenBanner = "not run", seenTip = "not run";
  int advancedRuns = 0;
  std::string advancedTipSeen;
  w.beforeStart = [&](App& app) {
    app.hooks.dynamicWindowReady = [&](App& a) {
      Form& d = a.DynamicWindow();
      seenBanner = d.Picture("图片框1").empty() ? "none" : "banner";
      seenTip = d.Tip("按钮_连接");
    };
    app.forms.On("AdvancedSettingsWindow", "", kEvCreated, [&](const EventArgs& e) {
      ++advancedRuns;
      advancedTipSeen = e.form->Tip("选择框_总在最前");
    });
  };
  w.Start(Edition::Dynamic);
  EXPECT_EQ(seenBanner, "banner");
  EXPECT_EQ(seenTip, "");
  EXPECT_EQ(w.W("DynamicLineWindow").Tip("按钮_连接"), "填好信息，选好功能后，即可点击此按钮自动运行！");

  w.Click("DynamicLineWindow", "按钮_高级设置");
  w.Run(0);
  EXPECT_EQ(advancedRuns, 1);
  EXPECT_EQ(advancedTipSeen, "勾选此项，则本软件主窗口会自动总在最前！");
  Form& a = w.W("AdvancedSettingsWindow");
  EXPECT_EQ(a.WindowTip(), "哪里不懂，鼠标就停留在哪里，有提示说明哦");
  EXPECT_EQ(a.Tip("按钮_修复故障"),
            "【修复故障】只适用于修复本软件连接故障，其它问题解决方法请点击【常见拨号错误无法连接问题汇总】！");
  EXPECT_EQ(a.Tip("选择框_热键"), "");
}

TEST(StaticWindowCreation, HasNoTips) {
  World w;
  w.Start(Edition::Static);
  Form& s = w.W("StaticLineWindow");
  EXPECT_EQ(s.WindowTip(), "");
  for (int i = 0; i < s.ControlCount(); ++i) EXPECT_EQ(s.Snapshot(i).tip, "") << s.Snapshot(i).def->name;
}

}  // namespace
}  // namespace rv
