// Browser traces: cookies, temporary internet files, typed addresses and
// history, in that order. Every failure is skipped; nothing is reported.
#include <cctype>
#include <string>
#include <vector>

#include "netenv/netenv.h"
#include "platform/browser_store.h"

namespace rv {

namespace {

constexpr const char* kTypedUrlsKey = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
// The history index keeps its 64-byte header; the records after it are zeroed
// before the file is deleted, so they are gone even when the delete fails.
constexpr uint64_t kIndexHeaderBytes = 64;
// Deeper trees are left alone rather than risk unbounded recursion.
constexpr int kMaxDepth = 64;

enum class Sweep {
  FilesOnly,  // every file below the folder goes, the folders stay
  History,    // files and sub-folders go, except desktop.ini; index.dat is zeroed first
};

bool NameIs(const std::string& name, const char* wanted) {
  std::string lower;
  for (char c : name) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower == wanted;
}

void SweepFolder(BrowserStoreApi& store, const std::string& folder, Sweep sweep, int depth) {
  if (folder.empty() || depth > kMaxDepth) return;
  std::vector<FolderEntry> entries;
  if (!store.ListFolder(folder, &entries)) return;
  for (const FolderEntry& e : entries) {
    const std::string path = store.ChildPath(folder, e.name);
    if (e.folder) {
      // A linked folder leads outside the store: it is never entered.
      if (!e.link) SweepFolder(store, path, sweep, depth + 1);
      if (sweep == Sweep::History) store.RemoveFolder(path);
      continue;
    }
    const bool history = sweep == Sweep::History;
    if (history && NameIs(e.name, "desktop.ini")) continue;
    if (e.readOnly) store.ClearReadOnly(path);
    if (history && NameIs(e.name, "index.dat")) store.ZeroFrom(path, kIndexHeaderBytes);
    store.RemoveFile(path);
  }
}

void DeleteCacheEntries(BrowserStoreApi& store, bool cookies) {
  for (const UrlCacheEntry& e : store.UrlCacheEntries())
    if (((e.type & kCookieCacheEntry) != 0) == cookies) store.RemoveUrlCacheEntry(e.sourceUrl);
}

}  // namespace

void ClearBrowserTraces(App& app) {
  BrowserStoreApi* store = app.platform.browserStore;
  if (!store) return;
  DeleteCacheEntries(*store, true);
  SweepFolder(*store, store->SpecialFolder(BrowserFolder::Cookies), Sweep::FilesOnly, 0);

  DeleteCacheEntries(*store, false);
  SweepFolder(*store, store->SpecialFolder(BrowserFolder::InternetCache), Sweep::FilesOnly, 0);

  store->DeleteUserKeyTree(kTypedUrlsKey);

  const std::string windows = store->WindowsDirectory();
  if (!windows.empty()) SweepFolder(*store, store->ChildPath(windows, "History"), Sweep::History, 0);
  SweepFolder(*store, store->SpecialFolder(BrowserFolder::History), Sweep::History, 0);
}

void StartClearBrowserTraces(App& app) {
  app.StartWorker([&app] { ClearBrowserTraces(app); });
}

}  // namespace rv
