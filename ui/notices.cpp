#include "ui/notices.h"

#include "app/notice_box.h"
#include "ui/support_contacts.h"

namespace rv {

#define RV_BLANK "\r\n\r\n"
#define RV_DISCLAIMER(firstPoint)                                                              \
  "免责声明：" RV_BLANK firstPoint RV_BLANK                                                    \
  "2.本软件可能存在bug情况，如果使用过程中软件出错等原因引起您工作的损失，本软件及作者概不承担任何责任，担心的自助测试好再用。" RV_BLANK \
  "3.本软件严禁用于非法用途，使用者非法使用引起的问题自行承担所有责任，本软件及作者概不承担任何责任。" RV_BLANK \
  "4.其它任何问题引起的责任，由使用者承担，本软件及作者概不承担任何责任。" RV_BLANK                \
  "5.只有同意免责声明的人才能使用本软件，否则请立即关闭并删除本软件！谢谢合作！"

namespace {
constexpr char kDisclaimerTitle[] = "用前必看---不同意的严禁使用本软件";
}  // namespace

const Notice kContactNotice = {"联系方式", kNoticeInformation, "QQ客服" RV_STATIC_SUPPORT};
const Notice kMessengerNotice = {"联系方式", kNoticeInformation, "客服微信" RV_MESSENGER_ID};

const Notice kUsageNotice = {
    "使用操作说明", kNoticeInformation,
    "请认真学习了解：\r\n"
    "1.本软件可用于静态ip拨号，动态ip自动定时拨号，专线拨号。\r\n"
    "2.本软件自带掉线重拨功能，掉线自动断开本地网络功能（包括自动断开‘本地连接’和‘WLAN’的WIFI），掉线音响功能，自动清除IE缓存和cookie功能，动态服务器自动定时连断功能。\r\n"
    "3.请先修改好网线连接名称‘本地连接’和 WIFI名称‘WLAN’再使用，否则掉线自动断开本地网络功能可能无效！\r\n"
    "4.使用过程中有问题的，可以点击 修复故障，软件自动帮您修复好本软件故障。\r\n"
    "5.禁用本地连接和WLAN后，请点击【启用本地网络】就可以恢复本地网络了。\r\n"
    "6.其它功能请看文字自助认识即可，需要什么功能的自助勾选上使用即可。\r\n"
    "7.其它问题请自助测试一下。\r\n"
    "8.需要更多功能的请联系本软件QQ客服订制。"};

const Notice kDisclaimerFirst = {kDisclaimerTitle, kNoticePlain,
                                 RV_DISCLAIMER("1.本软件作者承诺绝非木马病毒产品，有误报的加白名单使用即可。")};
const Notice kDisclaimerSecond = {kDisclaimerTitle, kNoticePlain,
                                  RV_DISCLAIMER("1.本软件功能强大，有误报的加白名单使用即可。")};
const Notice kDisclaimerThird = {kDisclaimerTitle, kNoticePlain,
                                 RV_DISCLAIMER("1.本软件如有误报请加白名单使用即可。")};

const Notice kError691Notice = {
    "691错误--解决方法", kNoticePlain,
    "1.请确认填写的用户名和密码正确无误。" RV_BLANK
    "2.请确认1个账户1个设备上使用，因为基本上所有的账户都是限制同时使用设备数是1台，不要多台设备同时使用，除非开通的是多线账户。" RV_BLANK
    "3.卡线，一般因为频繁换线路在服务器上一直在线卡住，解决方法：可以自己关了软件，稍后几分钟再打开登陆使用，或联系客服帮您后台断开账户。"};

const Notice kCannotConnectNotice = {
    "怎么都无法连接--解决方法", kNoticePlain,
    "1.重启路由器和电脑。" RV_BLANK "2.请安错误628方法处理一下。" RV_BLANK
    "3.查询自己路由器型号支不支持vpn功能。" RV_BLANK "4.请换个不同网络试试。" RV_BLANK
    "5.最后都解决不了的只能重装个纯净版的windows系统再使用！"};

const Notice kMoreFeaturesNotice = {"更多功能请定制", kNoticeInformation,
                                    "更多功能请定制，请联系本软件QQ客服" RV_STATIC_SUPPORT "订制。"};

const Notice kEmulatorNotice = {"联系客服咨询", kNoticeInformation,
                                "安卓模拟器，安卓手机，苹果手机使用方法请联系客服索要教程！\r\n"
                                "VIP专属QQ客服" RV_DYNAMIC_SUPPORT};

#undef RV_DISCLAIMER
#undef RV_BLANK

void ShowNotice(App& app, const Notice& notice) {
  NoticeBox(app, notice.text, notice.style, std::string(notice.title));
}

}  // namespace rv
