#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "app/app.h"

namespace rv {

// The modal message box of every notice. Default title "友情提醒", default
// style information icon with OK; the owner is the first visible top-level
// window of this process. Returns the zero-based index of the pressed button.
int NoticeBox(App& app, const std::string& text, std::optional<uint32_t> style = std::nullopt,
              std::optional<std::string> title = std::nullopt,
              std::optional<WindowHandle> owner = std::nullopt);

}  // namespace rv
