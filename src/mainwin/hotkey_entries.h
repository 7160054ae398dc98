// The hotkey bindings as the settings record stores them, the commands they
// run and the names of the 256 virtual-key codes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/edition.h"

namespace zel {

#pragma pack(push, 1)
struct THotkeyEntry {
  std::uint8_t Enabled;  // cleared when the system refuses the key
  std::uint8_t KeyCode;  // virtual-key code
  std::uint8_t Ctrl;
  std::uint8_t Shift;
  std::uint8_t Alt;
  std::uint16_t Index;  // the entry's own position, written by the defaults only
};
#pragma pack(pop)

static_assert(sizeof(THotkeyEntry) == 7);
static_assert(offsetof(THotkeyEntry, Index) == 5);

inline constexpr int kHotkeyEntries = 31;  // ids 0..30 are stored
inline constexpr int kHotkeyCommands = 10;  // only ids 0..9 are offered and run

// The ids of the ten commands.
enum : int {
  kHotkeyAddEvent = 0,
  kHotkeySoundsOff = 1,
  kHotkeyActionsOff = 2,
  kHotkeyEditorAll = 3,
  kHotkeyEditorToday = 4,
  kHotkeyFlash = 5,
  kHotkeyNotebook = 6,
  kHotkeyAddPerson = 7,
  kHotkeyAddOrg = 8,
  kHotkeySettings = 9,
};

// Disabled, space, no modifiers, index i.
THotkeyEntry DefaultHotkeyEntry(int index);

// The system's modifier bits for an entry: MOD_ALT 1, MOD_CONTROL 2,
// MOD_SHIFT 4.
unsigned HotkeyModifiers(const THotkeyEntry& entry);

// The command name of a hotkey id (empty beyond 9), in the edition's code page.
const std::string& HotkeyCommandName(Edition edition, int id);

// The text the key list shows for a virtual-key code; the list position is
// the code. The same in both editions.
std::string KeyName(int code);

}  // namespace zel
