#include "core/autostart.h"

#include <windows.h>

#include "core/win_app.h"
#include "toolkit/win_text.h"

namespace zel {
namespace {

const wchar_t kValueName[] = L"Zelmora";

// Software\Microsoft\Windows must exist; CurrentVersion\Run may be made.
HKEY OpenRunKey(HKEY root) {
  HKEY key = root, next = nullptr;
  for (const wchar_t* part : {L"Software", L"Microsoft", L"Windows"}) {
    const LONG r = RegOpenKeyExW(key, part, 0, KEY_ALL_ACCESS, &next);
    if (key != root) RegCloseKey(key);
    if (r != ERROR_SUCCESS) return nullptr;
    key = next;
  }
  const LONG r = RegCreateKeyExW(key, L"CurrentVersion\\Run", 0, nullptr, 0, KEY_ALL_ACCESS,
                                 nullptr, &next, nullptr);
  RegCloseKey(key);
  return r == ERROR_SUCCESS ? next : nullptr;
}

bool WriteValue(HKEY root, const std::wstring& data) {
  HKEY run = OpenRunKey(root);
  if (!run) return false;
  const LONG r = RegSetValueExW(run, kValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                                static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(run);
  return r == ERROR_SUCCESS;
}

void DeleteValue(HKEY root) {
  if (HKEY run = OpenRunKey(root)) {
    RegDeleteValueW(run, kValueName);
    RegCloseKey(run);
  }
}

}  // namespace

std::wstring AutostartValue() {
  // Quoted, so that a path with spaces starts this program and not a
  // shorter name.
  return L"\"" + WideFromUtf8(App().Core.Paths.ModulePath) + L"\"";
}

void SetAutostart(bool on) {
  if (on) {
    if (!WriteValue(HKEY_LOCAL_MACHINE, AutostartValue())) WriteValue(HKEY_CURRENT_USER, AutostartValue());
  } else {
    DeleteValue(HKEY_LOCAL_MACHINE);
    DeleteValue(HKEY_CURRENT_USER);
  }
}

}  // namespace zel
