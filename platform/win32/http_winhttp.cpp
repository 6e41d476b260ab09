// The request is opened asynchronously and awaited with WaitForResponse so
// that the time-out bounds the whole call: the object's own time-outs limit
// each phase, but a server that trickles bytes would keep a synchronous Send
// going for ever.
#include "platform/win32/http_winhttp.h"
#include "platform/win32/wide.h"

#include <objbase.h>
#include <oleauto.h>
#include <windows.h>

#include <algorithm>
#include <vector>

namespace rv::win32 {

namespace {

constexpr long kOptionSslErrorIgnoreFlags = 4;
// Unknown authority, wrong usage, wrong common name, expired date.
constexpr long kIgnoreCertificateErrors = 0x3300;

class ComScope {
 public:
  ComScope() : hr_(CoInitialize(nullptr)) {}
  ~ComScope() {
    if (SUCCEEDED(hr_)) CoUninitialize();
  }

 private:
  HRESULT hr_;
};

// Owns the argument variants of one call.
class Args {
 public:
  ~Args() {
    for (VARIANT& v : list_) VariantClear(&v);
  }
  Args& Long(long value) {
    VARIANT& v = Add();
    v.vt = VT_I4;
    v.lVal = value;
    return *this;
  }
  Args& Bool(bool value) {
    VARIANT& v = Add();
    v.vt = VT_BOOL;
    v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return *this;
  }
  Args& Text(const std::wstring& value) {
    VARIANT& v = Add();
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocStringLen(value.data(), static_cast<UINT>(value.size()));
    return *this;
  }
  // IDispatch takes the arguments last to first.
  std::vector<VARIANT> Reversed() const { return {list_.rbegin(), list_.rend()}; }

 private:
  VARIANT& Add() {
    list_.emplace_back();
    VariantInit(&list_.back());
    return list_.back();
  }
  std::vector<VARIANT> list_;
};

enum class Kind { Method, Get, Put };

// Calls a method, reads a property, or sets one (the last argument is the value).
bool Invoke(IDispatch* object, const wchar_t* name, const Args& args, VARIANT* result = nullptr,
            Kind kind = Kind::Method) {
  const bool put = kind == Kind::Put;
  const WORD flags = put ? DISPATCH_PROPERTYPUT
                         : kind == Kind::Get ? DISPATCH_PROPERTYGET : DISPATCH_METHOD;
  DISPID id;
  LPOLESTR member = const_cast<LPOLESTR>(name);
  if (FAILED(object->GetIDsOfNames(IID_NULL, &member, 1, LOCALE_USER_DEFAULT, &id))) return false;
  std::vector<VARIANT> reversed = args.Reversed();
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{reversed.data(), put ? &named : nullptr, static_cast<UINT>(reversed.size()),
                    put ? 1u : 0u};
  return SUCCEEDED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT,
                                  flags, &params, result,
                                  nullptr, nullptr));
}

// A copy of at most kMaxHttpBodyBytes of the byte array.
std::string BodyBytes(const VARIANT& body) {
  if (body.vt != (VT_ARRAY | VT_UI1) || !body.parray || SafeArrayGetDim(body.parray) != 1) return {};
  LONG lower = 0, upper = -1;
  SafeArrayGetLBound(body.parray, 1, &lower);
  SafeArrayGetUBound(body.parray, 1, &upper);
  if (upper < lower) return {};
  size_t size = std::min(static_cast<size_t>(upper - lower) + 1, kMaxHttpBodyBytes);
  void* data = nullptr;
  if (FAILED(SafeArrayAccessData(body.parray, &data))) return {};
  std::string bytes(static_cast<const char*>(data), size);
  SafeArrayUnaccessData(body.parray);
  return bytes;
}

IDispatch* NewRequestObject() {
  CLSID clsid;
  if (FAILED(CLSIDFromProgID(L"WinHttp.WinHttpRequest.5.1", &clsid))) return nullptr;
  IDispatch* request = nullptr;
  if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                              reinterpret_cast<void**>(&request))))
    return nullptr;
  return request;
}

bool SetCertificateOption(IDispatch* request) {
  return Invoke(request, L"Option", Args().Long(kOptionSslErrorIgnoreFlags).Long(kIgnoreCertificateErrors),
                nullptr, Kind::Put);
}

// Only opening, sending and the response are essential: a setting the object
// refuses (some implementations lack the certificate option) leaves the
// request as it would be without it.
bool Send(IDispatch* request, const std::string& url, const HttpHeaders& headers, int timeoutMs) {
  if (timeoutMs > 0)
    Invoke(request, L"SetTimeouts", Args().Long(timeoutMs).Long(timeoutMs).Long(timeoutMs).Long(timeoutMs));
  if (!Invoke(request, L"Open", Args().Text(L"GET").Text(Wide(url)).Bool(true))) return false;
  SetCertificateOption(request);
  for (const auto& [name, value] : headers)
    Invoke(request, L"SetRequestHeader", Args().Text(Wide(name)).Text(Wide(value)));
  if (!Invoke(request, L"Send", Args().Text(L""))) return false;
  const int boundMs = timeoutMs > 0 ? timeoutMs : kHttpDefaultCallBoundMs;
  VARIANT done;
  VariantInit(&done);
  bool finished = Invoke(request, L"WaitForResponse", Args().Long((boundMs + 999) / 1000), &done) &&
                  done.vt == VT_BOOL && done.boolVal == VARIANT_TRUE;
  VariantClear(&done);
  if (!finished) Invoke(request, L"Abort", Args());
  return finished;
}

}  // namespace

bool RequestObjectTakesCertificateOption() {
  ComScope com;
  IDispatch* request = NewRequestObject();
  if (!request) return false;
  bool taken = Invoke(request, L"Open", Args().Text(L"GET").Text(L"http://127.0.0.1/").Bool(true)) &&
               SetCertificateOption(request);
  request->Release();
  return taken;
}

std::string HttpWin32::Get(const std::string& url, const HttpHeaders& headers, int timeoutMs) {
  ComScope com;
  IDispatch* request = NewRequestObject();
  if (!request) return {};
  std::string bytes;
  if (Send(request, url, headers, timeoutMs)) {
    VARIANT body;
    VariantInit(&body);
    if (Invoke(request, L"ResponseBody", Args(), &body, Kind::Get)) bytes = BodyBytes(body);
    VariantClear(&body);
  }
  request->Release();
  return bytes;
}

}  // namespace rv::win32
