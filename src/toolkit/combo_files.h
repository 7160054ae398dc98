// Combo-box histories kept in text files (CR LF lines in the edition's code
// page) and file lists shown in list boxes. Paths are UTF-8.
#pragma once

#include <windows.h>

#include <string>

#include "core/edition.h"

namespace zel {

// Writes the items as lines, up to `lineCount` of them (0: all items). With
// `pad`, empty lines fill up to `lineCount`; without it writing stops after
// the last item. The last line of a full count has no line end. Without
// `overwrite` an existing file is left alone. True on failure.
bool SaveComboItems(HWND combo, const std::string& fileName, int lineCount, bool pad,
                    bool overwrite, Edition edition);

// Replaces the items with the file's lines. With `fixedCount` exactly
// `lineCount` items are added, empty ones past the end of the file;
// without it, lines up to the end or up to `lineCount` when that is above 0.
// True on failure.
bool LoadComboItems(HWND combo, const std::string& fileName, int lineCount, bool fixedCount,
                    Edition edition);

// Replaces the items with the upper-case bare names (no folder, no
// extension) of the plain files matching folder + mask; `shortNames` takes
// them in their 8.3 form. `folder` ends in a backslash.
void ListFolderFiles(HWND list, const std::string& folder, const std::string& mask,
                     bool shortNames);

}  // namespace zel
