#include <windows.h>
#include <objidl.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include <memory>

#include "tools/driver/driver.h"

namespace rv::driver {

namespace {

// GDI+'s PNG encoder.
const CLSID kPngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

}  // namespace

// The window as it is on the screen, frame and title included.
bool SaveScreenshot(HWND hwnd, const std::wstring& path, std::string* error) {
  RECT rc;
  if (!GetWindowRect(hwnd, &rc)) {
    *error = "no such window";
    return false;
  }
  const int w = rc.right - rc.left, h = rc.bottom - rc.top;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(mem, bitmap);
  BOOL copied = BitBlt(mem, 0, 0, w, h, screen, rc.left, rc.top, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  bool saved = false;
  if (copied) {
    std::unique_ptr<Gdiplus::Bitmap> image(Gdiplus::Bitmap::FromHBITMAP(bitmap, nullptr));
    saved = image && image->Save(path.c_str(), &kPngEncoder, nullptr) == Gdiplus::Ok;
  }
  DeleteObject(bitmap);
  if (!saved) *error = copied ? "cannot write the PNG file" : "cannot copy the screen";
  return saved;
}

}  // namespace rv::driver
