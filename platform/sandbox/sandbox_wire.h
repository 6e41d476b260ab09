#pragma once
// The sandbox provider's wire format, shared by the provider and the
// program's sandbox client. Requests are plain HTTP GETs whose parameters
// are UTF-8, percent-encoded. A reply body is lines of space-separated
// words, each word percent-encoded, closed by the line "end"; a body that
// lacks it (no provider, a cut-off answer) is no reply at all.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rv::sandbox_wire {

using Words = std::vector<std::string>;
using Params = std::vector<std::pair<std::string, std::string>>;

// Words and parameters are encoded as UrlEncode (ui/chat_link.h) does:
// every byte but letters, digits and "-._~" as %XX.
// %XX and "+" (a space) decoded; a malformed escape stays as it is.
std::string Decode(std::string_view text);

// base + path + "?" + the encoded parameters.
std::string Url(const std::string& base, const std::string& path, const Params& params);

// One reply line of encoded words.
std::string Line(const Words& words);
// The lines of a reply without the closing "end"; nullopt when it is missing.
// At most maxLines lines are taken.
std::optional<std::vector<Words>> ParseReply(std::string_view body, size_t maxLines = 4096);

// Decimal text of an unsigned number; false for anything else or overflow.
bool ParseNumber(const std::string& text, uint64_t* value);

}  // namespace rv::sandbox_wire
