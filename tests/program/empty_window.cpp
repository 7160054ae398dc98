// The benchmark's baseline: an empty Win32 program with one small window,
// so that Wine's own start-up and idle costs can be told apart.
#include <windows.h>

static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, msg, w, l);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW c{};
  c.lpfnWndProc = Procedure;
  c.hInstance = instance;
  c.lpszClassName = L"MyMain:empty";
  RegisterClassW(&c);
  CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, c.lpszClassName, L"", WS_POPUP | WS_VISIBLE,
                  0, 0, 280, 18, nullptr, nullptr, instance, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return 0;
}
