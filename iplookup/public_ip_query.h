#pragma once
// Which public address the machine has now, and where it is: asked of two
// IP-echo endpoints in turn, shown in the message line and logged.
#include <string>

namespace rv {

struct App;

enum class IpQueryVariant {
  Static,               // StaticLineWindow, after a connect or on its button
  DynamicAfterConnect,  // DynamicLineWindow after a connect; runs the duplicate filter
  DynamicOnRequest,     // DynamicLineWindow's button
};

struct PublicIp {
  std::string address;
  std::string region;
};

// Page A (and the page of its iframe), then service B when A gave no address.
PublicIp LookUpPublicIp(App& app);

// One whole query on the calling thread.
void QueryPublicIp(App& app, IpQueryVariant variant);
// The query as a worker of its own, as every caller starts it.
void StartPublicIpQuery(App& app, IpQueryVariant variant);

// Plugs 按钮_查询当前ip of both main windows.
void WireIpLookup(App& app);

}  // namespace rv
