#pragma once
// Message boxes for the simulated platform: each box is recorded and answered
// at once (OK unless a test scripts another answer).
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace rv {
class Forms;
}

namespace rv::sim {

struct ShownBox {
  WindowHandle owner;
  std::string text;
  std::string title;
  uint32_t style;
};

class SimDialogs final : public DialogApi {
 public:
  static constexpr uint32_t kProcessId = 4242;
  explicit SimDialogs(Forms& forms) : forms_(forms) {}

  int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& title,
                     uint32_t style) override;
  std::vector<WindowInfo> EnumTopLevelWindows() override;
  uint32_t CurrentProcessId() override { return kProcessId; }

  std::vector<ShownBox> Boxes();
  void SetAnswer(int result) { answer_ = result; }
  // Windows of other processes that the enumeration lists first.
  void AddForeignWindow(const WindowInfo& w);

 private:
  Forms& forms_;
  std::mutex mutex_;
  std::vector<ShownBox> boxes_;
  std::vector<WindowInfo> foreign_;
  int answer_ = 1;
};

}  // namespace rv::sim
