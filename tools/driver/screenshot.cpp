#include <windows.h>
#include <objidl.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include <map>
#include <memory>
#include <vector>

#include "tools/driver/driver.h"

namespace rv::driver {

namespace {

// GDI+'s PNG encoder.
const CLSID kPngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

// The window's screen area as a compatible bitmap; nullptr when the screen
// cannot be read.
HBITMAP CaptureScreenArea(HWND hwnd, int* width, int* height) {
  RECT rc;
  if (!GetWindowRect(hwnd, &rc)) return nullptr;
  *width = rc.right - rc.left;
  *height = rc.bottom - rc.top;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, *width, *height);
  HGDIOBJ old = SelectObject(mem, bitmap);
  BOOL copied = BitBlt(mem, 0, 0, *width, *height, screen, rc.left, rc.top, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  if (!copied) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}

}  // namespace

bool CountColours(HWND hwnd, std::vector<std::pair<uint32_t, int>>* counts) {
  int w = 0, h = 0;
  HBITMAP bitmap = CaptureScreenArea(hwnd, &w, &h);
  if (!bitmap) return false;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  std::vector<uint32_t> pixels(static_cast<size_t>(w) * static_cast<size_t>(h));
  HDC screen = GetDC(nullptr);
  int lines = GetDIBits(screen, bitmap, 0, static_cast<UINT>(h), pixels.data(), &bi, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
  if (lines != h) return false;
  std::map<uint32_t, int> tally;
  for (uint32_t p : pixels) ++tally[p & 0xFFFFFF];
  counts->assign(tally.begin(), tally.end());
  std::sort(counts->begin(), counts->end(), [](auto& a, auto& b) { return a.second > b.second; });
  return true;
}

// The window as it is on the screen, frame and title included.
bool SaveScreenshot(HWND hwnd, const std::wstring& path, std::string* error) {
  int w = 0, h = 0;
  HBITMAP bitmap = CaptureScreenArea(hwnd, &w, &h);
  if (!bitmap) {
    *error = "cannot copy the screen";
    return false;
  }
  std::unique_ptr<Gdiplus::Bitmap> image(Gdiplus::Bitmap::FromHBITMAP(bitmap, nullptr));
  const bool saved = image && image->Save(path.c_str(), &kPngEncoder, nullptr) == Gdiplus::Ok;
  image.reset();
  DeleteObject(bitmap);
  if (!saved) *error = "cannot write the PNG file";
  return saved;
}

}  // namespace rv::driver
