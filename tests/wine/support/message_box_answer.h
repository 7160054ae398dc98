// Answers a modal message box from a watcher thread: finds the top-level
// dialog (class "#32770") with the expected caption, in this process or
// another, reads its text and icon, and presses the chosen button.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

namespace zel::test {

struct SeenBox {
  bool Found = false;
  std::wstring Text;
  HICON Icon = nullptr;
};

class MessageBoxAnswer {
 public:
  // Starts watching at once; `button` is the command to press (IDOK, IDNO...).
  MessageBoxAnswer(std::wstring caption, int button, DWORD timeoutMs = 10000);
  ~MessageBoxAnswer();
  // Waits for the watcher and answers what it saw.
  SeenBox Result();

 private:
  void Watch();

  std::wstring caption_;
  int button_;
  DWORD timeoutMs_;
  SeenBox seen_;
  std::thread watcher_;
};

// The shared system icon a message box shows for MB_ICONERROR and the like.
HICON SystemIconFor(UINT mbIcon);

}  // namespace zel::test
