#pragma once
// The sandbox's script language for its IP-echo sites, one command a line:
//   mode ENDPOINT MODE [MS]     ENDPOINT: page-a | frame | service-b
//                               MODE: normal | slow | silent | malformed |
//                                     empty | oversized | trickle | down
//   address ADDRESS [REGION]    what the sites report (REGION may hold spaces)
//   requests                    the request heads received so far
//   clear                       forgets them
#include <string>

#include "sandbox/ip_echo.h"

namespace rv::sandbox {

// Runs one command; returns the reply ("ok", "error: ..." or the listing).
std::string RunEchoCommand(IpEcho& echo, const std::string& line);

}  // namespace rv::sandbox
