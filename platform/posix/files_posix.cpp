#include "platform/posix/files_posix.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace rv {

std::string FilesPosix::HostPath(const std::string& path) {
  std::string out = path;
  for (char& c : out)
    if (c == '\\') c = '/';
  return out;
}

namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

bool FilesPosix::WriteWhole(const std::string& path, std::string_view bytes) {
  const std::string host = HostPath(path);
  // Not O_TRUNC: a file another writer holds locked must stay as it is, as a
  // share-exclusive open on Windows would leave it.
  int fd = ::open(host.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::ftruncate(fd, 0) == 0 && WriteAll(fd, bytes);
  if (::close(fd) != 0) ok = false;
  return ok;
}

}  // namespace rv
