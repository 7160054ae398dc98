#include "setup/help_window.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>

#include "core/codepage.h"
#include "core/win_app.h"
#include "toolkit/control_helpers.h"
#include "toolkit/lite_window.h"
#include "toolkit/win_text.h"

namespace zel {

std::vector<std::string> HelpTitles(const std::vector<std::string>& lines) {
  std::vector<std::string> titles;
  for (const std::string& line : lines)
    if (!line.empty() && line[0] == '=') titles.push_back(line.size() > 1 ? line.substr(1) : "=");
  return titles;
}

std::string HelpTopicText(const std::vector<std::string>& lines, const std::string& title) {
  std::string text;
  bool inside = false;
  for (const std::string& line : lines) {
    if (line.empty()) continue;
    if (inside && line[0] == '=') inside = false;
    if (inside) text += line + "\r\n";
    if (line == "=" + title) inside = true;
  }
  return text;
}

namespace {

const char* const kTopicNames[8] = {"w_setup", "w_dal",  "w_eedit", "w_meswin",
                                    "w_noteb", "w_pdlg", "w_odlg",  "w_flash"};

// The file's lines without their line ends; false when it does not exist.
bool ReadLines(const std::string& path, std::vector<std::string>& lines) {
  lines.clear();
  std::FILE* f = App().Seam.OpenStream(path, "rb");
  if (!f) return false;
  std::string line;
  for (int c; (c = std::fgetc(f)) != EOF;) {
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else if (c != '\r') {
      line.push_back(static_cast<char>(c));
    }
  }
  if (!line.empty()) lines.push_back(line);
  std::fclose(f);
  return true;
}

std::wstring Text(const char* utf8) { return Wide(FromUtf8(kProgramEdition, utf8)); }

bool ShellOpen(const std::string& path, int show) {
  const auto r = reinterpret_cast<INT_PTR>(ShellExecuteW(
      App().MainHandle, nullptr, WideFromUtf8(path).c_str(), nullptr, nullptr, show));
  return r > 32;
}

class MyHelpWindow : public TLiteWindow {
 public:
  MyHelpWindow() {
    Bind(WM_CLOSE, &MyHelpWindow::OnClose);
    Bind(kMsgShowOrTick, &MyHelpWindow::OnShowTopic);
    Bind(WM_COMMAND, &MyHelpWindow::OnCommand);
    Bind(WM_CTLCOLORLISTBOX, &MyHelpWindow::OnColorList);
    Bind(WM_CTLCOLORSTATIC, &MyHelpWindow::OnColorStatic);
    App().Help.Open = true;
    Create(App().Desktop);
    App().Help.Handle = Handle;
    App().Help.Object = this;
  }

  void CreateParams() override {
    TLiteWindow::CreateParams();
    TApp& app = App();
    Width = 520;
    Height = GetSystemMetrics(SM_CYCAPTION) + 400;
    Top = app.ScreenHeight / 2 - Height / 2;
    Left = app.ScreenWidth / 2 - 260;
    Caption = Text(kEnglish ? "Help" : "Помощь");
    Style = 0x100A0000;
    ExStyle = WS_EX_APPWINDOW;
    WndClass.hInstance = app.Instance;
    WndClass.hIcon = app.Icons[5];
    TextBrush = CreateSolidBrush(RGB(255, 255, 240));
  }

  void CreateControls() override {
    TApp& app = App();
    TopicList = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY |
                                    LBS_NOINTEGRALHEIGHT,
                                0, 0, 516, 120, Handle, nullptr, app.Instance, nullptr);
    TextView = CreateWindowExW(kEdgeStyle, L"EDIT", L"",
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY |
                                   ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_NOHIDESEL | ES_WANTRETURN,
                               0, 121, 516, 234, Handle, nullptr, app.Instance, nullptr);
    SendMessageW(TextView, EM_SETLIMITTEXT, 0, 0);
    CloseButton = CreatePushButton(Handle, app.Instance, Text(kEnglish ? "Close" : "Закрыть"),
                                   true, false, 30, 160, 360, 350);
    WebHelpButton = CreatePushButton(Handle, app.Instance,
                                     Text(kEnglish ? "Online help" : "HTML - помощь"), true,
                                     false, 30, 160, 360, 4);
    if (!kEnglish) SendMessageW(TopicList, LB_SETITEMHEIGHT, 0, 16);
    // The English edition keeps the usual look, in a font that has its letters.
    HFONT font = kEnglish ? static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)) : app.ListFont;
    for (HWND control : {TopicList, TextView, CloseButton, WebHelpButton})
      SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }

  void WndProc(TMessage& m) override {
    if (m.Msg == WM_KEYDOWN || m.Msg == WM_KEYUP) {
      const bool down = m.Msg == WM_KEYDOWN;
      m.Result = 0;
      switch (m.WParam) {
        case VK_TAB:
          if (!down) SetFocus(GetFocus() == TopicList ? TextView : TopicList);
          m.Result = 1;
          break;
        case VK_RETURN:
          if (down)
            m.Result = 1;
          else
            CloseHelp();
          break;
        case VK_ESCAPE:
          if (down) {
            m.Result = 1;
            CloseHelp();
          }
          break;
      }
      return;
    }
    Dispatch(m);
  }

 private:
  void CloseHelp() {
    App().Help.Open = false;
    App().Help.Handle = nullptr;
    App().Help.Object = nullptr;
    HBRUSH brush = TextBrush;
    Destroy();
    DeleteObject(brush);
  }

  void OnClose(TMessage&) { CloseHelp(); }

  void OnShowTopic(TMessage& m) {
    const auto topic = static_cast<long long>(m.LParam);
    if (topic < 0 || topic > 7) return;
    HelpFile = App().Core.Paths.HelpDir + kTopicNames[topic] + ".txt";
    ReadHelpFile(0);
    SetFocus(TopicList);
  }

  void ReadHelpFile(int mode) {
    std::vector<std::string> lines;
    if (!ReadLines(HelpFile, lines)) return;
    if (mode == 0) {
      ListClear(TopicList);
      SetControlText(TextView, L"");
      for (const std::string& title : HelpTitles(lines)) ListAdd(TopicList, Wide(title));
      return;
    }
    const int selected = ListSelectedIndex(TopicList);
    if (selected < 0) return;
    const std::string title = PageFromWide(kProgramEdition, ListItemText(TopicList, selected));
    SetControlText(TextView, Wide(HelpTopicText(lines, title)));
  }

  void OnCommand(TMessage& m) {
    if (m.LParam == 0) return;
    HWND from = m.LParamWindow();
    if (from == CloseButton) {
      CloseHelp();
    } else if (from == WebHelpButton) {
      OpenOutsideHelp();
    } else if (from == TopicList && m.WParamHi() == LBN_SELCHANGE) {
      ReadHelpFile(1);
    }
  }

  void OpenOutsideHelp() {
    const std::string& dir = App().Core.Paths.HelpDir;
    const bool opened = kEnglish ? ShellOpen(dir + "onlhelp.url", SW_SHOWNORMAL)
                                 : ShellOpen(dir + "index.htm", SW_SHOWMAXIMIZED);
    if (opened || ShellOpen(dir + "homep.url", SW_SHOWNORMAL)) return;
    ShellOpen("https://zelmora.example.org/", SW_SHOWNORMAL);
  }

  void OnColorList(TMessage& m) {
    DefaultHandler(m);
    SetTextColor(m.WParamDc(), RGB(210, 0, 0));
  }

  void OnColorStatic(TMessage& m) {
    SetBkColor(m.WParamDc(), RGB(255, 255, 240));
    SetTextColor(m.WParamDc(), RGB(0, 0, 255));
    m.Result = reinterpret_cast<LRESULT>(TextBrush);
  }

  HWND TopicList = nullptr, TextView = nullptr, CloseButton = nullptr, WebHelpButton = nullptr;
  std::string HelpFile;
  HBRUSH TextBrush = nullptr;
};

}  // namespace

void OpenHelp(int topic) {
  TApp& app = App();
  if (!app.Help.Open) {
    new MyHelpWindow;
  } else if (IsIconic(app.Help.Handle)) {
    ShowWindow(app.Help.Handle, SW_SHOWNORMAL);
  }
  HWND window = app.Help.Handle;
  PostMessageW(window, kMsgShowOrTick, 0, topic);
  BringWindowToTop(window);
  SetForegroundWindow(window);
}

}  // namespace zel
