#include "ui/win32/picture_gdiplus.h"

#include <windows.h>
#include <objidl.h>
#include <shlwapi.h>
// gdiplus.h wants min and max, which NOMINMAX took away.
#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include <memory>

namespace rv::win32 {

HBITMAP DecodePicture(const std::string& bytes, int* width, int* height) {
  *width = *height = 0;
  if (bytes.empty() || bytes.size() > 0x7FFFFFFF) return nullptr;
  IStream* stream = SHCreateMemStream(reinterpret_cast<const BYTE*>(bytes.data()),
                                      static_cast<UINT>(bytes.size()));
  if (!stream) return nullptr;
  std::unique_ptr<Gdiplus::Bitmap> bitmap(Gdiplus::Bitmap::FromStream(stream));
  stream->Release();
  HBITMAP out = nullptr;
  if (bitmap && bitmap->GetLastStatus() == Gdiplus::Ok &&
      bitmap->GetHBITMAP(Gdiplus::Color(255, 255, 255), &out) == Gdiplus::Ok) {
    *width = static_cast<int>(bitmap->GetWidth());
    *height = static_cast<int>(bitmap->GetHeight());
  }
  return out;
}

}  // namespace rv::win32
