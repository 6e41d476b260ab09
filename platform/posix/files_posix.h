#pragma once
// Real files on the host. The program directory is a folder chosen at
// construction; the program's "\\" separators become "/".
#include <string>

#include "platform/files.h"

namespace rv {

class FilesPosix final : public FilesApi {
 public:
  explicit FilesPosix(std::string programDir) : programDir_(std::move(programDir)) {}
  std::string ProgramDir() override { return programDir_; }
  bool WriteWhole(const std::string& path, std::string_view bytes) override;

  // The host path of a program path: every "\\" becomes "/".
  static std::string HostPath(const std::string& path);

 private:
  std::string programDir_;
};

}  // namespace rv
