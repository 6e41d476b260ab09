#pragma once
// The web components' stores on Windows: the URL cache, the special folders,
// the file calls and the current user's registry.
#include "platform/browser_store.h"

namespace rv::win32 {

class BrowserStoreWin32 final : public BrowserStoreApi {
 public:
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
};

}  // namespace rv::win32
