// The system-wide hotkeys of the ten commands, registered for the clock bar.
#pragma once

namespace zel {

// Registers each enabled entry of ids 0-9; a refused key is reported once
// and switched off in the settings. Entries 10-30 are carried, never bound.
void RegisterHotkeys();
void UnregisterHotkeys();

}  // namespace zel
