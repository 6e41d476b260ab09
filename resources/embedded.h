#pragma once
// Files of resources/files built into the program, by file name.
#include <string_view>

namespace rv {

// The bytes of an embedded file; empty when there is none of that name.
std::string_view EmbeddedFile(std::string_view name);

}  // namespace rv
