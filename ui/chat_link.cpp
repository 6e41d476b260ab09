#include "ui/chat_link.h"

#include "platform/shell.h"

namespace rv {

std::string UrlEncode(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size() * 3);
  for (unsigned char c : text) {
    bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                      c == '-' || c == '.' || c == '_' || c == '~';
    if (unreserved) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    }
  }
  return out;
}

std::string ChatLink(std::string_view supportNumber) {
  return std::string(kChatScheme) + "://message/?uin=" + UrlEncode(supportNumber) +
         "&Site=" + UrlEncode(kChatSiteName) + "&Menu=yes";
}

void OpenChatLink(App& app, std::string_view supportNumber) {
  if (ShellApi* shell = app.platform.shell) shell->Open(ChatLink(supportNumber));
}

}  // namespace rv
