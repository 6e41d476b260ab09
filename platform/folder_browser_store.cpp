#include "platform/folder_browser_store.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/utf8_path.h"

namespace rv {

namespace {

constexpr size_t kMaxCacheEntryBytes = 8 * 1024;
constexpr size_t kMaxKeyListBytes = 1024 * 1024;

namespace fs = std::filesystem;

fs::path P(const std::string& utf8) { return Utf8Path(utf8); }

fs::file_status StatusOf(const std::string& path) {
  std::error_code ec;
  return fs::symlink_status(P(path), ec);
}

bool Writable(const fs::file_status& st) { return (st.permissions() & fs::perms::owner_write) != fs::perms::none; }

// At most `limit` bytes of a regular file (never through a link); empty when it cannot be read.
std::string ReadBounded(const std::string& path, size_t limit) {
  if (!fs::is_regular_file(StatusOf(path))) return {};
  std::ifstream in(P(path), std::ios::binary);
  std::string data(limit, '\0');
  in.read(data.data(), static_cast<std::streamsize>(limit));
  data.resize(static_cast<size_t>(std::max<std::streamsize>(0, in.gcount())));
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
  std::ofstream out(P(path), std::ios::binary | std::ios::trunc);
  out << bytes;
  return static_cast<bool>(out);
}

}  // namespace

void FolderBrowserStore::CreateLayout() {
  std::error_code ec;
  for (const char* sub : {"", "/Cookies", "/INetCache", "/History", "/Windows", "/Windows/History",
                          "/UrlCache"})
    fs::create_directory(P(root_ + sub), ec);
}

void FolderBrowserStore::AddUrlCacheEntry(const std::string& sourceUrl, uint32_t type) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::error_code ec;
  fs::create_directory(P(CacheFolder()), ec);
  for (int n = 0;; ++n) {
    std::string path = CacheFolder() + "/entry" + std::to_string(n);
    if (fs::exists(StatusOf(path))) continue;
    char flags[16];
    std::snprintf(flags, sizeof flags, "%08x", static_cast<unsigned>(type));
    WriteWhole(path, std::string(flags) + "\n" + sourceUrl + "\n");
    return;
  }
}

void FolderBrowserStore::AddUserKey(const std::string& subKey) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::string list = ReadBounded(KeyListPath(), kMaxKeyListBytes);
  WriteWhole(KeyListPath(), list + subKey + "\n");
}

std::vector<std::string> FolderBrowserStore::UserKeys() {
  std::lock_guard<std::mutex> lock(mutex_);
  return Lines(ReadBounded(KeyListPath(), kMaxKeyListBytes));
}

void FolderBrowserStore::MarkInUse(const std::string& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  inUse_.insert(path);
}

std::vector<std::string> FolderBrowserStore::Journal() {
  std::lock_guard<std::mutex> lock(mutex_);
  return journal_;
}

void FolderBrowserStore::Note(const std::string& what, const std::string& path) {
  std::string shown = path;
  if (shown.compare(0, root_.size() + 1, root_ + "/") == 0) shown = shown.substr(root_.size() + 1);
  std::lock_guard<std::mutex> lock(mutex_);
  journal_.push_back(what + " " + shown);
}

std::vector<UrlCacheEntry> FolderBrowserStore::UrlCacheEntries() {
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

bool FolderBrowserStore::RemoveUrlCacheEntry(const std::string& sourceUrl) {
  std::vector<FolderEntry> files;
  if (!ListFolder(CacheFolder(), &files)) return false;
  for (const FolderEntry& f : files) {
    std::string path = CacheFolder() + "/" + f.name;
    UrlCacheEntry entry;
    if (f.folder || f.link || !ParseCacheEntry(ReadBounded(path, kMaxCacheEntryBytes), &entry) ||
        entry.sourceUrl != sourceUrl)
      continue;
    std::error_code ec;
    if (!fs::remove(P(path), ec)) return false;
    Note("uncache", sourceUrl);
    return true;
  }
  return false;
}

std::string FolderBrowserStore::SpecialFolder(BrowserFolder which) {
  switch (which) {
    case BrowserFolder::Cookies: return root_ + "/Cookies";
    case BrowserFolder::InternetCache: return root_ + "/INetCache";
    case BrowserFolder::History: return root_ + "/History";
  }
  return {};
}

std::string FolderBrowserStore::WindowsDirectory() { return root_ + "/Windows"; }

std::string FolderBrowserStore::ChildPath(const std::string& folder, const std::string& name) {
  return folder + "/" + name;
}

bool FolderBrowserStore::ListFolder(const std::string& folder, std::vector<FolderEntry>* entries) {
  entries->clear();
  std::error_code ec;
  fs::directory_iterator it(P(folder), ec), end;
  if (ec) return false;
  for (; it != end; it.increment(ec)) {
    if (ec) break;
    fs::file_status st = it->symlink_status(ec);
    if (ec) continue;
    entries->push_back({PathUtf8(it->path().filename()), fs::is_directory(st), !Writable(st), fs::is_symlink(st)});
  }
  return true;
}

bool FolderBrowserStore::ClearReadOnly(const std::string& path) {
  fs::file_status st = StatusOf(path);
  if (!fs::exists(st) || fs::is_symlink(st)) return false;
  std::error_code ec;
  fs::permissions(P(path), fs::perms::owner_write, fs::perm_options::add, ec);
  return !ec;
}

bool FolderBrowserStore::ZeroFrom(const std::string& path, uint64_t offset) {
  if (!fs::is_regular_file(StatusOf(path))) return false;
  std::error_code ec;
  const uint64_t size = fs::file_size(P(path), ec);
  if (ec) return false;
  std::fstream f(P(path), std::ios::in | std::ios::out | std::ios::binary);
  if (!f) return false;
  const char zeros[4096] = {};
  bool ok = true;
  if (offset < size) {
    f.seekp(static_cast<std::streamoff>(offset));
    for (uint64_t at = offset; ok && at < size;) {
      const size_t n = static_cast<size_t>(std::min<uint64_t>(sizeof zeros, size - at));
      ok = static_cast<bool>(f.write(zeros, static_cast<std::streamsize>(n)));
      at += n;
    }
  }
  f.close();
  ok = ok && !f.fail();
  if (ok) Note("zero", path);
  return ok;
}

bool FolderBrowserStore::RemoveFile(const std::string& path) {
  fs::file_status st = StatusOf(path);
  if (!fs::exists(st) && !fs::is_symlink(st)) return false;
  if (fs::is_directory(st)) return false;
  if (!fs::is_symlink(st) && !Writable(st)) return false;  // read-only
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (inUse_.count(path)) return false;
  }
  std::error_code ec;
  if (!fs::remove(P(path), ec)) return false;
  Note("remove", path);
  return true;
}

bool FolderBrowserStore::RemoveFolder(const std::string& path) {
  if (!fs::is_directory(StatusOf(path))) return false;
  std::error_code ec;
  if (!fs::remove(P(path), ec)) return false;  // fails while it holds anything
  Note("rmdir", path);
  return true;
}

bool FolderBrowserStore::DeleteUserKeyTree(const std::string& subKey) {
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
