#include "platform/posix/browser_store_posix.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace rv {

namespace {

constexpr size_t kMaxCacheEntryBytes = 8 * 1024;
constexpr size_t kMaxKeyListBytes = 1024 * 1024;

// At most `limit` bytes of a file; empty when it cannot be read.
std::string ReadBounded(const std::string& path, size_t limit) {
  int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return {};
  std::string data(limit, '\0');
  size_t got = 0;
  while (got < limit) {
    ssize_t n = read(fd, data.data() + got, limit - got);
    if (n <= 0) break;
    got += static_cast<size_t>(n);
  }
  close(fd);
  data.resize(got);
  return data;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::string AsciiLower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// Registry paths compare without regard to letter case; a key owns the
// keys whose path continues it after a backslash.
bool KeyIsOrIsBelow(const std::string& key, const std::string& top) {
  std::string k = AsciiLower(key), t = AsciiLower(top);
  return k == t || (k.size() > t.size() && k.compare(0, t.size(), t) == 0 && k[t.size()] == '\\');
}

// A cache entry file: type flags in hex, then the source URL.
bool ParseCacheEntry(const std::string& text, UrlCacheEntry* entry) {
  std::vector<std::string> lines = Lines(text);
  if (lines.size() < 2) return false;
  char* end = nullptr;
  unsigned long type = std::strtoul(lines[0].c_str(), &end, 16);
  if (end == lines[0].c_str() || *end != '\0') return false;
  entry->type = static_cast<uint32_t>(type);
  entry->sourceUrl = lines[1];
  return true;
}

bool WriteWhole(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  return static_cast<bool>(out);
}

}  // namespace

void BrowserStorePosix::CreateLayout() {
  for (const char* sub : {"", "/Cookies", "/INetCache", "/History", "/Windows", "/Windows/History",
                          "/UrlCache"})
    mkdir((root_ + sub).c_str(), 0755);
}

void BrowserStorePosix::AddUrlCacheEntry(const std::string& sourceUrl, uint32_t type) {
  std::lock_guard<std::mutex> lock(mutex_);
  mkdir(CacheFolder().c_str(), 0755);
  for (int n = 0;; ++n) {
    std::string path = CacheFolder() + "/entry" + std::to_string(n);
    struct stat st;
    if (lstat(path.c_str(), &st) == 0) continue;
    char flags[16];
    std::snprintf(flags, sizeof flags, "%08x", static_cast<unsigned>(type));
    WriteWhole(path, std::string(flags) + "\n" + sourceUrl + "\n");
    return;
  }
}

void BrowserStorePosix::AddUserKey(const std::string& subKey) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::string list = ReadBounded(KeyListPath(), kMaxKeyListBytes);
  WriteWhole(KeyListPath(), list + subKey + "\n");
}

std::vector<std::string> BrowserStorePosix::UserKeys() {
  std::lock_guard<std::mutex> lock(mutex_);
  return Lines(ReadBounded(KeyListPath(), kMaxKeyListBytes));
}

void BrowserStorePosix::MarkInUse(const std::string& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  inUse_.insert(path);
}

std::vector<std::string> BrowserStorePosix::Journal() {
  std::lock_guard<std::mutex> lock(mutex_);
  return journal_;
}

void BrowserStorePosix::Note(const std::string& what, const std::string& path) {
  std::string shown = path;
  if (shown.compare(0, root_.size() + 1, root_ + "/") == 0) shown = shown.substr(root_.size() + 1);
  std::lock_guard<std::mutex> lock(mutex_);
  journal_.push_back(what + " " + shown);
}

std::vector<UrlCacheEntry> BrowserStorePosix::UrlCacheEntries() {
  std::vector<UrlCacheEntry> out;
  std::vector<FolderEntry> files;
  if (!ListFolder(CacheFolder(), &files)) return out;
  std::sort(files.begin(), files.end(),
            [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
  for (const FolderEntry& f : files) {
    UrlCacheEntry entry;
    if (!f.folder && !f.link &&
        ParseCacheEntry(ReadBounded(CacheFolder() + "/" + f.name, kMaxCacheEntryBytes), &entry))
      out.push_back(entry);
  }
  return out;
}

bool BrowserStorePosix::RemoveUrlCacheEntry(const std::string& sourceUrl) {
  std::vector<FolderEntry> files;
  if (!ListFolder(CacheFolder(), &files)) return false;
  for (const FolderEntry& f : files) {
    std::string path = CacheFolder() + "/" + f.name;
    UrlCacheEntry entry;
    if (f.folder || f.link || !ParseCacheEntry(ReadBounded(path, kMaxCacheEntryBytes), &entry) ||
        entry.sourceUrl != sourceUrl)
      continue;
    if (unlink(path.c_str()) != 0) return false;
    Note("uncache", sourceUrl);
    return true;
  }
  return false;
}

std::string BrowserStorePosix::SpecialFolder(BrowserFolder which) {
  switch (which) {
    case BrowserFolder::Cookies: return root_ + "/Cookies";
    case BrowserFolder::InternetCache: return root_ + "/INetCache";
    case BrowserFolder::History: return root_ + "/History";
  }
  return {};
}

std::string BrowserStorePosix::WindowsDirectory() { return root_ + "/Windows"; }

std::string BrowserStorePosix::ChildPath(const std::string& folder, const std::string& name) {
  return folder + "/" + name;
}

bool BrowserStorePosix::ListFolder(const std::string& folder, std::vector<FolderEntry>* entries) {
  entries->clear();
  DIR* dir = opendir(folder.c_str());
  if (!dir) return false;
  while (dirent* d = readdir(dir)) {
    std::string name = d->d_name;
    if (name == "." || name == "..") continue;
    struct stat st;
    if (lstat((folder + "/" + name).c_str(), &st) != 0) continue;
    entries->push_back({name, S_ISDIR(st.st_mode), (st.st_mode & S_IWUSR) == 0, S_ISLNK(st.st_mode)});
  }
  closedir(dir);
  return true;
}

bool BrowserStorePosix::ClearReadOnly(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0 || S_ISLNK(st.st_mode)) return false;
  return chmod(path.c_str(), (st.st_mode & 07777) | S_IWUSR) == 0;
}

bool BrowserStorePosix::ZeroFrom(const std::string& path, uint64_t offset) {
  int fd = open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st;
  bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  const char zeros[4096] = {};
  for (uint64_t at = offset; ok && at < static_cast<uint64_t>(st.st_size);) {
    size_t n = static_cast<size_t>(std::min<uint64_t>(sizeof zeros, st.st_size - at));
    ssize_t wrote = pwrite(fd, zeros, n, static_cast<off_t>(at));
    if (wrote <= 0) ok = false;
    at += static_cast<uint64_t>(wrote > 0 ? wrote : 0);
  }
  close(fd);
  if (ok) Note("zero", path);
  return ok;
}

bool BrowserStorePosix::RemoveFile(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
  if (!S_ISLNK(st.st_mode) && (st.st_mode & S_IWUSR) == 0) return false;  // read-only
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (inUse_.count(path)) return false;
  }
  if (unlink(path.c_str()) != 0) return false;
  Note("remove", path);
  return true;
}

bool BrowserStorePosix::RemoveFolder(const std::string& path) {
  if (rmdir(path.c_str()) != 0) return false;
  Note("rmdir", path);
  return true;
}

bool BrowserStorePosix::DeleteUserKeyTree(const std::string& subKey) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<std::string> keys = Lines(ReadBounded(KeyListPath(), kMaxKeyListBytes));
  std::string kept;
  bool found = false;
  for (const std::string& k : keys) {
    if (KeyIsOrIsBelow(k, subKey))
      found = true;
    else
      kept += k + "\n";
  }
  if (!found) return false;
  if (!WriteWhole(KeyListPath(), kept)) return false;
  journal_.push_back("unkey " + subKey);
  return true;
}

}  // namespace rv
