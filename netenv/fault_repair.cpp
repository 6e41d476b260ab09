// Fault repair: moves the line on to a fresh entry name and hangs up and
// removes what is left under the program's entry names in the default
// phonebooks.
#include <string>

#include "app/connection_title.h"
#include "netenv/message_line.h"
#include "netenv/netenv.h"
#include "vpn/vpn.h"

namespace rv {

namespace {
constexpr int kLastExaminedSuffix = 51;
}

void RepairDialState(App& app, Line line) {
  ShowInMessageLine(app, line, "正在自动修复中...");
  SharedText& suffix = app.state.EntrySuffix(line);
  suffix.Set(NextSuffixForRepair(suffix.Get()));
  for (int i = 1; i <= kLastExaminedSuffix; ++i) {
    const std::string name = EntryName(std::to_string(i));
    if (!DefaultPhonebookHasEntry(app, name)) continue;
    HangUpCurrentConnection(app);
    app.state.Dialer(line)->HangUpEntryByName(name);
  }
  ShowInMessageLine(app, line, "自动修复故障已完成，请连接使用！");
}

}  // namespace rv
