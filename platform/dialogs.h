#pragma once
// Message boxes and top-level window enumeration.
#include <cstdint>
#include <string>
#include <vector>

namespace rv {

using WindowHandle = uint64_t;

struct WindowInfo {
  WindowHandle handle = 0;
  uint32_t processId = 0;
  uint32_t threadId = 0;
  std::string title;
  std::string className;
  bool visible = false;
};

// MessageBox styles the program uses (values of the platform).
constexpr uint32_t kMbOk = 0x0;
constexpr uint32_t kMbIconInformation = 0x40;

class DialogApi {
 public:
  virtual ~DialogApi() = default;
  // Returns the platform's result (IDOK = 1 ...).
  virtual int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& title,
                             uint32_t style) = 0;
  virtual std::vector<WindowInfo> EnumTopLevelWindows() = 0;
  virtual uint32_t CurrentProcessId() = 0;
};

}  // namespace rv
