// vell.rwo: the event table and the reminder history, read and written whole.
#pragma once

namespace zel {

struct AppCore;

enum class WorkLoad { Missing, Loaded, Damaged };

// Clears the history, then reads the file into Work. A missing file leaves
// the table as it is; a damaged one (wrong size, read error) is reported,
// kept aside as vell.rwo.bad, and gives an empty table.
WorkLoad LoadWork(AppCore& app);
// Writes Work in one step; the old file stays intact when any step fails.
// True on failure.
bool SaveWork(AppCore& app);

}  // namespace zel
