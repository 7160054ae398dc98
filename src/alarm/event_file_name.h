// Whether an event's file name may be played or run: a plain base name only.
// An imported event could otherwise reach a sound or batch file outside the
// program's own folders.
#pragma once

#include <string_view>

namespace zel {

// False for a name holding "\", "/", ":" or "..".
bool SafeEventFileName(std::string_view name);

}  // namespace zel
