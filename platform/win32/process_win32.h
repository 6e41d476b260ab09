#pragma once
// Starting command lines hidden, without waiting for them.
#include "platform/process.h"

namespace rv::win32 {

class ProcessWin32 final : public ProcessApi {
 public:
  // commandLine is UTF-8; the process gets it as a wide command line.
  bool StartHidden(const std::string& commandLine) override;
};

}  // namespace rv::win32
