#pragma once
#include <windows.h>

namespace rv::win32 {

// The font of every control: Chinese text renders only with an explicit CJK
// face. "WenQuanYi Zen Hei" where installed, else "SimSun"; `pixels` high.
HFONT CreateCjkFont(int pixels);

}  // namespace rv::win32
