// One creation function per control kind the windows use, with their few
// style choices as flags, and one-line wrappers for the control messages.
// The argument orders are the ones every window of the program was written
// against. Texts are UTF-16 here; callers convert code-page texts with
// win_text.h.
#pragma once

#include <windows.h>

#include <string>

namespace zel {

// WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE.
constexpr DWORD kEdgeStyle = 0x300;
enum class EditAlign { Left = 0, Right = 1, Centre = 2 };

// A static showing a bitmap resource of `instance`; it takes the bitmap's size.
HWND CreateBitmapStatic(HWND parent, HINSTANCE instance, const wchar_t* bitmapName, int x, int y,
                        bool edge);
HWND CreateStaticText(HWND parent, HINSTANCE instance, bool edge, int height, int width, int y,
                      int x, const std::wstring& text);
HWND CreatePushButton(HWND parent, HINSTANCE instance, const std::wstring& text, bool edge,
                      bool flat, int height, int width, int y, int x);
// A round indicator used as an on/off box.
HWND CreateCheckButton(HWND parent, HINSTANCE instance, bool edge, bool flat, int height,
                       int width, int y, int x, const std::wstring& text);
HWND CreateEdit(HWND parent, HINSTANCE instance, const std::wstring& text, bool readOnly,
                bool multiLine, bool edge, EditAlign align, int height, int width, int y, int x,
                int textLimit);
HWND CreateComboBox(HWND parent, HINSTANCE instance, int textLimit, bool noIntegralHeight,
                    bool sorted, bool lowerCase, bool upperCase, bool dropDownList, bool simple,
                    int height, int width, int y, int x, const std::wstring& text);
HWND CreateListBox(HWND parent, HINSTANCE instance, bool edge, bool noIntegralHeight, bool sorted,
                   bool tabStops, bool multipleSel, bool multiColumn, bool extendedSel, int height,
                   int width, int y, int x, const std::wstring& text);

// Switches the picture of a bitmap static without recreating it. The caller
// loads its bitmaps once and keeps owning them.
// Answers the picture shown before, which stays the caller's (or, for the
// first switch, the control's own copy of its resource).
HBITMAP SetBitmapStaticImage(HWND picture, HBITMAP bitmap);

// Combo boxes.
int ComboAdd(HWND combo, const std::wstring& text);
int ComboInsertAt(HWND combo, int index, const std::wstring& text);
void ComboClear(HWND combo);
int ComboSelectedIndex(HWND combo);
void ComboSelectIndex(HWND combo, int index);
int ComboCount(HWND combo);  // 0 when the control answers CB_ERR
std::wstring ComboItemText(HWND combo, int index);

// List boxes.
int ListAdd(HWND list, const std::wstring& text);
void ListClear(HWND list);
int ListSelectedIndex(HWND list);
void ListSelectIndex(HWND list, int index);
void ListSetSelection(HWND list, int index, bool selected);
bool ListItemSelected(HWND list, int index);
int ListCount(HWND list);
std::wstring ListItemText(HWND list, int index);

// Any control.
std::wstring ControlText(HWND control);
void SetControlText(HWND control, const std::wstring& text);
bool ControlVisible(HWND control);
bool ControlEnabled(HWND control);
void EnableControl(HWND control, bool enabled);

// Check buttons: "on" is the indeterminate state, as the program always drew it.
bool CheckButtonOn(HWND button);
void SetCheckButton(HWND button, bool on);

}  // namespace zel
