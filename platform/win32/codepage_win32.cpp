// GBK conversions on Windows, through the code-page calls.
#include <windows.h>

#include <string>

#include "platform/codepage.h"

namespace rv {

namespace {

std::wstring ToWide(UINT codePage, std::string_view in) {
  if (in.empty()) return {};
  int n = MultiByteToWideChar(codePage, 0, in.data(), static_cast<int>(in.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, in.data(), static_cast<int>(in.size()), w.data(), n);
  return w;
}

std::string FromWide(UINT codePage, const std::wstring& w) {
  if (w.empty()) return {};
  int n = WideCharToMultiByte(codePage, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
  return s;
}

}  // namespace

std::string Utf8ToGbkBytes(std::string_view utf8) { return FromWide(936, ToWide(CP_UTF8, utf8)); }

std::string GbkBytesToUtf8(std::string_view gbk) { return FromWide(CP_UTF8, ToWide(936, gbk)); }

}  // namespace rv
