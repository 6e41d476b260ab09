#include "platform/win32/net_connections_win32.h"

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>
#include <wbemidl.h>
#include <netcon.h>

#include <string>

#include "platform/win32/wide.h"

namespace rv::win32 {

namespace {

// The classes and interfaces are named by their identifiers, as the
// connection manager's are missing from some SDKs' libraries.
constexpr const wchar_t* kWbemLocatorClass = L"{4590f811-1d3a-11d0-891f-00aa004b2e24}";
constexpr const wchar_t* kWbemLocatorInterface = L"{dc12a687-737f-11cf-884d-00aa004b2e24}";
constexpr const wchar_t* kConnectionManagerClass = L"{BA126AD1-2166-11D1-B1D0-00805FC1270E}";
constexpr const wchar_t* kConnectionManagerInterface = L"{C08956A2-1CD3-11D1-B1C5-00805FC1270E}";

// A BSTR that frees itself.
class Bstr {
 public:
  explicit Bstr(const std::string& utf8) : s_(SysAllocString(Wide(utf8).c_str())) {}
  ~Bstr() { SysFreeString(s_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  operator BSTR() const { return s_; }

 private:
  BSTR s_;
};

template <typename T>
void ReleaseSlot(T*& slot) {
  if (slot) slot->Release();
  slot = nullptr;
}

bool Guid(const wchar_t* text, GUID* guid, bool isInterface) {
  return SUCCEEDED(isInterface ? IIDFromString(text, guid) : CLSIDFromString(text, guid));
}

template <typename T>
T* CreateByIds(const wchar_t* classId, const wchar_t* interfaceId, DWORD context) {
  GUID clsid, iid;
  if (!Guid(classId, &clsid, false) || !Guid(interfaceId, &iid, true)) return nullptr;
  void* object = nullptr;
  if (FAILED(CoCreateInstance(clsid, nullptr, context, iid, &object))) return nullptr;
  return static_cast<T*>(object);
}

void FreeProperties(NETCON_PROPERTIES* p) {
  if (!p) return;
  CoTaskMemFree(p->pszwName);
  CoTaskMemFree(p->pszwDeviceName);
  CoTaskMemFree(p);
}

}  // namespace

bool NetConnectionsWin32::ComInitialize(bool multithreaded) {
  HRESULT hr = multithreaded ? CoInitializeEx(nullptr, COINIT_MULTITHREADED) : CoInitialize(nullptr);
  return SUCCEEDED(hr);
}

void NetConnectionsWin32::ComUninitialize() { CoUninitialize(); }

bool NetConnectionsWin32::ComInitializeSecurity() {
  return SUCCEEDED(CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                                        RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr));
}

bool NetConnectionsWin32::WmiConnect(const std::string& nameSpace) {
  WmiRelease();
  locator_ = CreateByIds<IWbemLocator>(kWbemLocatorClass, kWbemLocatorInterface, CLSCTX_INPROC_SERVER);
  if (!locator_) return false;
  Bstr ns(nameSpace);
  if (FAILED(locator_->ConnectServer(ns, nullptr, nullptr, nullptr, 0, nullptr, nullptr, &services_)))
    return false;
  return SUCCEEDED(CoSetProxyBlanket(services_, RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                                     RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr,
                                     EOAC_NONE));
}

bool NetConnectionsWin32::WmiExecQuery(const std::string& wql) {
  if (!services_) return false;
  ReleaseSlot(enumerator_);
  Bstr language("WQL"), query(wql);
  return SUCCEEDED(services_->ExecQuery(language, query,
                                        WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY,
                                        nullptr, &enumerator_));
}

bool NetConnectionsWin32::WmiNextInteger(const std::string& property, int32_t* value) {
  if (!enumerator_) return false;
  IWbemClassObject* object = nullptr;
  ULONG returned = 0;
  enumerator_->Next(WBEM_INFINITE, 1, &object, &returned);
  if (returned == 0 || !object) return false;
  VARIANT v;
  VariantInit(&v);
  *value = 0;
  if (SUCCEEDED(object->Get(Wide(property).c_str(), 0, &v, nullptr, nullptr)) &&
      SUCCEEDED(VariantChangeType(&v, &v, 0, VT_I4)))
    *value = v.lVal;
  VariantClear(&v);
  object->Release();
  return true;
}

void NetConnectionsWin32::WmiRelease() {
  ReleaseSlot(enumerator_);
  ReleaseSlot(services_);
  ReleaseSlot(locator_);
}

bool NetConnectionsWin32::VisitShellConnections(
    const std::function<ShellAction(const ShellConnection&)>& visit) {
  auto* manager = CreateByIds<INetConnectionManager>(kConnectionManagerClass,
                                                     kConnectionManagerInterface, CLSCTX_ALL);
  if (!manager) return false;
  IEnumNetConnection* connections = nullptr;
  if (FAILED(manager->EnumConnections(NCME_DEFAULT, &connections)) || !connections) {
    manager->Release();
    return false;
  }
  bool more = true;
  while (more) {
    INetConnection* connection = nullptr;
    ULONG fetched = 0;
    if (connections->Next(1, &connection, &fetched) != S_OK || fetched != 1 || !connection) break;
    NETCON_PROPERTIES* props = nullptr;
    if (SUCCEEDED(connection->GetProperties(&props)) && props) {
      ShellConnection listed{Utf8(props->pszwName ? props->pszwName : L""), static_cast<int32_t>(props->Status)};
      FreeProperties(props);
      switch (visit(listed)) {
        case ShellAction::Next: break;
        case ShellAction::Stop: more = false; break;
        case ShellAction::ConnectAndStop: connection->Connect(); more = false; break;
        case ShellAction::DisconnectAndStop: connection->Disconnect(); more = false; break;
      }
    }
    connection->Release();
  }
  connections->Release();
  manager->Release();
  return true;
}

}  // namespace rv::win32
