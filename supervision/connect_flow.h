#pragma once
// The static line's connect, the connect attempt both lines run, the entry
// suffix rotation and the option interlocks of both main windows.
#include <span>

#include "app/app.h"

namespace rv {

enum class ConnectResult { Connected, NotConnected, Stopped };

// Click handler of 按钮_连接 of StaticLineWindow; runs on the UI thread.
void StaticConnect(App& app);
// Writes and dials the line's entry and polls the message line every second
// until the dial reports "连接成功" or the stop flag is 1.
ConnectResult RunConnectAttempt(App& app, Line line);
// "10", "20" and "50" become "1"; anything else its integer value plus one.
void RotateEntrySuffix(App& app, Line line);

// One option box's rule: when the click leaves it ticked, `tickOn` are
// ticked and `untickOn` unticked; when it leaves it unticked, `untickOff`
// are unticked. Partners already in that state are left alone, and a box
// changed by a rule does not run its own rule.
struct InterlockRule {
  const char* window;
  const char* box;
  std::span<const char* const> tickOn;
  std::span<const char* const> untickOn;
  std::span<const char* const> untickOff = {};
};

std::span<const InterlockRule> InterlockRules();
void ApplyInterlock(Form& form, const InterlockRule& rule);

}  // namespace rv
