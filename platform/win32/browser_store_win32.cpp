#include "platform/win32/browser_store_win32.h"

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <wininet.h>

#include <algorithm>
#include <string>

#include "platform/win32/wide.h"

namespace rv::win32 {

namespace {

// Cache entry records hold their strings after the fixed part; a few KB
// covers any entry, and a larger one is fetched with the size the call asks.
constexpr DWORD kFirstEntryBuffer = 4096;
constexpr DWORD kLargestEntryBuffer = 1 << 20;

// One cache entry into `buffer`, growing it when the call asks for more.
template <typename Call>
bool FetchEntry(std::string& buffer, Call call) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    DWORD size = static_cast<DWORD>(buffer.size());
    if (call(reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data()), &size)) return true;
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size > kLargestEntryBuffer) return false;
    buffer.assign(size, '\0');
  }
  return false;
}

void TakeEntry(const std::string& buffer, std::vector<UrlCacheEntry>* out) {
  auto* info = reinterpret_cast<const INTERNET_CACHE_ENTRY_INFOA*>(buffer.data());
  if (info->lpszSourceUrlName) out->push_back({info->lpszSourceUrlName, info->CacheEntryType});
}

}  // namespace

std::vector<UrlCacheEntry> BrowserStoreWin32::UrlCacheEntries() {
  std::vector<UrlCacheEntry> out;
  std::string buffer(kFirstEntryBuffer, '\0');
  HANDLE find = nullptr;
  if (!FetchEntry(buffer, [&](INTERNET_CACHE_ENTRY_INFOA* info, DWORD* size) {
        find = FindFirstUrlCacheEntryA(nullptr, info, size);
        return find != nullptr;
      }))
    return out;
  TakeEntry(buffer, &out);
  while (FetchEntry(buffer, [&](INTERNET_CACHE_ENTRY_INFOA* info, DWORD* size) {
    return FindNextUrlCacheEntryA(find, info, size) != FALSE;
  }))
    TakeEntry(buffer, &out);
  FindCloseUrlCache(find);
  return out;
}

bool BrowserStoreWin32::RemoveUrlCacheEntry(const std::string& sourceUrl) {
  return DeleteUrlCacheEntryA(sourceUrl.c_str()) != FALSE;
}

std::string BrowserStoreWin32::SpecialFolder(BrowserFolder which) {
  int csidl = which == BrowserFolder::Cookies         ? CSIDL_COOKIES
              : which == BrowserFolder::InternetCache ? CSIDL_INTERNET_CACHE
                                                      : CSIDL_HISTORY;
  wchar_t path[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathW(nullptr, path, csidl, FALSE)) return {};
  return Utf8(path);
}

std::string BrowserStoreWin32::WindowsDirectory() {
  wchar_t path[MAX_PATH] = {};
  UINT n = GetWindowsDirectoryW(path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};
  return Utf8(path);
}

std::string BrowserStoreWin32::ChildPath(const std::string& folder, const std::string& name) {
  if (!folder.empty() && folder.back() == '\\') return folder + name;
  return folder + "\\" + name;
}

bool BrowserStoreWin32::ListFolder(const std::string& folder, std::vector<FolderEntry>* entries) {
  entries->clear();
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(Wide(ChildPath(folder, "*")).c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return false;
  do {
    std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    const DWORD a = data.dwFileAttributes;
    entries->push_back({Utf8(name.c_str()), (a & FILE_ATTRIBUTE_DIRECTORY) != 0,
                        (a & FILE_ATTRIBUTE_READONLY) != 0, (a & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return true;
}

bool BrowserStoreWin32::ClearReadOnly(const std::string& path) {
  std::wstring wide = Wide(path);
  DWORD a = GetFileAttributesW(wide.c_str());
  if (a == INVALID_FILE_ATTRIBUTES) return false;
  return SetFileAttributesW(wide.c_str(), a & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY)) != FALSE;
}

bool BrowserStoreWin32::ZeroFrom(const std::string& path, uint64_t offset) {
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size;
  bool ok = GetFileSizeEx(file, &size) != FALSE;
  LARGE_INTEGER at;
  at.QuadPart = static_cast<LONGLONG>(offset);
  if (ok && static_cast<uint64_t>(size.QuadPart) > offset)
    ok = SetFilePointerEx(file, at, nullptr, FILE_BEGIN) != FALSE;
  static const char zeros[4096] = {};
  for (uint64_t left = ok && static_cast<uint64_t>(size.QuadPart) > offset ? size.QuadPart - offset : 0;
       ok && left > 0;) {
    DWORD chunk = static_cast<DWORD>(std::min<uint64_t>(left, sizeof zeros)), wrote = 0;
    ok = WriteFile(file, zeros, chunk, &wrote, nullptr) && wrote == chunk;
    left -= wrote;
  }
  CloseHandle(file);
  return ok;
}

bool BrowserStoreWin32::RemoveFile(const std::string& path) {
  return DeleteFileW(Wide(path).c_str()) != FALSE;
}

bool BrowserStoreWin32::RemoveFolder(const std::string& path) {
  return RemoveDirectoryW(Wide(path).c_str()) != FALSE;
}

bool BrowserStoreWin32::DeleteUserKeyTree(const std::string& subKey) {
  return SHDeleteKeyW(HKEY_CURRENT_USER, Wide(subKey).c_str()) == ERROR_SUCCESS;
}

}  // namespace rv::win32
