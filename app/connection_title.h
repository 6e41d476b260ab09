#pragma once
#include <string>

#include "ui/support_contacts.h"

namespace rv {

// The fixed first part of every phonebook entry name the program writes.
inline constexpr const char* kConnectionTitle = "ip连接【客服QQ" RV_TITLE_SUPPORT "】拨号";

inline std::string EntryName(const std::string& suffix) { return kConnectionTitle + suffix; }

// After a failed dial: "10", "20" and "50" wrap to "1", anything else is its
// integer value plus one.
std::string NextSuffixAfterFailure(const std::string& suffix);
// Fault repair: plus one without wrap-around; empty or non-numeric counts as 0.
std::string NextSuffixForRepair(const std::string& suffix);
// Leading decimal integer of a text, 0 when there is none (as the old Basic
// conversion reads it: spaces skipped, digits until the first other character).
long long LeadingInteger(const std::string& text);

}  // namespace rv
