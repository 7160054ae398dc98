// The uninstaller: a running program cannot delete its own file, so it
// writes a batch file that deletes the chosen parts, starts it hidden and
// ends; the batch retries deleting the program file for a while, then
// deletes itself.
#pragma once

#include <optional>
#include <string>

#include "core/paths.h"
#include "core/seam.h"

namespace zel {

struct AppCore;

// The seven check boxes of the uninstall panel.
struct UninstallChoices {
  bool Program = false, Help = false, Sounds = false, Batchs = false, Melodys = false,
       UserData = false, Icons = false;
  bool Any() const { return Program || Help || Sounds || Batchs || Melodys || UserData || Icons; }
  bool All() const { return Program && Help && Sounds && Batchs && Melodys && UserData && Icons; }
};

// The batch text in the OEM page, or the first path that the page cannot
// hold (in `badPath`, UTF-8).
struct BatchText {
  std::optional<std::string> Text;
  std::string BadPath;
};

// Builds the batch that deletes the chosen parts; `batchFile` is where it
// will lie (its last line deletes it).
BatchText BuildUninstallBatch(const UninstallChoices& choices, const TPaths& paths,
                              const std::string& batchFile, int oemPage);

struct UninstallOutcome {
  bool SavedWork = false;        // the event table was saved first (user data kept)
  bool Started = false;          // the batch was written and started
  bool SwitchAutostartOff = false;  // the program files go: autostart must go too
  bool EndProgram = false;       // end the process now with code 0, saving nothing
  bool CloseSettings = false;    // post WM_CLOSE to the settings window
};

// Runs the uninstall for the choices. Message boxes are owned by `owner`.
// A path the OEM page cannot hold writes no batch and tells the user; a
// batch that cannot be written anywhere gives a beep. The caller carries out
// the outcome's autostart, end and close requests.
UninstallOutcome Uninstall(AppCore& app, const UninstallChoices& choices, WindowRef owner);

}  // namespace zel
