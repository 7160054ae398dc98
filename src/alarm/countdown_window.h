// The full-screen reboot and shutdown countdown MyEndWin.
#pragma once

namespace zel {

// Opens the countdown unless one is already counting (the first request wins).
void OpenCountdown(bool isShutdown);

}  // namespace zel
