#include "core/ticker_thread.h"

#include <windows.h>

#include "alarm/thread.h"
#include "core/system_exit.h"
#include "core/ticker.h"
#include "core/win_app.h"

namespace zel {
namespace {

HANDLE stop_event = CreateEventW(nullptr, TRUE, FALSE, nullptr);

class TGt : public TThread {
 public:
  DWORD Execute() override {
    TApp& app = App();
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    EnableShutdownPrivilege(app.IsNT);
    TickerStart(app.Core);
    while (!app.Core.Quitting) {
      TickerPass(app.Core);
      // About a second between passes; a quit request ends the wait.
      WaitForSingleObject(stop_event, 1000);
    }
    ShutDownApp();
    return 0;
  }
};

}  // namespace

void StartTicker() {
  // One ticker lives for the whole run; it is never freed.
  auto* ticker = new TGt;
  ticker->Resume();
}

void WakeTicker() { SetEvent(stop_event); }

}  // namespace zel
