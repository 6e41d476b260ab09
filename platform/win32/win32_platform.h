#pragma once
// Owns every Win32 backend of the program and hands them out as a Platform.
#include <memory>

#include "platform/platform.h"

namespace rv::win32 {

class Win32Platform {
 public:
  Win32Platform();
  ~Win32Platform();
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  const Platform& platform() const { return platform_; }

 private:
  struct Backends;
  std::unique_ptr<Backends> backends_;
  Platform platform_;
};

}  // namespace rv::win32
