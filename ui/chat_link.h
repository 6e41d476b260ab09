#pragma once
// The support chat link: the chat client's message link for a support number,
// "rvchat://message/?uin=NUMBER&Site=SITE&Menu=yes", with the site name
// "Rovanta客服" percent-encoded as UTF-8. The shell hands it to the chat client
// registered for the "rvchat" scheme.
#include <string>
#include <string_view>

#include "app/app.h"

namespace rv {

inline constexpr char kChatScheme[] = "rvchat";
inline constexpr char kChatSiteName[] = "Rovanta客服";

// Every byte outside the unreserved set (letters, digits, "-._~") as %XX.
std::string UrlEncode(std::string_view text);
std::string ChatLink(std::string_view supportNumber);
// Opens the link through the shell; a refused open reports nothing.
void OpenChatLink(App& app, std::string_view supportNumber);

}  // namespace rv
