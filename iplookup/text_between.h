#pragma once
// Cuts a value out of a page between two markers.
#include <string>
#include <string_view>

namespace rv {

// The text strictly between the first `start` at or after the 1-based
// `position` (1 or less: from the beginning) and the first `end` after it;
// empty when either marker is missing. In both markers "#引号" stands for a
// double quote. `ignoreCase` folds ASCII letters only.
std::string TextBetween(std::string_view text, std::string_view start, std::string_view end,
                        int position = 1, bool ignoreCase = false);

}  // namespace rv
