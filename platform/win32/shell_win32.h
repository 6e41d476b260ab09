#pragma once
// The shell's "open" verb through ShellExecuteW.
#include "platform/shell.h"

namespace rv::win32 {

class ShellWin32 final : public ShellApi {
 public:
  bool Open(const std::string& target) override;
};

}  // namespace rv::win32
