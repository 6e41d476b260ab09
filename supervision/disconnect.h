#pragma once
// Ending and renewing a line: the disconnect of either main window, the
// static line's timed reconnect loop, the drop test and the validators of
// the two interval boxes.
#include "app/app.h"

namespace rv {

// Worker of 按钮_断开.
void Disconnect(App& app, Line line);
// Static window: drops and redials the line every period so that the
// public address changes; counts the cycles.
void TimedReconnectLoop(App& app);
// Worker of 按钮_测试: hangs up without raising the stop flag, so that the
// link monitor sees a real drop.
void DropTest(App& app, Line line);

// Lost-focus handlers of 编辑框_监控时间秒 and 编辑框_连断时间秒.
void ValidateMonitorInterval(App& app, Form& window);
void ValidateReconnectPeriod(App& app, Form& window);

// Tolerance of the interval comparisons.
inline constexpr double kIntervalTolerance = 0.0000001;

}  // namespace rv
