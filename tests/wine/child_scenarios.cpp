#include "child_scenarios.h"

#include <windows.h>

#include "toolkit/lite_window.h"

namespace zel::test {
namespace {

// A class record with the 32-bit size of WNDCLASSEX, which 64-bit Windows
// refuses.
class ShortClassWindow : public TLiteWindow {
 public:
  void CreateParams() override {
    TLiteWindow::CreateParams();
    WndClass.cbSize = 48;
  }
};

}  // namespace

int RunChildScenario(const std::string& name) {
  if (name == "register-failure") {
    (new ShortClassWindow)->Create(nullptr);
    return 0;  // not reached: a failed registration ends the program
  }
  return 99;
}

int RunChild(const std::string& name, unsigned timeoutMs) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(self) + L"\" --zel-child=" +
                         std::wstring(name.begin(), name.end());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return -1;
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0)
    GetExitCodeProcess(process.hProcess, &code);
  else
    TerminateProcess(process.hProcess, 98);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(code);
}

}  // namespace zel::test
