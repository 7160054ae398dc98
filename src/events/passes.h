// The ticker's three passes over the table and what a firing does.
#pragma once

namespace zel {

struct AppCore;

// Once at start-up, after LoadWork: catches up what was missed today, and
// anniversaries whose eve is today.
void StartupPass(AppCore& app);
// At each new minute.
void MinuteScan(AppCore& app);
// At 00:00, before the minute scan: anniversaries whose eve begins.
void MidnightPass(AppCore& app);

}  // namespace zel
