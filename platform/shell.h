#pragma once
// The shell's "open" verb: hands a link or file to whatever program the
// system associates with it.
#include <string>

namespace rv {

class ShellApi {
 public:
  virtual ~ShellApi() = default;
  // UTF-8 target. Returns whether the shell accepted it.
  virtual bool Open(const std::string& target) = 0;
};

}  // namespace rv
