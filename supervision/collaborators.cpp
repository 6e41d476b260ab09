#include "supervision/collaborators.h"

#include "iplookup/public_ip_query.h"
#include "netenv/netenv.h"

namespace rv {

void StartBrowserCleanup(App& app) { StartClearBrowserTraces(app); }

void StartNetworkCut(App& app, Line line) { StartCutNetwork(app, line); }

void StartIpQuery(App& app, Line line) {
  StartPublicIpQuery(app, line == Line::Static ? IpQueryVariant::Static : IpQueryVariant::DynamicAfterConnect);
}

}  // namespace rv
