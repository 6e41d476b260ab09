#pragma once
// Files beside the program through the Win32 file calls.
#include "platform/files.h"

namespace rv::win32 {

class FilesWin32 final : public FilesApi {
 public:
  std::string ProgramDir() override;
  bool WriteWhole(const std::string& path, std::string_view bytes) override;
};

}  // namespace rv::win32
