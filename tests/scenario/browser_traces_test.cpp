// Browser cleanup on a real folder tree.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "netenv/netenv.h"
#include "support/world.h"

namespace rv {
namespace {

namespace fs = std::filesystem;
constexpr const char* kTypedUrls = "Software\\Microsoft\\Internet Explorer\\TypedURLs";

class BrowserCleanup : public ::testing::Test {
 protected:
  BrowserCleanup() : store(*w.browser), root(store.root()) {}

  void Put(const std::string& relative, const std::string& bytes = "data") {
    fs::path p = root / relative;
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
  }
  bool Exists(const std::string& relative) { return fs::exists(fs::symlink_status(root / relative)); }
  std::string Read(const std::string& relative) {
    std::ifstream in(root / relative, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // Position of the first journal line that starts with `prefix`.
  size_t Step(const std::string& prefix) {
    auto j = store.Journal();
    auto it = std::find_if(j.begin(), j.end(), [&](auto& l) { return l.rfind(prefix, 0) == 0; });
    return static_cast<size_t>(it - j.begin());
  }

  test::World w;
  FolderBrowserStore& store;
  fs::path root;
};

TEST_F(BrowserCleanup, CookiesAndCacheFilesGoTheirFoldersStay) {
  Put("Cookies/user@site.txt");
  Put("Cookies/Low/user@other.txt");
  Put("INetCache/IE/ABCD1234/page[1].htm");
  store.AddUrlCacheEntry("Cookie:user@site.example/", kCookieCacheEntry | 1);
  store.AddUrlCacheEntry("http://site.example/page.htm", 1);
  ClearBrowserTraces(w.app);
  EXPECT_FALSE(Exists("Cookies/user@site.txt"));
  EXPECT_FALSE(Exists("Cookies/Low/user@other.txt"));
  EXPECT_FALSE(Exists("INetCache/IE/ABCD1234/page[1].htm"));
  EXPECT_TRUE(fs::is_directory(root / "Cookies/Low"));
  EXPECT_TRUE(fs::is_directory(root / "INetCache/IE/ABCD1234"));
  EXPECT_TRUE(store.UrlCacheEntries().empty());
  // Cookies first (their cache entries, then their files), then the cache.
  EXPECT_LT(Step("uncache Cookie:"), Step("remove Cookies/"));
  EXPECT_LT(Step("remove Cookies/"), Step("uncache http:"));
  EXPECT_LT(Step("uncache http:"), Step("remove INetCache/"));
}

TEST_F(BrowserCleanup, HistoryGoesExceptDesktopIni) {
  Put("History/desktop.ini", "[.ShellClassInfo]");
  Put("History/History.IE5/MSHist01/visit.dat");
  Put("History/History.IE5/Desktop.ini");
  Put("Windows/History/old.dat");
  store.AddUserKey(kTypedUrls);
  store.AddUserKey(std::string(kTypedUrls) + "\\url1");
  store.AddUserKey("Software\\Other");
  ClearBrowserTraces(w.app);
  EXPECT_EQ(Read("History/desktop.ini"), "[.ShellClassInfo]");
  EXPECT_TRUE(Exists("History/History.IE5/Desktop.ini"));  // so its folder stays too
  EXPECT_FALSE(Exists("History/History.IE5/MSHist01"));
  EXPECT_FALSE(Exists("Windows/History/old.dat"));
  EXPECT_EQ(store.UserKeys(), (std::vector<std::string>{"Software\\Other"}));
  // Typed addresses, then the Windows directory's history, then the user's.
  EXPECT_LT(Step("unkey"), Step("remove Windows/History/"));
  EXPECT_LT(Step("remove Windows/History/"), Step("remove History/"));
}

TEST_F(BrowserCleanup, IndexIsZeroedFromByte64BeforeItIsRemoved) {
  const std::string original(300, '\xAB');
  Put("History/History.IE5/index.dat", original);
  Put("History/History.IE5/MSHist01/index.dat", original);
  store.MarkInUse((root / "History/History.IE5/index.dat").string());
  ClearBrowserTraces(w.app);
  // The one in use stays, its records gone; the other is zeroed, then removed.
  EXPECT_EQ(Read("History/History.IE5/index.dat"), original.substr(0, 64) + std::string(236, '\0'));
  EXPECT_FALSE(Exists("History/History.IE5/MSHist01/index.dat"));
  EXPECT_LT(Step("zero History/History.IE5/MSHist01/index.dat"),
            Step("remove History/History.IE5/MSHist01/index.dat"));
}

TEST_F(BrowserCleanup, MissingKeyAndFoldersDoNotStopTheLaterSteps) {
  fs::remove_all(root / "Cookies");
  fs::remove_all(root / "Windows");
  Put("History/visit.dat");
  Put("INetCache/page.htm");
  store.AddUserKey("Software\\Other");
  ClearBrowserTraces(w.app);
  EXPECT_FALSE(Exists("INetCache/page.htm"));
  EXPECT_FALSE(Exists("History/visit.dat"));
  EXPECT_EQ(store.UserKeys(), (std::vector<std::string>{"Software\\Other"}));
}

TEST_F(BrowserCleanup, ReadOnlyFilesAreMadeWritableFirst) {
  Put("History/locked.dat");
  Put("Cookies/locked.txt");
  chmod((root / "History/locked.dat").c_str(), 0444);
  chmod((root / "Cookies/locked.txt").c_str(), 0444);
  ClearBrowserTraces(w.app);
  EXPECT_FALSE(Exists("History/locked.dat"));
  EXPECT_FALSE(Exists("Cookies/locked.txt"));
}

TEST_F(BrowserCleanup, LinksAreNeverFollowedOutOfTheStore) {
  const fs::path outside = root.parent_path() / (root.filename().string() + "-outside");
  fs::create_directories(outside);
  std::ofstream(outside / "keep.txt") << "mine";
  fs::create_directory_symlink(outside, root / "Cookies/elsewhere");
  fs::create_directory_symlink(outside, root / "History/elsewhere");
  ClearBrowserTraces(w.app);
  EXPECT_TRUE(fs::exists(outside / "keep.txt"));
  EXPECT_FALSE(Exists("History/elsewhere"));  // the link itself goes with the history
  fs::remove_all(outside);
}

// The connect button starts the cleanup before it validates the inputs, so
// an empty form still clears when the box is ticked, and nothing when not.
TEST_F(BrowserCleanup, ConnectStartsItOnlyWhenTicked) {
  Put("Cookies/user@site.txt");
  w.Start(Edition::Static);
  w.Click("StaticLineWindow", "按钮_连接");
  w.Run(2000);
  ASSERT_FALSE(w.dialogs->Boxes().empty());  // the empty server address was refused
  EXPECT_TRUE(Exists("Cookies/user@site.txt"));
  EXPECT_TRUE(store.Journal().empty());

  w.W("StaticLineWindow").SetChecked("选择框_IE缓存和cookie", true);
  w.Click("StaticLineWindow", "按钮_连接");
  w.Run(2000);
  EXPECT_FALSE(Exists("Cookies/user@site.txt"));
  EXPECT_TRUE(fs::is_directory(root / "Cookies"));
}

TEST(FolderBrowserStore, MalformedCacheEntriesAreSkipped) {
  test::World w;
  FolderBrowserStore& store = *w.browser;
  const fs::path cache = fs::path(store.root()) / "UrlCache";
  std::ofstream(cache / "empty");
  std::ofstream(cache / "no-url") << "00100000\n";
  std::ofstream(cache / "bad-flags") << "zz\nhttp://a.example/\n";
  std::ofstream(cache / "huge", std::ios::binary) << std::string(1 << 20, 'x');
  store.AddUrlCacheEntry("http://b.example/", 1);
  auto entries = store.UrlCacheEntries();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].sourceUrl, "http://b.example/");
  EXPECT_EQ(entries[0].type, 1u);
  EXPECT_FALSE(store.RemoveUrlCacheEntry("http://a.example/"));
  EXPECT_TRUE(store.RemoveUrlCacheEntry("http://b.example/"));
}

TEST(FolderBrowserStore, KeyTreesDeleteWithoutRegardToCase) {
  test::World w;
  FolderBrowserStore& store = *w.browser;
  store.AddUserKey("Software\\A\\TypedURLs");
  store.AddUserKey("software\\a\\typedurls\\x");
  store.AddUserKey("Software\\A\\TypedURLsOld");
  EXPECT_TRUE(store.DeleteUserKeyTree("Software\\A\\TypedURLs"));
  EXPECT_EQ(store.UserKeys(), (std::vector<std::string>{"Software\\A\\TypedURLsOld"}));
  EXPECT_FALSE(store.DeleteUserKeyTree("Software\\A\\TypedURLs"));
}

}  // namespace
}  // namespace rv
