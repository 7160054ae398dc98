// The reminder window MyMesWin: the reminder history, blinking until the
// user accepts (clears) or closes it.
#pragma once

namespace zel {

// Closes an open reminder window, then opens a fresh one on top.
void OpenReminderWindow();

}  // namespace zel
