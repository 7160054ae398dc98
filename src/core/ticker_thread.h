// The ticker thread TGt: a Win32 thread around the portable ticker's passes.
#pragma once

namespace zel {

// Creates the thread suspended and resumes it.
void StartTicker();
// Ends the ticker's wait between passes at once (Quitting is already set).
void WakeTicker();

}  // namespace zel
