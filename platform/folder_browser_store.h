#pragma once
// The browser stores on real files under one root folder, laid out as the
// web components keep them:
//   Cookies/  INetCache/  History/  Windows/History/
//   UrlCache/   one file per cache entry: the type flags in hex on the first
//               line, the source URL on the second
//   registry.txt  the current user's registry keys, one path a line
// Deleting a read-only file fails, as it does on Windows; a file marked in
// use cannot be removed, like a file another program holds open. Portable
// (std::filesystem, UTF-8 paths): the host tests keep their stores here, and
// the program's sandbox mode keeps its stores in its sandbox folder.
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/browser_store.h"

namespace rv {

class FolderBrowserStore final : public BrowserStoreApi {
 public:
  explicit FolderBrowserStore(std::string root) : root_(std::move(root)) {}

  const std::string& root() const { return root_; }
  // Creates the folders of the layout (not the key list).
  void CreateLayout();
  void AddUrlCacheEntry(const std::string& sourceUrl, uint32_t type);
  void AddUserKey(const std::string& subKey);
  std::vector<std::string> UserKeys();
  void MarkInUse(const std::string& path);
  // What changed, in order: "uncache URL", "zero PATH", "remove PATH",
  // "rmdir PATH", "unkey KEY"; paths relative to the root.
  std::vector<std::string> Journal();

  std::vector<UrlCacheEntry> UrlCacheEntries() override;
  bool RemoveUrlCacheEntry(const std::string& sourceUrl) override;
  std::string SpecialFolder(BrowserFolder which) override;
  std::string WindowsDirectory() override;
  std::string ChildPath(const std::string& folder, const std::string& name) override;
  bool ListFolder(const std::string& folder, std::vector<FolderEntry>* entries) override;
  bool ClearReadOnly(const std::string& path) override;
  bool ZeroFrom(const std::string& path, uint64_t offset) override;
  bool RemoveFile(const std::string& path) override;
  bool RemoveFolder(const std::string& path) override;
  bool DeleteUserKeyTree(const std::string& subKey) override;

 private:
  std::string KeyListPath() const { return root_ + "/registry.txt"; }
  std::string CacheFolder() const { return root_ + "/UrlCache"; }
  void Note(const std::string& what, const std::string& path);

  std::string root_;
  std::mutex mutex_;
  std::set<std::string> inUse_;
  std::vector<std::string> journal_;
};

}  // namespace rv
