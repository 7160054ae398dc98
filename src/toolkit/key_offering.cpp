#include "toolkit/key_offering.h"

namespace zel {

bool OfferKeyToTopLevel(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_KEYUP) return false;
  HWND window = message.hwnd;
  HWND parent = GetParent(window);
  for (int stepsLeft = 10;;) {
    if (!parent)
      return SendMessageW(window, message.message, message.wParam, message.lParam) == 1;
    window = parent;
    parent = GetParent(parent);
    if (--stepsLeft == 0) return false;
  }
}

}  // namespace zel
