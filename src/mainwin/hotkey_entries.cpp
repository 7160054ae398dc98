#include "mainwin/hotkey_entries.h"

#include "core/texts.h"

namespace zel {

THotkeyEntry DefaultHotkeyEntry(int index) {
  THotkeyEntry e{};
  e.KeyCode = 32;
  e.Index = static_cast<std::uint16_t>(index);
  return e;
}

unsigned HotkeyModifiers(const THotkeyEntry& entry) {
  return (entry.Ctrl ? 2u : 0u) | (entry.Shift ? 4u : 0u) | (entry.Alt ? 1u : 0u);
}

const std::string& HotkeyCommandName(Edition edition, int id) {
  static const std::string kNone;
  const auto& names = TextsOf(edition).HotkeyCommandNames;
  return id >= 0 && id < static_cast<int>(names.size()) ? names[static_cast<size_t>(id)] : kNone;
}

}  // namespace zel
