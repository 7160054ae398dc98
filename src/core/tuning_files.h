// vell.tun and vellsys.tun: the settings records read and written whole.
#pragma once

namespace zel {

struct AppCore;

enum class SettingsLoad { Missing, Loaded, Damaged };

// Makes the file writable, then reads the edition's record into Tuning. A
// missing file gives the defaults silently; a damaged one (another size, a
// read error) is reported as "[Read Tun File]", kept aside as vell.tun.bad
// and gives the defaults.
SettingsLoad LoadTuning(AppCore& app);
// Writes Tuning in one step; each failed step is reported. True on failure.
bool SaveTuning(AppCore& app);

// The same for vellsys.tun and SysTuning. Loading also takes the stored
// clock bar place as its last known position; saving first stores that
// position into the record.
SettingsLoad LoadSysTuning(AppCore& app);
bool SaveSysTuning(AppCore& app);

}  // namespace zel
