#include "toolkit/control_helpers.h"

#include <vector>

namespace zel {
namespace {

HWND MakeChild(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle,
               HWND parent, HINSTANCE instance, int x, int y, int width, int height) {
  return CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                         height, parent, nullptr, instance, nullptr);
}

// Reads an item of `length` characters with one message.
std::wstring ItemText(HWND control, UINT lengthMsg, UINT textMsg, int index) {
  const LRESULT length = SendMessageW(control, lengthMsg, index, 0);
  if (length <= 0) return {};
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT got = SendMessageW(control, textMsg, index, reinterpret_cast<LPARAM>(buffer.data()));
  return got > 0 ? std::wstring(buffer.data(), static_cast<std::size_t>(got)) : std::wstring();
}

}  // namespace

HWND CreateBitmapStatic(HWND parent, HINSTANCE instance, const wchar_t* bitmapName, int x, int y,
                        bool edge) {
  return MakeChild(L"STATIC", bitmapName, SS_BITMAP, edge ? kEdgeStyle : 0, parent, instance, x, y,
                   10, 10);
}

HWND CreateStaticText(HWND parent, HINSTANCE instance, bool edge, int height, int width, int y,
                      int x, const std::wstring& text) {
  return MakeChild(L"STATIC", text.c_str(), SS_CENTER, edge ? kEdgeStyle : 0, parent, instance, x,
                   y, width, height);
}

HWND CreatePushButton(HWND parent, HINSTANCE instance, const std::wstring& text, bool edge,
                      bool flat, int height, int width, int y, int x) {
  return MakeChild(L"BUTTON", text.c_str(), BS_PUSHBUTTON | (flat ? BS_FLAT : 0),
                   edge ? kEdgeStyle : 0, parent, instance, x, y, width, height);
}

HWND CreateCheckButton(HWND parent, HINSTANCE instance, bool edge, bool flat, int height,
                       int width, int y, int x, const std::wstring& text) {
  return MakeChild(L"BUTTON", text.c_str(), BS_RADIOBUTTON | (flat ? BS_FLAT : 0),
                   edge ? kEdgeStyle : 0, parent, instance, x, y, width, height);
}

HWND CreateEdit(HWND parent, HINSTANCE instance, const std::wstring& text, bool readOnly,
                bool multiLine, bool edge, EditAlign align, int height, int width, int y, int x,
                int textLimit) {
  DWORD style = ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL | WS_VSCROLL;
  if (align == EditAlign::Right) style |= ES_RIGHT;
  if (align == EditAlign::Centre) style |= ES_CENTER;
  if (readOnly) style |= ES_READONLY;
  if (multiLine) style |= ES_MULTILINE | ES_WANTRETURN;
  HWND edit = MakeChild(L"EDIT", text.c_str(), style, edge ? kEdgeStyle : 0, parent, instance, x,
                        y, width, height);
  SendMessageW(edit, EM_LIMITTEXT, textLimit, 0);
  return edit;
}

HWND CreateComboBox(HWND parent, HINSTANCE instance, int textLimit, bool noIntegralHeight,
                    bool sorted, bool lowerCase, bool upperCase, bool dropDownList, bool simple,
                    int height, int width, int y, int x, const std::wstring& text) {
  DWORD style = WS_VSCROLL | CBS_AUTOHSCROLL | (simple ? CBS_SIMPLE : CBS_DROPDOWN);
  if (dropDownList) style |= CBS_DROPDOWNLIST;
  if (sorted) style |= CBS_SORT;
  if (lowerCase && !upperCase) style |= CBS_LOWERCASE;
  if (upperCase && !lowerCase) style |= CBS_UPPERCASE;
  if (noIntegralHeight) style |= CBS_NOINTEGRALHEIGHT;
  HWND combo =
      MakeChild(L"COMBOBOX", text.c_str(), style, 0, parent, instance, x, y, width, height);
  SendMessageW(combo, CB_LIMITTEXT, textLimit, 0);
  return combo;
}

HWND CreateListBox(HWND parent, HINSTANCE instance, bool edge, bool noIntegralHeight, bool sorted,
                   bool tabStops, bool multipleSel, bool multiColumn, bool extendedSel, int height,
                   int width, int y, int x, const std::wstring& text) {
  DWORD style = WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY;
  if (noIntegralHeight) style |= LBS_NOINTEGRALHEIGHT;
  if (sorted) style |= LBS_SORT;
  if (tabStops) style |= LBS_USETABSTOPS;
  if (multipleSel) style |= LBS_MULTIPLESEL;
  if (multiColumn) style |= LBS_MULTICOLUMN;
  if (extendedSel) style |= LBS_EXTENDEDSEL;
  return MakeChild(L"LISTBOX", text.c_str(), style, edge ? WS_EX_CLIENTEDGE : 0, parent, instance,
                   x, y, width, height);
}

HBITMAP SetBitmapStaticImage(HWND picture, HBITMAP bitmap) {
  return reinterpret_cast<HBITMAP>(
      SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
}

int ComboAdd(HWND combo, const std::wstring& text) {
  return static_cast<int>(
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}
int ComboInsertAt(HWND combo, int index, const std::wstring& text) {
  return static_cast<int>(
      SendMessageW(combo, CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str())));
}
void ComboClear(HWND combo) { SendMessageW(combo, CB_RESETCONTENT, 0, 0); }
int ComboSelectedIndex(HWND combo) {
  return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
}
void ComboSelectIndex(HWND combo, int index) { SendMessageW(combo, CB_SETCURSEL, index, 0); }
int ComboCount(HWND combo) {
  const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  return count == CB_ERR ? 0 : static_cast<int>(count);
}
std::wstring ComboItemText(HWND combo, int index) {
  return ItemText(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

int ListAdd(HWND list, const std::wstring& text) {
  return static_cast<int>(
      SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}
void ListClear(HWND list) { SendMessageW(list, LB_RESETCONTENT, 0, 0); }
int ListSelectedIndex(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)); }
void ListSelectIndex(HWND list, int index) { SendMessageW(list, LB_SETCURSEL, index, 0); }
void ListSetSelection(HWND list, int index, bool selected) {
  SendMessageW(list, LB_SETSEL, selected ? TRUE : FALSE, index);
}
bool ListItemSelected(HWND list, int index) { return SendMessageW(list, LB_GETSEL, index, 0) > 0; }
int ListCount(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)); }
std::wstring ListItemText(HWND list, int index) {
  return ItemText(list, LB_GETTEXTLEN, LB_GETTEXT, index);
}

std::wstring ControlText(HWND control) {
  const int length = GetWindowTextLengthW(control);
  if (length == 0) return {};
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT got = SendMessageW(control, WM_GETTEXT, buffer.size(),
                                   reinterpret_cast<LPARAM>(buffer.data()));
  return std::wstring(buffer.data(), static_cast<std::size_t>(got > 0 ? got : 0));
}
void SetControlText(HWND control, const std::wstring& text) {
  SetWindowTextW(control, text.c_str());
}
bool ControlVisible(HWND control) { return IsWindowVisible(control) != FALSE; }
bool ControlEnabled(HWND control) { return IsWindowEnabled(control) != FALSE; }
void EnableControl(HWND control, bool enabled) { EnableWindow(control, enabled ? TRUE : FALSE); }

bool CheckButtonOn(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) != 0; }
void SetCheckButton(HWND button, bool on) {
  SendMessageW(button, BM_SETCHECK, on ? BST_INDETERMINATE : BST_UNCHECKED, 0);
}

}  // namespace zel
