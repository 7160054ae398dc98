// Where the program's files live: the program file and its folder, the
// decision between the program folder and the user's own folders, and the
// data folders made at start.
#pragma once

#include <string>

#include "core/edition.h"
#include "core/paths.h"

namespace zel {

class Seam;

// The program file's full path.
std::string ModulePath(Seam& os);

// The folder part of a program path, up to and including its last backslash
// or slash. An empty path, or one longer than 261 characters, gives
// "c:\error.err\"; a path without any separator gives its first character.
std::string SplitPath(const std::string& path);

// Decides where each part lives. This is the one place that decides it.
DataPlaces DecideDataPlaces(Seam& os);

// DecideDataPlaces; prepares the user's "Zelmora" folder when it is used
// (the first time, the data already beside the program is copied there);
// then forms every name.
TPaths FormPaths(Seam& os);

// The data folders of an ordinary start, when they do not exist; failures
// are ignored. The Russian edition makes its seven folders at every start;
// the English edition makes six, only when started with "SETUP", by their
// bare names in the current folder.
void CreateDataFolders(Seam& os, const TPaths& paths, Edition edition, bool setupArgument);

}  // namespace zel
