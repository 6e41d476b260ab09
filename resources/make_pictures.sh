#!/usr/bin/env bash
# Makes the program's pictures (the dynamic window's banner, the dial-error
# and phone set-up help pictures, the usage introduction and the messenger
# card) into resources/files/, where the build embeds them.
#
# Each picture is written as a small page script read from standard input,
# one element per line:
#   = TEXT          title band
#   # TEXT          section heading
#   - TEXT          body line
#   ! TEXT          warning line (red)
#   [ TEXT          start of a phone or dialog screen with that title bar
#   | LABEL|VALUE   one row of the screen
#   ]               end of the screen
#   (empty line)    a little space
# Run it again after changing a text: bash resources/make_pictures.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out="$here/files"
font=/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc
command -v convert >/dev/null || { echo "ImageMagick convert is missing (scripts/setup.sh installs it)" >&2; exit 1; }
[ -f "$font" ] || { echo "font $font is missing (scripts/setup.sh installs fonts-wqy-zenhei)" >&2; exit 1; }

# The support contacts, as the program carries them.
contact() { sed -n "s/^#define $1 \"\(.*\)\"$/\1/p" "$here/../ui/support_contacts.h"; }
STATIC_QQ=$(contact RV_STATIC_SUPPORT)
DYNAMIC_QQ=$(contact RV_DYNAMIC_SUPPORT)
MESSENGER=$(contact RV_MESSENGER_ID)

BLUE='#1f5fa8'
DARK='#123a6b'

# page WIDTH FILE < page script
page() {
  local width=$1 file=$2
  local y=0 screenTop=0 args=() line kind text label value
  local left=36 sx=70 sw=$((width - 140))
  while IFS= read -r line || [ -n "$line" ]; do
    kind=${line:0:1}
    text=${line:2}
    case "$kind" in
      '=')
        args+=(-fill "$BLUE" -draw "rectangle 0,$y $width,$((y + 84))"
               -fill white -pointsize 34 -annotate +$left+$((y + 56)) "$text")
        y=$((y + 108)) ;;
      '#')
        y=$((y + 10))
        args+=(-fill '#e8f0fb' -draw "rectangle 18,$y $((width - 18)),$((y + 54))"
               -fill "$BLUE" -draw "rectangle 18,$y 27,$((y + 54))"
               -fill "$DARK" -pointsize 28 -annotate +$((left + 6))+$((y + 38)) "$text")
        y=$((y + 72)) ;;
      '-' | '!')
        # Continuation lines keep their indent (the renderer drops leading spaces).
        [[ "$text" == "   "* ]] && text="　　${text#"${text%%[! ]*}"}"
        local color='#222222'
        [ "$kind" = '!' ] && color='#c0392b'
        args+=(-fill "$color" -pointsize 24 -annotate +$left+$((y + 28)) "$text")
        y=$((y + 40)) ;;
      '[')
        y=$((y + 8))
        screenTop=$y
        args+=(-fill '#2d3436' -draw "rectangle $sx,$y $((sx + sw)),$((y + 56))"
               -fill white -pointsize 24 -annotate +$((sx + 24))+$((y + 37)) "$text")
        y=$((y + 56)) ;;
      '|')
        label=${text%%|*}
        value=${text#*|}
        args+=(-fill '#fbfbfb' -draw "rectangle $sx,$y $((sx + sw)),$((y + 60))"
               -fill '#dddddd' -draw "rectangle $((sx + 16)),$((y + 59)) $((sx + sw - 16)),$((y + 60))"
               -fill '#222222' -pointsize 24 -annotate +$((sx + 24))+$((y + 39)) "$label"
               -fill "$BLUE" -annotate +$((sx + sw * 9 / 20))+$((y + 39)) "$value")
        y=$((y + 60)) ;;
      ']')
        args+=(-fill none -stroke '#888888' -strokewidth 2
               -draw "roundrectangle $sx,$screenTop $((sx + sw)),$y 6,6" -stroke none)
        y=$((y + 22)) ;;
      '') y=$((y + 16)) ;;
      *) echo "$file: cannot read page line: $line" >&2; exit 1 ;;
    esac
  done
  local height=$((y + 40))
  local target="$out/$file"
  case "$file" in
    *.jpg) convert -size "${width}x${height}" xc:white -font "$font" "${args[@]}" \
             -strip -sampling-factor 4:2:0 -quality 80 "$target" ;;
    *.png) convert -size "${width}x${height}" xc:white -font "$font" "${args[@]}" \
             -strip -colors 48 "PNG8:$target" ;;
  esac
  echo "$file ${width}x${height} $(stat -c %s "$target") bytes"
}

# Parts that several set-up pages share.
android_first_steps() {
  cat <<'PART'
# 第1步：打开VPN设置
- 打开手机【设置】，进入【更多连接】或【网络和互联网】，
- 找到并点击【VPN】。
[ 设置
| WLAN|已连接
| 移动网络|
| 更多连接|>
| VPN|未连接  >
]
# 第2步：添加VPN网络
- 点击右上角的【+】或【添加VPN网络】。
- 首次使用可能要求设置锁屏密码，按提示设置即可。
[ VPN
| 添加VPN网络|+
| 始终开启的VPN|关闭
]
PART
}

# android_connect STEP NAME: connecting the entry NAME and checking the link.
android_connect() {
  cat <<PART
# 第$1步：连接VPN
- 点击刚才建立的VPN，输入用户名和密码，
- 勾选【保存帐户信息】，再点击【连接】。
[ 连接到 $2
| 用户名|你的用户名
| 密码|＊＊＊＊＊＊
| 保存帐户信息|√ 已勾选
| 连接|>
]
# 第$(($1 + 1))步：查看连接状态
- 状态栏出现钥匙图标，VPN 显示【已连接】即连接成功。
- 打开浏览器搜索“IP”，即可看到新的IP地址。
PART
}

apple_first_step() {
  cat <<'PART'
# 第1步：打开【设置】→【通用】
[ 设置
| 无线局域网|已连接
| 蜂窝移动网络|
| 通用|>
]
PART
}

apple_add_config() {
  cat <<'PART'
# 第3步：添加VPN配置
- 点击【添加VPN配置...】。
[ VPN
| 添加VPN配置...|>
]
PART
}

# trouble FIRST-CHECK THIRD-HINT: the closing section of a set-up page.
trouble() {
  cat <<PART
# 连接不上怎么办
- 1. $1
- 2. 换一条线路的服务器地址再试。
- 3. $2
- 4. 一个账户同时只能在一台设备上使用。
- 5. 仍无法连接请联系客服QQ $DYNAMIC_QQ。
PART
}

mkdir -p "$out"

# --- the banner on top of DynamicLineWindow (870 x 90) ---
convert -size 870x90 gradient:'#0d3b78'-'#1b82c9' -font "$font" \
  -fill white -pointsize 38 -annotate +28+58 "Rovanta 动态IP" \
  -fill '#ffe28a' -pointsize 22 -annotate +330+40 "国内多城市高速线路 · 一键自动换IP" \
  -fill white -pointsize 18 -annotate +330+70 "VIP专属客服QQ：$DYNAMIC_QQ    自助开通 · 即时到账 · 24小时服务" \
  -strip -sampling-factor 4:2:0 -quality 80 "$out/banner.jpg"
echo "banner.jpg 870x90 $(stat -c %s "$out/banner.jpg") bytes"

# --- dial errors 628, 720, 633, 619, 721 ---
page 760 help_dial_errors.jpg <<EOF
= 错误628、720、633、619、721 解决方法
- 以下错误大多与本机网络或系统的拨号组件有关，请按顺序处理。

# 错误628：在连接完成前，连接被远程计算机终止
- 1. 检查用户名和密码是否填写正确，前后不要有空格。
- 2. 点击软件上的【修复故障】，稍等10秒后再连接。
- 3. 换一条线路（服务器地址）再试。
- 4. 重启路由器和电脑后再试。
! 若仍然出现628，请把协议换成 L2TP 或 SSTP 再连接。

# 错误720：不能建立到远程计算机的连接
- 1. 打开【设备管理器】→【网络适配器】，
-    卸载所有 WAN Miniport 设备，然后重启电脑，
-    系统会自动重新安装这些设备。
- 2. 以管理员身份运行命令提示符，输入：
-    netsh winsock reset  回车后重启电脑。

# 错误633：调制解调器已在使用或没有正确配置
- 1. 关闭其它拨号或VPN软件，再点击【修复故障】。
- 2. 重启电脑后只打开本软件连接。
- 3. 仍然出现时，按错误720的方法重装 WAN Miniport。

# 错误619：无法建立到远程计算机的连接
- 1. 路由器或防火墙拦截了VPN，请在路由器中打开
-    【PPTP穿透】或【VPN穿透】功能。
- 2. 暂时关闭电脑上的防火墙和杀毒软件后再试。
- 3. 换成 L2TP 或 SSTP 协议连接。

# 错误721：远程计算机没有响应
- 1. 当前网络不支持 PPTP（GRE 协议被封），
-    请换成 L2TP 或 SSTP 协议连接。
- 2. 换一个网络（例如手机热点）试试。
- 3. 换一条线路（服务器地址）再试。

# 还是解决不了？
- 请联系客服QQ $STATIC_QQ，说明错误代码和使用的网络。
EOF

# --- dial error 756 ---
page 640 help_error_756.png <<EOF
= 错误756 解决方法
- 错误756：此连接已经在拨号中。

# 原因
- 上一次拨号还没有结束，或者软件异常退出后
- 系统里还留着正在拨号的连接。

# 解决方法
- 1. 点击【断 开】，等待5秒后再点击【启动连接】。
- 2. 点击【修复故障】，软件会挂断残留的连接
-    并换用新的连接名称。
- 3. 仍然不行时，关闭软件，稍等1分钟后再打开。
- 4. 最后重启电脑即可彻底解决。

[ 软件界面
| 修复故障|点击一次即可
| 启动连接|稍等几秒再点击
]
! 注意：不要连续快速地多次点击【启动连接】。
EOF

# --- dial error 806 ---
page 700 help_error_806.png <<EOF
= 错误806 解决方法
- 错误806：已在计算机和VPN服务器之间建立了连接，
- 但无法完成VPN连接（GRE 协议被拦截）。

# 解决方法
- 1. 进入路由器管理页面，打开【PPTP穿透】
-    或【VPN穿透】，保存后重启路由器。
- 2. 关闭电脑的防火墙或在防火墙中放行 GRE 协议。
- 3. 公司网、校园网多数会拦截 PPTP，
-    请把协议换成 L2TP 或 SSTP 再连接。
- 4. 换一个网络（例如手机热点）试试。

[ 协议选择
| PPTP|网络不拦截时速度最快
| L2TP|适合公司网、校园网
| SSTP|PPTP、L2TP都不行时使用
]
EOF

# --- phone set-up: Android PPTP ---
page 850 help_android_pptp.jpg <<EOF
= 安卓手机 PPTP 连接设置图文教程
- 适用于安卓4.0及以上的手机，各品牌菜单名称略有不同。
- 设置前请准备好：服务器地址、用户名、密码。

$(android_first_steps)
# 第3步：填写VPN信息
- 名称：随意填写，例如“Rovanta动态IP”。
- 类型：选择 PPTP。
- 服务器地址：填写软件线路列表中的服务器地址。
[ 编辑VPN网络
| 名称|Rovanta动态IP
| 类型|PPTP
| 服务器地址|线路的服务器地址
| PPP加密(MPPE)|√ 已勾选
| 显示高级选项|不用勾选
]
# 第4步：保存设置
- 勾选【PPP加密(MPPE)】，其它选项保持默认，点击【保存】。
! 注意：服务器地址前后不要有空格，字母不要填错。

$(android_connect 5 "Rovanta动态IP")
- 需要换IP时：断开后重新连接一次即可。

$(trouble "检查用户名、密码是否填写正确（错误691）。" "当前网络不支持 PPTP 时，请按 L2TP 教程设置。")
EOF

# --- phone set-up: Apple PPTP ---
page 850 help_apple_pptp.jpg <<EOF
= 苹果手机 PPTP 连接设置图文教程
- 适用于自带 PPTP 的 iOS 系统版本（iOS 9 及以下）。
- 新版本系统已去掉 PPTP，请直接按苹果手机 L2TP 教程设置。

$(apple_first_step)
# 第2步：进入【VPN】
- 在【通用】页面向下滑动，找到并点击【VPN】。
[ 通用
| 关于本机|>
| 软件更新|>
| VPN|未连接  >
]
$(apple_add_config)
# 第4步：选择类型 PPTP
- 点击最上面的【类型】，选择【PPTP】，返回上一页。
[ 类型
| L2TP|
| PPTP|√
| IPSec|
]
# 第5步：填写VPN信息
- 描述：随意填写，例如“Rovanta动态IP”。
- 服务器：填写软件线路列表中的服务器地址。
- 帐户：你的用户名；密码：你的密码。
[ 添加配置
| 描述|Rovanta动态IP
| 服务器|线路的服务器地址
| 帐户|你的用户名
| RSA SecurID|关闭
| 密码|＊＊＊＊＊＊
| 加密级别|自动
| 发送所有流量|开启
| 代理|关闭
]
# 第6步：保存配置
- 确认【发送所有流量】为开启，点击右上角【完成】。
! 注意：服务器地址前后不要有空格。

# 第7步：打开VPN开关
- 回到【VPN】页面，选中刚才的配置，打开【状态】开关。
[ VPN
| Rovanta动态IP|√
| 状态|已连接
]
# 第8步：确认连接成功
- 屏幕顶部状态栏出现【VPN】图标即连接成功。
- 打开浏览器搜索“IP”，即可看到新的IP地址。

# 第9步：换IP的方法
- 关闭【状态】开关，等待3秒，再打开一次即可换新IP。
- 也可以在设置页面首页直接开关【VPN】。

$(trouble "检查帐户和密码是否填写正确（错误691）。" "移动网络和无线局域网都试一下。")
EOF

# --- phone set-up: Android L2TP ---
page 850 help_android_l2tp.jpg <<EOF
= 安卓手机 L2TP 连接设置图文教程
- L2TP 适合公司网、校园网和不支持 PPTP 的网络。
- 设置前请准备好：服务器地址、用户名、密码、预共享密钥。
- 预共享密钥请向客服索取。

$(android_first_steps)
# 第3步：选择类型 L2TP/IPSec PSK
- 类型一栏点开后选择【L2TP/IPSec PSK】。
[ 类型
| PPTP|
| L2TP/IPSec PSK|√
| L2TP/IPSec RSA|
| IPSec Xauth PSK|
]
# 第4步：填写VPN信息
- 名称：随意填写，例如“Rovanta动态IP L2TP”。
- 服务器地址：填写软件线路列表中的服务器地址。
- IPSec预共享密钥：填写客服提供的密钥。
[ 编辑VPN网络
| 名称|Rovanta动态IP L2TP
| 类型|L2TP/IPSec PSK
| 服务器地址|线路的服务器地址
| L2TP密钥|不填
| IPSec标识符|不填
| IPSec预共享密钥|客服提供的密钥
]
# 第5步：保存设置
- 其它选项保持默认，点击【保存】。
! 注意：【L2TP密钥】一栏不要填写，填了会连接失败。

$(android_connect 6 "Rovanta动态IP L2TP")

# 第8步：换IP的方法
- 点击已连接的VPN，选择【断开连接】，
- 等待3秒后再点击【连接】即可换新IP。

$(trouble "检查用户名、密码和预共享密钥是否正确。" "移动网络和WLAN都试一下。")
EOF

# --- phone set-up: Apple L2TP (taller than the picture box: it is cut) ---
page 850 help_apple_l2tp.jpg <<EOF
= 苹果手机 L2TP 连接设置图文教程
- 适用于所有 iOS 系统版本，新版本系统请使用 L2TP。
- 设置前请准备好：服务器地址、用户名、密码、密钥。
- 密钥（预共享密钥）请向客服索取。

$(apple_first_step)
# 第2步：进入【VPN与设备管理】
- 在【通用】页面向下滑动，点击【VPN与设备管理】，
- 再点击【VPN】（老版本系统直接是【VPN】）。
[ 通用
| 关于本机|>
| 软件更新|>
| VPN与设备管理|>
]
$(apple_add_config)
# 第4步：选择类型 L2TP
- 点击最上面的【类型】，选择【L2TP】，返回上一页。
[ 类型
| IKEv2|
| IPSec|
| L2TP|√
]
# 第5步：填写VPN信息
- 描述：随意填写，例如“Rovanta动态IP”。
- 服务器：填写软件线路列表中的服务器地址。
- 帐户：你的用户名；密码：你的密码。
- 密钥：客服提供的预共享密钥。
[ 添加配置
| 描述|Rovanta动态IP
| 服务器|线路的服务器地址
| 帐户|你的用户名
| RSA SecurID|关闭
| 密码|＊＊＊＊＊＊
| 密钥|客服提供的密钥
| 发送所有流量|开启
| 代理|关闭
]
# 第6步：保存配置
- 确认【发送所有流量】为开启，点击右上角【完成】。
! 注意：服务器地址和密钥前后不要有空格。

# 第7步：打开VPN开关
- 回到【VPN】页面，选中刚才的配置，打开【状态】开关。
[ VPN
| Rovanta动态IP|√
| 状态|正在连接...
]
# 第8步：确认连接成功
- 【状态】显示【已连接】，屏幕顶部出现【VPN】图标。
- 打开浏览器搜索“IP”，即可看到新的IP地址。
[ VPN
| Rovanta动态IP|√
| 状态|已连接
| 连接时间|0:00:05
]
# 第9步：换IP的方法
- 关闭【状态】开关，等待3秒，再打开一次即可换新IP。
- 也可以在设置页面首页直接开关【VPN】。

# 第10步：更换线路
- 进入【VPN】页面，点击配置右边的【i】图标，
- 把【服务器】改成另一条线路的地址，点击【完成】。

# 常见提示及解决方法
- “L2TP-VPN服务器没有响应”：
-    换一条线路，或者换移动网络/无线局域网再试。
- “IPSec共享密钥丢失”：
-    密钥没有填写或填写错误，请重新填写密钥。
- “用户鉴定失败”：
-    帐户或密码错误，或者账户已在其它设备上使用。
- “无法连接到服务器”：
-    检查服务器地址是否填写正确，或换一条线路。
- “VPN连接已断开”：
-    网络信号变化导致断开，重新打开【状态】开关即可。

$(trouble "检查帐户、密码和密钥是否填写正确。" "移动网络和无线局域网都试一下。")

# 第11步：删除旧的VPN配置
- 以前建立过其它VPN配置的，建议删除不用的配置：
- 点击配置右边的【i】图标，拉到最下面点击【删除VPN】。
[ 配置详情
| 描述|旧的VPN配置
| 删除VPN|点击删除
]
# 第12步：快速开关VPN
- 配置好以后，不用每次进入【通用】：
- 在【设置】首页就有【VPN】开关，打开即连接，关闭即断开。
[ 设置
| 飞行模式|关闭
| 无线局域网|已连接
| VPN|开启
]
# 使用小技巧
- 1. 换IP前先关闭正在使用的应用，换好后再打开。
- 2. 无线局域网和蜂窝移动网络都能使用VPN，
-    信号不好时请换一个网络连接。
- 3. 锁屏一段时间后系统可能断开VPN，
-    解锁后重新打开【状态】开关即可。
- 4. 同一条线路连续换IP时，偶尔会分到相同的IP，
-    再换一次或者换一条线路即可。

# 附：本教程说明
- 本教程按常见的系统版本编写，不同版本菜单名称略有不同，
- 找不到对应菜单时，在【设置】顶部搜索“VPN”即可。
- 教程图片很长，超出窗口的部分请拉动右边的【滚动条】查看。
- 更多问题请联系VIP专属客服QQ $DYNAMIC_QQ。
EOF

# --- usage introduction (DynamicLineWindow, menu "使用介绍") ---
page 838 usage_intro.png <<EOF
= Rovanta 动态IP 使用介绍
# 一、填写账户
- 在左上方填写客服提供的【用户名】和【密码】。
# 二、选择协议
- 一般选 L2TP；网速要求高且网络支持时选 PPTP；
- PPTP 和 L2TP 都连接不上时选 SSTP。
# 三、选择城市线路
- 在中间的【动态城市服务器列表】中点击要用的城市，
- 可在【地区搜索】中输入省份或城市快速查找。
# 四、启动连接
- 点击【启动连接】，下方信息栏显示【连接成功】即可上网。
- 勾选【记录每次换ip是多少】，每次连接后都会记录新IP。
# 五、换IP
- 点击【断 开】后再点击【启动连接】即可换新IP；
- 勾选热键后，按 F1 一键断开再连接。
# 六、高级设置
- 定时自动换IP、服务器列表循环拨号、过滤重复IP、
- 掉线断网、掉线音效、窗口总在最前等都在【高级设置】中。
- 设置好后点击【保存配置】，下次打开自动读取。
# 七、遇到问题
- 点击【修复故障】或【常见问题 + 手机PPTP设置图文教程】，
- 或联系VIP专属客服QQ $DYNAMIC_QQ。
EOF

# --- messenger contact card ---
convert -size 473x496 xc:white -font "$font" \
  -fill "$BLUE" -draw "rectangle 0,0 473,96" \
  -fill white -pointsize 34 -annotate +32+62 "Rovanta 客服微信" \
  -fill '#e8f0fb' -draw "circle 236,200 236,130" \
  -fill "$BLUE" -pointsize 56 -annotate +208+222 "客" \
  -fill '#222222' -pointsize 26 -annotate +40+318 "微信号：$MESSENGER" \
  -fill '#555555' -pointsize 20 -annotate +40+362 "打开微信 →【添加朋友】→ 搜索上面的微信号" \
  -annotate +40+396 "添加时请备注：Rovanta用户" \
  -annotate +40+430 "安卓模拟器、手机使用方法请向客服索要教程" \
  -fill "$BLUE" -annotate +40+470 "QQ客服：$DYNAMIC_QQ" \
  -strip -sampling-factor 4:2:0 -quality 80 "$out/messenger_card.jpg"
echo "messenger_card.jpg 473x496 $(stat -c %s "$out/messenger_card.jpg") bytes"
