#pragma once
// Small steps that the connect flow, the monitor and the loops share: the
// entry name of a line, writing and dialing it with the window's account,
// stop-aware waits and giving the controls back.
#include <string>

#include "app/app.h"

namespace rv {

// ConnectionTitle + the line's entry suffix, as it is now.
std::string LineEntryName(App& app, Line line);
bool StopRequested(App& app, Line line);
// WriteVpnEntry under the current entry name with the window's trimmed user
// name and password, the trimmed server address and the tunnel type code.
void WriteLineEntry(App& app, Line line);
// DialVpnEntry of the current entry name; state texts go to the message line.
void DialLine(App& app, Line line);
void HangUpLineEntry(App& app, Line line);
// "Stop test, wait, stop test": false when the stop flag was seen as 1.
bool WaitUnlessStopped(App& app, Line line, int64_t ms);
// Enables 按钮_连接 and 编辑框_监控时间秒, and on the dynamic window its two
// server lists.
void GiveLineBack(App& app, Line line);
bool Ticked(App& app, Line line, const char* box);

}  // namespace rv
