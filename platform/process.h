#pragma once
#include <string>

namespace rv {

class ProcessApi {
 public:
  virtual ~ProcessApi() = default;
  // Starts a command line with a hidden window and does not wait for it.
  virtual bool StartHidden(const std::string& commandLine) = 0;
};

}  // namespace rv
