// The two editions built from one source tree. The core takes the edition as a
// value so that one native build can exercise both; the Windows program fixes it
// at compile time.
#pragma once

namespace zel {

enum class Edition { Russian, English };

}  // namespace zel
