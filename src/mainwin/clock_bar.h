// The clock bar MyMain: the program's one permanent window and its message
// hub (reminders, countdowns, sounds, the orderly end, hotkeys, the menu).
#pragma once

namespace zel {

// Creates the bar at its stored place (brought back onto the primary
// screen's work area when that place lies on no monitor).
void CreateClockBar();

// The menu commands (100-111), as menu items and hotkeys run them.
void RunCommand(int command);

}  // namespace zel
