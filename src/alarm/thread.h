// The program's thread class: a background thread is a class derived from
// TThread that overrides Execute. The thread is created suspended; its
// creator starts it with Resume.
//
// The thread ends by returning from Execute (so destructors run). An object
// made with FreeWhenDone deletes itself after Execute has returned, which
// closes its thread handle: short-lived threads started per alarm leave
// nothing behind. Others are deleted by their owner after the thread has
// ended (wait on ThreadHandle first).
#pragma once

#include <windows.h>

namespace zel {

class TThread {
 public:
  enum class Ownership { OwnerDeletes, FreeWhenDone };

  explicit TThread(Ownership ownership = Ownership::OwnerDeletes);
  TThread(const TThread&) = delete;
  TThread& operator=(const TThread&) = delete;
  virtual ~TThread();

  // The thread body; its result is the thread's exit code.
  virtual DWORD Execute() { return 0; }
  void Resume() { ResumeThread(ThreadHandle); }

  HANDLE ThreadHandle = nullptr;
  DWORD ThreadId = 0;

 private:
  // The object travels as the thread's parameter, so no executable stub
  // is needed to find it.
  static DWORD WINAPI ThreadProc(void* object);

  Ownership ownership_;
};

}  // namespace zel
