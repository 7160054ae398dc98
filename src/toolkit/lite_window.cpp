#include "toolkit/lite_window.h"

#include <cxxabi.h>

#include <cstdlib>
#include <typeinfo>

namespace zel {
namespace {

const wchar_t kObjectProp[] = L"Zelmora.Object";

// The object whose window is being created on this thread. Creation and
// dialogs run on the thread that owns the window, so one slot per thread is
// enough.
thread_local TLiteFrame* next_object = nullptr;

// "MyMain" for an object of class zel::MyMain.
std::wstring PlainClassName(const std::type_info& type) {
  int status = 0;
  char* demangled = abi::__cxa_demangle(type.name(), nullptr, nullptr, &status);
  std::string name = status == 0 && demangled ? demangled : type.name();
  std::free(demangled);
  const std::size_t colons = name.rfind("::");
  if (colons != std::string::npos) name = name.substr(colons + 2);
  return std::wstring(name.begin(), name.end());
}

}  // namespace

TKeyData DecodeKeyData(WPARAM wParam, LPARAM lParam) {
  const auto bits = static_cast<std::uint32_t>(lParam);
  TKeyData key;
  key.CharCode = static_cast<std::uint32_t>(wParam);
  key.RepeatCount = static_cast<std::uint16_t>(bits & 0xFFFF);
  key.ScanCode = static_cast<std::uint8_t>((bits >> 16) & 0xFF);
  key.Extended = (bits & (1u << 24)) != 0;
  key.PrevState = (bits & (1u << 30)) != 0;
  return key;
}

// ---------------------------------------------------------------- TLiteFrame

TLiteFrame::~TLiteFrame() { Detach(); }

void TLiteFrame::DefaultHandler(TMessage&) {}

void TLiteFrame::BindFunction(UINT msg, std::function<void(TMessage&)> handler) {
  const WORD number = LOWORD(msg);
  for (auto& [bound, function] : handlers_) {
    if (bound == number) {
      function = std::move(handler);
      return;
    }
  }
  handlers_.emplace_back(number, std::move(handler));
}

void TLiteFrame::Dispatch(TMessage& message) {
  const WORD number = LOWORD(message.Msg);
  for (auto& [bound, function] : handlers_) {
    if (bound == number) {
      function(message);
      return;
    }
  }
  DefaultHandler(message);
}

void TLiteFrame::Destroy() {
  Release();
  delete this;
}

void TLiteFrame::BindNextWindow() { next_object = this; }
void TLiteFrame::ForgetNextWindow() { next_object = nullptr; }

void TLiteFrame::Attach(HWND window) {
  if (!Handle) Handle = window;
  SetPropW(window, kObjectProp, this);
  attached_ = true;
}

void TLiteFrame::Detach() {
  if (attached_ && Handle && GetPropW(Handle, kObjectProp) == this) RemovePropW(Handle, kObjectProp);
  attached_ = false;
}

TLiteFrame* TLiteFrame::FindObject(HWND window, UINT msg) {
  auto* object = static_cast<TLiteFrame*>(GetPropW(window, kObjectProp));
  if (!object && next_object && msg != WM_NCDESTROY) {
    object = next_object;
    next_object = nullptr;
    object->Attach(window);
  }
  return object;
}

LRESULT TLiteFrame::Route(TLiteFrame* object, HWND window, UINT msg, WPARAM wParam,
                          LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  object->WndProc(message);
  // The handler may have destroyed the object: from here on only the
  // window handle and the local record are used.
  if (msg == WM_NCDESTROY && GetPropW(window, kObjectProp) == object) {
    RemovePropW(window, kObjectProp);
    object->attached_ = false;
  }
  return message.Result;
}

LRESULT CALLBACK TLiteFrame::StdWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TLiteFrame* object = FindObject(window, msg);
  if (!object) return DefWindowProcW(window, msg, wParam, lParam);
  return Route(object, window, msg, wParam, lParam);
}

INT_PTR CALLBACK TLiteFrame::StdDlgProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TLiteFrame* object = FindObject(window, msg);
  if (!object) return FALSE;
  return Route(object, window, msg, wParam, lParam);
}

// --------------------------------------------------------------- TLiteWindow

TLiteWindow::~TLiteWindow() { TLiteWindow::Release(); }

void TLiteWindow::CreateParams() {
  Left = Top = Width = Height = CW_USEDEFAULT;
  Caption = L"Source Window";
  Style = WS_VISIBLE | WS_OVERLAPPEDWINDOW;
  ExStyle = 0;
  Menu = nullptr;
  CreateParam = nullptr;
  ClassNameText = PlainClassName(typeid(*this)) + L":" +
                  std::to_wstring(reinterpret_cast<std::intptr_t>(this));
  WndClass = WNDCLASSEXW{};
  WndClass.cbSize = sizeof(WNDCLASSEXW);
  WndClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  WndClass.lpfnWndProc = StdWndProc;
  WndClass.hInstance = GetModuleHandleW(nullptr);
  WndClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  WndClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  WndClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  WndClass.lpszClassName = ClassNameText.c_str();
}

void TLiteWindow::Create(HWND parent) {
  TLiteFrame::Create(parent);
  CreateParams();
  ATOM atom = 0;
  for (int attempt = 0; attempt < 1000 && !atom; ++attempt) atom = RegisterClassExW(&WndClass);
  if (!atom) {
    MessageBoxW(GetDesktopWindow(), L"Microsoft Windows (c) Error", L"Not System Resources",
                MB_ICONERROR);
    ExitProcess(1);
  }
  registered_ = true;
  BindNextWindow();
  HWND window = CreateWindowExW(ExStyle, ClassNameText.c_str(), Caption.c_str(), Style, Left, Top,
                                Width, Height, Parent, Menu, WndClass.hInstance, CreateParam);
  ForgetNextWindow();
  Handle = window;
  CreateControls();
}

void TLiteWindow::CreateFromHandle(HWND window) {
  TLiteFrame::Create(GetParent(window));
  OldWndProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
  Attach(window);
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StdWndProc));
}

void TLiteWindow::DefaultHandler(TMessage& message) {
  message.Result = OldWndProc ? CallWindowProcW(OldWndProc, Handle, message.Msg, message.WParam,
                                                message.LParam)
                              : DefWindowProcW(Handle, message.Msg, message.WParam,
                                               message.LParam);
}

void TLiteWindow::Release() {
  // Detach first: the messages of the destruction below then go to the
  // default procedure, never to an object on its way out.
  const bool windowAlive = IsAttached() && IsWindow(Handle);
  Detach();
  if (OldWndProc) {
    if (windowAlive)
      SetWindowLongPtrW(Handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OldWndProc));
    OldWndProc = nullptr;
  } else if (windowAlive) {
    DestroyWindow(Handle);
  }
  if (registered_) {
    UnregisterClassW(ClassNameText.c_str(), WndClass.hInstance);
    registered_ = false;
  }
}

void TLiteWindow::SetCaption(const std::wstring& text) {
  Caption = text;
  if (Handle) SetWindowTextW(Handle, Caption.c_str());
}

void TLiteWindow::UpdateBounds() {
  RECT r{};
  GetWindowRect(Handle, &r);
  Left = r.left;
  Top = r.top;
  Width = r.right - r.left;
  Height = r.bottom - r.top;
  GetClientRect(Handle, &r);
  ClientWidth = r.right - r.left;
  ClientHeight = r.bottom - r.top;
}

}  // namespace zel
