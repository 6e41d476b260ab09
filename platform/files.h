#pragma once
// Files the program writes beside itself. Paths are UTF-8 and composed with
// "\\" as on Windows; a backend maps them to its own file system.
#include <string>
#include <string_view>

namespace rv {

class FilesApi {
 public:
  virtual ~FilesApi() = default;
  // Directory of the running program, without a trailing separator.
  virtual std::string ProgramDir() = 0;
  // Creates the file or truncates it, opened for exclusive writing, writes
  // `bytes` in one piece and closes it. False when any step fails.
  virtual bool WriteWhole(const std::string& path, std::string_view bytes) = 0;
};

}  // namespace rv
