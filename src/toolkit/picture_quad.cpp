#include "toolkit/picture_quad.h"

namespace zel {

void FlashArea(HWND window, const MyQuad& quad) {
  HDC dc = GetDC(window);
  // Our own region, used only for drawing here, so we delete it (unlike a
  // region given to SetWindowRgn, which then belongs to the system).
  HRGN region = CreateRoundRectRgn(quad.X, quad.Y, quad.X + quad.W, quad.Y + quad.H, 15, 15);
  SelectObject(dc, region);
  InvertRgn(dc, region);
  GdiFlush();
  Sleep(110);
  InvertRgn(dc, region);
  DeleteObject(region);
  ReleaseDC(window, dc);
}

}  // namespace zel
