#include "alarm/event_file_name.h"

namespace zel {

bool SafeEventFileName(std::string_view name) {
  return name.find_first_of("\\/:") == std::string_view::npos &&
         name.find("..") == std::string_view::npos;
}

}  // namespace zel
