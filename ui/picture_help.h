#pragma once
// The scrolling picture windows (StaticPictureHelpWindow, DynamicPictureHelpWindow):
// a picture box far taller than the window, moved up by the scroll bar.
#include <string>
#include <string_view>

#include "app/app.h"

namespace rv {

inline constexpr char kPictureBox[] = "图片框1";
inline constexpr char kPictureScrollBar[] = "纵向滚动条1";

// Created: the scroll range becomes 0 .. box height - bar height.
void SetUpPictureScroll(Form& window);
// Scroll position p shows the picture from its row p.
void ScrollPicture(Form& window, int position);
// Opens the picture window (non-modal, no owner) and shows the embedded
// picture `file` in it from its top.
void ShowHelpPicture(App& app, const std::string& window, std::string_view file);

}  // namespace rv
