#pragma once
// Balloon tip texts. DynamicLineWindow carries all of them; AdvancedSettingsWindow
// attaches the same texts to its controls of the same names.
namespace rv::tips {

inline constexpr char kWindow[] = "哪里不懂，鼠标就停留在哪里，有提示说明哦";
inline constexpr char kUser[] = "这里填拨号验证的用户名，请不要填错";
inline constexpr char kPassword[] = "这里填拨号验证的密码，请不要填错";
inline constexpr char kPptp[] = "PPTP适合大部分网络拨号，网速快，连接不上的【请换用L2TP再连接】！";
inline constexpr char kL2tp[] = "L2TP适合教育网公司网等难连接的网络使用，用于解决难用的网络拨号，网速不如PPTP";
inline constexpr char kSstp[] = "SSTP适合各种奇葩网络和系统，PPTP和L2TP都连接不上时请换用SSTP协议";
inline constexpr char kTimedReconnect[] = "勾选则启用循环定时断开再连接功能！";
inline constexpr char kReconnectSeconds[] = "定时断开再连接间隔时间设置，建议填30秒以上，不能低于20秒！";
inline constexpr char kReconnectCount[] = "定时断开再连接次数记录，只用于显示不可填改！";
inline constexpr char kConnect[] = "填好信息，选好功能后，即可点击此按钮自动运行！";
inline constexpr char kDisconnect[] = "【断开】用于停止一切运行中的命令并断开ip连接！";
inline constexpr char kDialHelp[] = "各种常见的拨号错误或无法连接的解决方法！+ 安卓、苹果手机PPTP和L2TP详细的图文设置教程！";
inline constexpr char kEnableNetwork[] = "启用本地所有网络通信！启用后请稍等20秒彻底恢复网络再使用";
inline constexpr char kDisableNetwork[] = "断开本地所有网络通信，禁用后，可以点击启用本地网络即可恢复！";
inline constexpr char kAlarm[] = "勾选则启用掉线时声音响起！";
inline constexpr char kCutNetwork[] = "勾选则启用掉线时自动断开本地所有网络！注意：断网后，需要恢复的，请点击【启用本地网络】即可恢复";
inline constexpr char kMonitorSeconds[] = "建议时间修改值不小于0.01秒，时间过小会占用本地硬件资源！";
inline constexpr char kMonitorCount[] = "监控是否掉线时次数记录，只用于显示不可填改！！";
inline constexpr char kDropTest[] =
    "请一定要先【连接】连接成功后，再点击 【测试掉线】掉线，否则无效易出错！\r\n"
    "注：只想换ip的直接点击【断开】按钮，不要点击【测试掉线】！";
inline constexpr char kRepair[] = "【修复故障】只适用于修复本软件连接故障，其它问题解决方法请点击【常见拨号错误无法连接问题汇总】！";
inline constexpr char kRecordIp[] = "勾选则启用每次换ip时查询一次ip是多少并且记录在右边[结果显示框]中！";
inline constexpr char kQueryIp[] = "查询一次当前电脑的ip是多少！";
inline constexpr char kSaveSettings[] = "生成ini文件并保存当前所有的信息和配置到本软件目录下，关了软件再打开会自动读取记住的信息和配置！";
inline constexpr char kCycleList[] = "勾选则启用循环拨号【动态城市服务器列表】中的服务器地址！自动跳过维护中的线路，无限来回循环从上到下顺序拨号哦！";
inline constexpr char kResults[] = "这里不用填任何信息，\r\n用于显示运行结果！";
inline constexpr char kSaveResults[] = "自动生成txt文件并保存[运行结果显示框]中的所有信息到本软件目录下！";
inline constexpr char kClearResults[] = "清空上面的[运行结果显示框]所有内容！";
inline constexpr char kSearchInput[] = "输入要搜索的地区或诚市，例如输入浙江，全国，洛阳";
inline constexpr char kSearch[] = "输入地区自动搜索，你也可以多点击一次按钮搜索！";
inline constexpr char kRefreshList[] = "刷新一下获取最新动态城市服务器列表信息！";
inline constexpr char kServerList[] = "点击选择你要的【动态城市线路】，然后 【启动连接】！";
inline constexpr char kDuplicateFilter[] = "勾选则启用查询当前连接的ip，如果与之前使用的ip相同，就会自动断开再连接换个新ip！";
inline constexpr char kExpiryQuery[] = "点击查询正式号到期时间！";
inline constexpr char kBrowserCache[] = "勾选则每换一次ip都会自动清除一次IE缓存和Cookie！";
inline constexpr char kRedial[] = "勾选则出现掉线时会自动重新帮您连接成功！";
inline constexpr char kFourGroups[] = "勾选过滤重复ip并选中此项的，会自动分析整个ip是否与之前出现的ip重复，重复即重拨换ip！";
inline constexpr char kThreeGroups[] = "勾选过滤重复ip并选中此项的，会自动分析IP前缀三段是否与之前出现的ip重复，重复即重拨换ip！";
inline constexpr char kEmulatorHelp[] = "本产品全面支持各种奇葩网络，支持安卓模拟器SSTP使用，支持安卓苹果手机使用！";
inline constexpr char kTrayAfterConnect[] = "勾选则拨号连接成功后，本软件自动缩小成系统托盘！";
inline constexpr char kTopMost[] = "勾选此项，则本软件主窗口会自动总在最前！";
inline constexpr char kAdvanced[] = "可以设置多种高级功能，包括自动定时换ip，掉线断网，过滤重复ip等功能！";

}  // namespace rv::tips
