#pragma once
// The web components' stores: the URL cache, the special folders of
// cookies, temporary internet files and history, the file operations the
// cleanup needs, and deleting a key of the current user's registry.
// Paths are UTF-8 and composed only through ChildPath.
#include <cstdint>
#include <string>
#include <vector>

namespace rv {

// Entry type flag of a cookie in the URL cache.
inline constexpr uint32_t kCookieCacheEntry = 0x00100000;

struct UrlCacheEntry {
  std::string sourceUrl;  // as the cache lists it; passed back unchanged to delete it
  uint32_t type = 0;
};

enum class BrowserFolder { Cookies, InternetCache, History };

struct FolderEntry {
  std::string name;
  bool folder = false;
  bool readOnly = false;
  bool link = false;  // a symbolic link or reparse point: never descended into
};

class BrowserStoreApi {
 public:
  virtual ~BrowserStoreApi() = default;

  virtual std::vector<UrlCacheEntry> UrlCacheEntries() = 0;
  virtual bool RemoveUrlCacheEntry(const std::string& sourceUrl) = 0;

  // Empty when the platform has no such folder.
  virtual std::string SpecialFolder(BrowserFolder which) = 0;
  virtual std::string WindowsDirectory() = 0;
  virtual std::string ChildPath(const std::string& folder, const std::string& name) = 0;

  // The entries of one folder, without "." and "..". False when it cannot be read.
  virtual bool ListFolder(const std::string& folder, std::vector<FolderEntry>* entries) = 0;
  virtual bool ClearReadOnly(const std::string& path) = 0;
  // Overwrites the file with zero bytes from `offset` to its end; its size stays.
  virtual bool ZeroFrom(const std::string& path, uint64_t offset) = 0;
  virtual bool RemoveFile(const std::string& path) = 0;
  // Removes an empty folder.
  virtual bool RemoveFolder(const std::string& path) = 0;

  // Deletes a key of the current user with everything below it.
  virtual bool DeleteUserKeyTree(const std::string& subKey) = 0;
};

}  // namespace rv
