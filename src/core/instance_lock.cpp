#include "core/instance_lock.h"

#include <windows.h>

namespace zel {

bool TakeInstanceLock(const std::wstring& baseName) {
  // The first mutex keeps two starts at the same moment from both passing.
  HANDLE gate = CreateMutexW(nullptr, TRUE, (baseName + L".OneInstance32.CriticalSection").c_str());
  static HANDLE held = CreateMutexW(nullptr, FALSE, (baseName + L".OneInstance32.Default").c_str());
  const DWORD wait = held ? WaitForSingleObject(held, 0) : WAIT_FAILED;
  if (gate) {
    ReleaseMutex(gate);
    CloseHandle(gate);
  }
  return wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
}

}  // namespace zel
