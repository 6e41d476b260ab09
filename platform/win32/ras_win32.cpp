#include "platform/win32/ras_win32.h"

#include <windows.h>
// windows.h first: the service headers build on its types.
#include <ras.h>
#include <raserror.h>

#include <memory>
#include <mutex>

namespace rv::win32 {

namespace {

std::mutex notifierMutex;
std::shared_ptr<RasNotifier> currentNotifier;

// Runs on a thread of the service; the copy keeps the notifier alive while
// a later dial replaces it.
VOID WINAPI DialTrampoline(UINT msg, RASCONNSTATE state, DWORD error) {
  std::shared_ptr<RasNotifier> notifier;
  {
    std::lock_guard<std::mutex> lock(notifierMutex);
    notifier = currentNotifier;
  }
  if (notifier && *notifier) (*notifier)(msg, static_cast<uint32_t>(state), error);
}

LPCSTR PhonebookOrDefault(const std::string& phonebook) {
  return phonebook.empty() ? nullptr : phonebook.c_str();
}

}  // namespace

uint32_t RasWin32::SetEntryProperties(const std::string& phonebook, const std::string& entry,
                                      const uint8_t* record, uint32_t size) {
  auto* r = reinterpret_cast<LPRASENTRYA>(const_cast<uint8_t*>(record));
  return RasSetEntryPropertiesA(PhonebookOrDefault(phonebook), entry.c_str(), r, size, nullptr, 0);
}

uint32_t RasWin32::SetCredentials(const std::string& phonebook, const std::string& entry,
                                  const uint8_t* record, bool clear) {
  auto* r = reinterpret_cast<LPRASCREDENTIALSA>(const_cast<uint8_t*>(record));
  return RasSetCredentialsA(PhonebookOrDefault(phonebook), entry.c_str(), r, clear ? TRUE : FALSE);
}

uint32_t RasWin32::Dial(const std::string& phonebook, const uint8_t* params, uint32_t size,
                        RasNotifier notifier, RasHandle* handle) {
  {
    std::lock_guard<std::mutex> lock(notifierMutex);
    currentNotifier = std::make_shared<RasNotifier>(std::move(notifier));
  }
  (void)size;  // the record carries its own size in dwSize
  HRASCONN connection = nullptr;
  auto* p = reinterpret_cast<LPRASDIALPARAMSA>(const_cast<uint8_t*>(params));
  DWORD result = RasDialA(nullptr, PhonebookOrDefault(phonebook), p, 0,
                          reinterpret_cast<LPVOID>(&DialTrampoline), &connection);
  if (handle) *handle = static_cast<RasHandle>(reinterpret_cast<uintptr_t>(connection));
  return result;
}

uint32_t RasWin32::GetErrorString(uint32_t code, char* buffer, uint32_t size) {
  return RasGetErrorStringA(code, buffer, size);
}

uint32_t RasWin32::EnumConnections(uint8_t* buffer, uint32_t* bytes, uint32_t* count) {
  DWORD cb = *bytes, n = *count;
  DWORD result = RasEnumConnectionsA(reinterpret_cast<LPRASCONNA>(buffer), &cb, &n);
  *bytes = cb;
  *count = n;
  return result;
}

uint32_t RasWin32::HangUp(RasHandle handle) {
  return RasHangUpA(reinterpret_cast<HRASCONN>(static_cast<uintptr_t>(handle)));
}

uint32_t RasWin32::EnumEntries(const std::string& phonebook, uint8_t* buffer, uint32_t* bytes,
                               uint32_t* count) {
  DWORD cb = *bytes, n = *count;
  DWORD result = RasEnumEntriesA(nullptr, PhonebookOrDefault(phonebook),
                                 reinterpret_cast<LPRASENTRYNAMEA>(buffer), &cb, &n);
  *bytes = cb;
  *count = n;
  return result;
}

}  // namespace rv::win32
