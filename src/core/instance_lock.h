// The single-instance lock of the Russian edition: two named mutexes.
#pragma once

#include <string>

namespace zel {

// True when this process is the first instance. The second mutex stays held
// for the life of the process.
bool TakeInstanceLock(const std::wstring& baseName);

}  // namespace zel
