#pragma once
// The scenario language of the provider's VPN service, one directive a line
// ("#" starts a comment). sandbox/README.md documents it:
//   account USER PASSWORD          an account the servers take
//   any-account                    forget the accounts: every one is taken
//   server HOST [accept | reject [CODE] | silent | refuse [CODE]]
//          [delay MS] [step MS] [drop-after SECONDS] [drop-random MIN-MAX]
//                                  how HOST answers ("*": every other host)
//   pool ADDRESS REGION...         one public address of the pool
//   repeat N                       every N-th connection repeats the one before
//   home ADDRESS REGION...         the address without a connection
//   tool-delay MS                  until rasphone and ipconfig act
//   entry NAME...                  an entry of the default phonebook
//   seed N                         the random drops' generator
// and, while running:
//   drop all | drop entry NAME... | drop handle H
//   connections                    one line per connection, then "end"
//   tools                          the tool commands received, then "end"
#include <optional>
#include <string>

#include "sandbox/vpn_service.h"

namespace rv::sandbox {

// Runs one directive: "ok", "error: ..." or a listing; nullopt when the
// line's first word is no directive of the VPN service.
std::optional<std::string> RunVpnDirective(VpnService& vpn, const std::string& line);
// Runs every line of a scenario; false at the first bad one, with the
// line number and the reason in *error.
bool LoadScenario(VpnService& vpn, const std::string& text, std::string* error);

// The default scenario: the account the README gives, every server taking
// it, a new address for every connection.
inline constexpr const char* kDefaultUser = "demo";
inline constexpr const char* kDefaultPassword = "demo123";
void LoadDefaultScenario(VpnService& vpn);

// One line per connection: handle, status, entry, server, user, address,
// region, dial/connected/ended times (ms, -1 = not yet), error.
std::string ConnectionsListing(VpnService& vpn);

}  // namespace rv::sandbox
