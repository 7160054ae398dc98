#include "alarm/thread.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

struct Flags {
  bool localDestroyed = false;
  bool objectDestroyed = false;
  HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  ~Flags() { CloseHandle(done); }
};

// Sets a flag from a local's destructor: seen only when Execute returns
// rather than ending the thread under it.
struct Local {
  Flags& flags;
  ~Local() { flags.localDestroyed = true; }
};

class Worker : public TThread {
 public:
  Worker(Flags& flags, Ownership ownership) : TThread(ownership), flags_(flags) {}
  ~Worker() override {
    flags_.objectDestroyed = true;
    SetEvent(flags_.done);
  }
  DWORD Execute() override {
    Local local{flags_};
    return 42;
  }

 private:
  Flags& flags_;
};

TEST(Thread, StartsSuspendedAndReturnsFromExecute) {
  Flags flags;
  Worker worker(flags, TThread::Ownership::OwnerDeletes);
  ASSERT_NE(worker.ThreadHandle, nullptr);
  EXPECT_NE(worker.ThreadId, 0u);
  EXPECT_EQ(WaitForSingleObject(worker.ThreadHandle, 50), static_cast<DWORD>(WAIT_TIMEOUT));
  worker.Resume();
  ASSERT_EQ(WaitForSingleObject(worker.ThreadHandle, 5000), static_cast<DWORD>(WAIT_OBJECT_0));
  DWORD code = 0;
  GetExitCodeThread(worker.ThreadHandle, &code);
  EXPECT_EQ(code, 42u);
  EXPECT_TRUE(flags.localDestroyed);
  EXPECT_FALSE(flags.objectDestroyed);
}

TEST(Thread, AFreeWhenDoneThreadDeletesItselfAndItsHandle) {
  Flags flags;
  auto* worker = new Worker(flags, TThread::Ownership::FreeWhenDone);
  HANDLE copy = nullptr;
  ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), worker->ThreadHandle, GetCurrentProcess(), &copy,
                              0, FALSE, DUPLICATE_SAME_ACCESS));
  worker->Resume();
  ASSERT_EQ(WaitForSingleObject(flags.done, 5000), static_cast<DWORD>(WAIT_OBJECT_0));
  EXPECT_TRUE(flags.localDestroyed);
  EXPECT_TRUE(flags.objectDestroyed);
  ASSERT_EQ(WaitForSingleObject(copy, 5000), static_cast<DWORD>(WAIT_OBJECT_0));
  CloseHandle(copy);
}

}  // namespace
}  // namespace zel
