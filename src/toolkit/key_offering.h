// Step 2 of the main message loop: every key message goes first to the
// top-level ancestor of the window it is aimed at, so that a window sees the
// keys of its child controls and can keep them for its own shortcuts.
#pragma once

#include <windows.h>

namespace zel {

// For WM_KEYDOWN and WM_KEYUP: walks up from the message's window by
// GetParent; when the top is reached within nine parent steps, sends the
// message to it. True when that window answered 1 (the loop then drops the
// message); false for other messages, for deeper windows, and for any other
// answer.
bool OfferKeyToTopLevel(const MSG& message);

}  // namespace zel
