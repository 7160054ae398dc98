// Any line: the reader never fails unsafely, and whatever it accepts is
// written back and read again to the very same event.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "events/exchange.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view line(reinterpret_cast<const char*>(data), size);
  zel::TEventRec first{}, second{};
  if (zel::LineToEvent(line, first)) return 0;
  if (zel::LineToEvent(zel::EventToLine(first), second)) std::abort();
  // Compared field by field: bytes past a text's length carry no meaning.
  if (zel::EventToLine(first) != zel::EventToLine(second) || first.Slot != second.Slot ||
      first.Reserved134 != second.Reserved134 ||
      std::memcmp(first.Reserved136, second.Reserved136, sizeof first.Reserved136) != 0)
    std::abort();
  return 0;
}
