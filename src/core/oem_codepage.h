// The OEM code pages in which the command interpreter reads batch files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/edition.h"

namespace zel {

// UTF-8 text in the OEM page `codePage` (437, 850 and 866 are known; for any
// other page only ASCII is). nullopt when a character has no place in the
// page: the system's conversion would put a '?' there, which in a batch line
// is a wildcard and could name other files.
std::optional<std::string> Utf8ToOem(int codePage, std::string_view utf8);

// The OEM page a system of the edition's language normally has.
int UsualOemPage(Edition edition);

}  // namespace zel
