// Autostart at logon: the value "Zelmora" of the Run key.
#pragma once

#include <string>

namespace zel {

// On: writes the program's path, in quotes, under HKEY_LOCAL_MACHINE, or
// under HKEY_CURRENT_USER when the machine key refuses. Off: removes the
// value from both. Failures are not reported.
void SetAutostart(bool on);
// The value as written (the quoted path).
std::wstring AutostartValue();

}  // namespace zel
