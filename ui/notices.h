#pragma once
// The program's fixed notices: title, icon and text of each message box that
// menus and help buttons show.
#include <cstdint>

#include "app/app.h"

namespace rv {

struct Notice {
  const char* title;
  uint32_t style;  // kNoticePlain or kNoticeInformation
  const char* text;  // UTF-8, CR LF line breaks
};

inline constexpr uint32_t kNoticePlain = kMbOk;
inline constexpr uint32_t kNoticeInformation = kMbOk | kMbIconInformation;

extern const Notice kContactNotice;       // the static line's support number
extern const Notice kMessengerNotice;     // the support messenger id
extern const Notice kUsageNotice;
extern const Notice kDisclaimerFirst;     // static window, "用前必看"
extern const Notice kDisclaimerSecond;    // both windows, "用前需看"
extern const Notice kDisclaimerThird;     // dynamic window, "用前必看"
extern const Notice kError691Notice;
extern const Notice kCannotConnectNotice;
extern const Notice kMoreFeaturesNotice;  // 按钮_更多功能定制
extern const Notice kEmulatorNotice;      // 按钮_模拟器使用咨询

// Shows the notice modally; returns when it is closed.
void ShowNotice(App& app, const Notice& notice);

}  // namespace rv
