#pragma once
#include <windows.h>

#include <string>

namespace rv::win32 {

// Decodes image bytes (JPEG, PNG, BMP, GIF) through GDI+ into a bitmap of the
// image's own pixel size; nullptr for bytes that are no image. GDI+ must be
// started (main does).
HBITMAP DecodePicture(const std::string& bytes, int* width, int* height);

}  // namespace rv::win32
