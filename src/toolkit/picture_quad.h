// Picture buttons: a bitmap static shows the picture, and the parent window
// keeps a MyQuad over it, since statics take no clicks. The parent's mouse
// handler tests its quads in a fixed order and flashes the one hit.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace zel {

struct MyQuad {
  std::int32_t Id = 0;  // the area's command number
  std::int32_t X = 0, Y = 0, W = 0, H = 0;  // client coordinates of the window
  bool Enabled = true;  // windows ignore clicks on a disabled area
  std::wstring Text;
};

// Edges count as inside: X <= x <= X+W and Y <= y <= Y+H.
inline bool QuadHit(const MyQuad& quad, int x, int y) {
  return quad.X <= x && x <= quad.X + quad.W && quad.Y <= y && y <= quad.Y + quad.H;
}

// Click feedback: the area as a rounded rectangle is inverted for 110 ms and
// back. The calling thread waits meanwhile.
void FlashArea(HWND window, const MyQuad& quad);

}  // namespace zel
