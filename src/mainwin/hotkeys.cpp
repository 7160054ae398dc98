#include "mainwin/hotkeys.h"

#include "core/codepage.h"
#include "core/texts.h"
#include "core/win_app.h"
#include "mainwin/hotkey_entries.h"

namespace zel {
namespace {

std::string RefusalText() {
  return FromUtf8(kProgramEdition,
                  kEnglish ? "Can not register hot key\nPossible it occupied by other "
                             "application\nAction: "
                           : "Невозможно зарегистрировать горячую клавишу\nВозможно она занята "
                             "другим приложением\nДействие: ");
}

}  // namespace

void RegisterHotkeys() {
  TApp& app = App();
  for (int id = 0; id < kHotkeyCommands; ++id) {
    THotkeyEntry& entry = app.Core.Tuning.Hotkeys[id];
    if (!entry.Enabled) continue;
    const bool registered =
        RegisterHotKey(app.MainHandle, id, HotkeyModifiers(entry), entry.KeyCode) != 0;
    entry.Enabled = BoolByte(registered);
    if (!registered)
      MessageBoxW(app.MainHandle,
                  Wide(RefusalText() + HotkeyCommandName(kProgramEdition, id)).c_str(),
                  Wide(TextsOf(kProgramEdition).AppCaption).c_str(), MB_OK);
  }
}

void UnregisterHotkeys() {
  for (int id = 0; id < kHotkeyEntries; ++id) UnregisterHotKey(App().MainHandle, id);
}

}  // namespace zel
