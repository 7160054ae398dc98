// The frame and window classes every window and dialog of the program
// derives from. One object serves one window: the window procedure finds the
// object through a window property, and the object being created is bound to
// its window at the first message it receives, so that even the messages sent
// inside CreateWindowEx (WM_GETMINMAXINFO comes before WM_NCCREATE) reach the
// object with Handle set. Dialog procedures are served the same way.
//
// Life cycle: `new MyWin(...)`, then `Create(parent)`; the window ends with
// `Destroy()`, usually from one of its own handlers. After Destroy returns the
// handler must not touch the object (a handler that still needs the default
// procedure calls it before Destroy, or with a saved handle).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace zel {

// What every handler receives; Result is what the window (or dialog)
// procedure answers, 0 unless a handler sets it.
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;

  // Views of the packed parameters: signed halves of LParam (mouse
  // positions), halves of WParam (WM_COMMAND), the control of WM_COMMAND and
  // the device context of the WM_CTLCOLOR... messages.
  int LParamLo() const { return static_cast<short>(LOWORD(LParam)); }
  int LParamHi() const { return static_cast<short>(HIWORD(LParam)); }
  WORD WParamLo() const { return LOWORD(WParam); }
  WORD WParamHi() const { return HIWORD(WParam); }
  HWND LParamWindow() const { return reinterpret_cast<HWND>(LParam); }
  HDC WParamDc() const { return reinterpret_cast<HDC>(WParam); }
};

// A WM_KEYDOWN or WM_KEYUP taken apart.
struct TKeyData {
  std::uint32_t CharCode = 0;     // virtual key
  std::uint16_t RepeatCount = 0;  // bits 0-15 of LParam
  std::uint8_t ScanCode = 0;      // bits 16-23
  bool Extended = false;          // bit 24
  bool PrevState = false;         // bit 30
};
TKeyData DecodeKeyData(WPARAM wParam, LPARAM lParam);

// GetAsyncKeyState answers a SHORT; the key is held when its high bit is set.
inline bool IsKeyHeld(int virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

class TLiteFrame {
 public:
  TLiteFrame() = default;
  TLiteFrame(const TLiteFrame&) = delete;
  TLiteFrame& operator=(const TLiteFrame&) = delete;
  virtual ~TLiteFrame();

  // Every message of the object; the default dispatches by message number.
  virtual void WndProc(TMessage& message) { Dispatch(message); }
  // Stores the parent (or owner) window.
  virtual void Create(HWND parent) { Parent = parent; }
  // Messages without a handler: nothing for a frame (a dialog then answers 0).
  virtual void DefaultHandler(TMessage& message);

  // The handler bound to the low 16 bits of Msg, else DefaultHandler.
  void Dispatch(TMessage& message);
  // Detaches the object from its window and deletes it.
  void Destroy();

  // The window procedure and the dialog procedure of every object.
  static LRESULT CALLBACK StdWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  static INT_PTR CALLBACK StdDlgProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

  HDC DC = nullptr;  // kept by a handler while it paints; the toolkit never touches it
  HWND Handle = nullptr;
  HWND Parent = nullptr;

 protected:
  // Binds a handler to a message number; binding a number again (as a
  // derived class's constructor does) replaces the earlier handler.
  template <class T>
  void Bind(UINT msg, void (T::*handler)(TMessage&)) {
    BindFunction(msg, [this, handler](TMessage& m) { (static_cast<T*>(this)->*handler)(m); });
  }
  void BindFunction(UINT msg, std::function<void(TMessage&)> handler);

  // The next window that reaches StdWndProc or StdDlgProc without an object
  // becomes this object's window; call right before CreateWindowEx or the
  // dialog functions.
  void BindNextWindow();
  static void ForgetNextWindow();
  void Attach(HWND window);
  void Detach();
  // The window still routes to this object (false after its WM_NCDESTROY).
  bool IsAttached() const { return attached_; }
  // Undoes what the object did to its window; safe to call twice.
  virtual void Release() { Detach(); }

 private:
  static TLiteFrame* FindObject(HWND window, UINT msg);
  static LRESULT Route(TLiteFrame* object, HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

  std::vector<std::pair<WORD, std::function<void(TMessage&)>>> handlers_;
  bool attached_ = false;
};

class TLiteWindow : public TLiteFrame {
 public:
  TLiteWindow() = default;
  ~TLiteWindow() override;

  // Fills the fields below, registers the class and creates the window, then
  // CreateControls.
  void Create(HWND parent) override;
  // Defaults of every field; overrides call this first.
  virtual void CreateParams();
  virtual void CreateControls() {}
  // Attaches the object to an existing window, subclassing it.
  virtual void CreateFromHandle(HWND window);
  // The former window procedure, or DefWindowProc.
  void DefaultHandler(TMessage& message) override;

  void SetCaption(const std::wstring& text);
  void UpdateBounds();

  int Left = 0, Top = 0, Width = 0, Height = 0;
  int ClientWidth = 0, ClientHeight = 0;
  std::wstring Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  HMENU Menu = nullptr;
  void* CreateParam = nullptr;
  WNDCLASSEXW WndClass{};
  WNDPROC OldWndProc = nullptr;
  std::wstring ClassNameText;  // class name, ':', the object's address in decimal

 protected:
  void Release() override;

 private:
  bool registered_ = false;
};

}  // namespace zel
