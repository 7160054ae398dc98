// The program's entry: the instance lock, "SETUP", then InitApp and the
// message loop (the process ends inside the orderly exit).
#include <windows.h>
#include <shellapi.h>

#include <cwctype>

#include "core/autostart.h"
#include "core/data_folders.h"
#include "core/instance_lock.h"
#include "core/win_app.h"

namespace {

bool IsSetupArgument() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  bool setup = false;
  if (argv && argc >= 2) {
    std::wstring first = argv[1];
    for (wchar_t& c : first) c = static_cast<wchar_t>(std::towupper(c));
    setup = first == L"SETUP";
  }
  LocalFree(argv);
  return setup;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace zel;
  if (!kEnglish && !TakeInstanceLock(L"Zelmora32")) return 0;
  TApp& app = App();
  app.Core.Paths = FormPaths(app.Seam);
  const bool setup = IsSetupArgument();
  if (setup) {
    SetAutostart(true);
    if (!kEnglish) return 0;
  }
  InitApp(setup);
  RunMessageLoop();
}
