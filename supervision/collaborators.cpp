#include "supervision/collaborators.h"

#include "iplookup/public_ip_query.h"

namespace rv {

// The network environment is not part of the program yet; until it is,
// starting its operations does nothing.
void StartBrowserCleanup(App& app) { (void)app; }
void StartNetworkCut(App& app, Line line) { (void)app, (void)line; }

void StartIpQuery(App& app, Line line) {
  StartPublicIpQuery(app, line == Line::Static ? IpQueryVariant::Static : IpQueryVariant::DynamicAfterConnect);
}

}  // namespace rv
