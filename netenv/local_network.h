#pragma once
// Cutting and restoring the local network: the static line switches its two
// named connections, the dynamic line releases and renews every address.
#include "app/app.h"

namespace rv {

inline constexpr const char* kWirelessConnection = "WLAN";
inline constexpr const char* kWiredConnection = "本地连接";

// Each reports in 编辑框_接收信息 of its main window; run as workers.
void CutLocalNetwork(App& app);
void RestoreLocalNetwork(App& app);
void ReleaseAllAddresses(App& app);
void RenewAllAddresses(App& app);

// The advanced settings window's drop-cut box: ticking it ticks the alarm and
// unticks the options that would reconnect after a drop.
void WireDropCutInterlocks(App& app);

}  // namespace rv
