// The ticker: the second thread's work, without the thread. It loads the
// table, catches up once, and then, once a second, repaints the clock bar,
// scans every minute the clock has reached since the last scan, carries out
// the windows' requests, and writes vell.rwo when anything changed. The
// Windows program runs it on its own thread; the tests call it directly.
#pragma once

namespace zel {

struct AppCore;

// Clears the requests, reads the clock, LoadWork, the start-up pass, and a
// save when that changed the table.
void TickerStart(AppCore& app);
// One pass: read the clock, repaint, the midnight pass and minute scan of
// each minute not scanned yet today, the requests, and the save.
void TickerPass(AppCore& app);
// Deletes the sound files no voice event uses (read-only files stay).
void PurgeSounds(AppCore& app);

}  // namespace zel
