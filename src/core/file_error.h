// The program's single report of a failed file step.
#pragma once

#include <string_view>

namespace zel {

struct AppCore;

// Code 0: nothing shown, false. Otherwise a message box "Error work in file: "
// + step, owned by the main window, and true. Never ends the program.
bool ReportFileError(AppCore& app, int code, std::string_view step);

}  // namespace zel
