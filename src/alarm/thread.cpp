#include "alarm/thread.h"

namespace zel {

TThread::TThread(Ownership ownership) : ownership_(ownership) {
  ThreadHandle = CreateThread(nullptr, 0, ThreadProc, this, CREATE_SUSPENDED, &ThreadId);
}

TThread::~TThread() {
  if (ThreadHandle) CloseHandle(ThreadHandle);
}

DWORD WINAPI TThread::ThreadProc(void* object) {
  auto* thread = static_cast<TThread*>(object);
  const DWORD result = thread->Execute();
  if (thread->ownership_ == Ownership::FreeWhenDone) delete thread;
  return result;
}

}  // namespace zel
