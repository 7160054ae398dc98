// The address-book files: one line per used record, in slot order, each
// ending in CR LF; the people file and the organizations file in the user
// data folder, with a backup made before each save; and any file the user
// picks for the notebook's file commands, in the same format.
#pragma once

#include <string>

#include "core/seam.h"
#include "notebook/address_book.h"

namespace zel {

struct AppCore;

// Saves one list to `file` (in one step: a failed save leaves the old file
// whole), or loads it: `clearFirst` replaces the list, else the records are
// appended into the free slots. A missing file is created empty. True on
// failure: the file cannot be read or written, or the list filled up (the
// records read so far stay). People lines that cannot be read are skipped;
// organization lines that cannot be read are skipped too, but make the load
// fail (empty lines excepted).
bool PeopleFileIO(Seam& os, TBoook& book, const std::string& file, bool save, int maxIcon,
                  bool clearFirst);
bool OrgFileIO(Seam& os, TBoook& book, const std::string& file, bool save, int maxIcon,
               bool clearFirst);

// The notebook's own files: when `save`, copies the file to its backup and
// saves the list; then reloads it (packing the slots). Failures are told in
// message boxes owned by `owner`. A load that had to leave lines out keeps
// the file aside (name.bad) first, so the next save cannot lose them.
// True when the reload succeeded (the caller then rebuilds the categories).
bool SyncPeople(AppCore& app, TBoook& book, bool save, WindowRef owner);
bool SyncOrgs(AppCore& app, TBoook& book, bool save, WindowRef owner);

}  // namespace zel
