// The NT test, the shutdown privilege and the final request to the system.
#pragma once

namespace zel {

bool CheckIsNT();
// Enables "SeShutdownPrivilege" for this process (NT only); a failed step is
// reported by the main thread in a box without owner.
void EnableShutdownPrivilege(bool isNT);
// Asks the system to reboot, or to shut down (with power-off when asked).
// Never forces programs to close; a refused request only beeps.
void ExitSystem(bool isShutdown, bool powerOff);

}  // namespace zel
