// The real Vell32.exe, in a fresh install folder, driven from outside by
// messages, input and files, with the clock it sees under the test's control.
#include <gtest/gtest.h>

#include <cstring>

#include "core/codepage.h"
#include "driver.h"
#include "mainwin/hotkey_entries.h"
#include "setup/help_window.h"
#include "support/message_box_answer.h"

namespace zel::test {
namespace {

class ProgramTest : public testing::Test {
 protected:
  void SetUp() override {
    DeleteFileW(SysTuningPath().c_str());
    SetClock("2026-01-05 10:59:30");
  }
  void TearDown() override { DeleteFileW(SysTuningPath().c_str()); }
};

std::wstring RunValue(HKEY root) {
  wchar_t data[1024] = {};
  DWORD size = sizeof data;
  if (RegGetValueW(root, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", L"Zelmora",
                   RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS)
    return L"";
  return data;
}

void DeleteRunValue() {
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    HKEY run;
    if (RegOpenKeyExW(root, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                      KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
      RegDeleteValueW(run, L"Zelmora");
      RegCloseKey(run);
    }
  }
}

TEST_F(ProgramTest, SecondRussianStartEndsWithoutWindowAndEnglishOneRuns) {
  const std::wstring ru = FreshInstall(Ed::Ru);
  Program first(ru);
  ASSERT_TRUE(first.WaitWindow(L"MyMain:"));
  Program second(ru);
  EXPECT_EQ(second.WaitExit(), 0);
  Program setup(ru, L"SETUP");  // the lock is tested before the argument
  EXPECT_EQ(setup.WaitExit(), 0);
  EXPECT_EQ(RunValue(HKEY_LOCAL_MACHINE), L"");

  const std::wstring en = FreshInstall(Ed::En);
  Program english1(en), english2(en);
  EXPECT_TRUE(english1.WaitWindow(L"MyMain:")) << OpenBoxText();
  EXPECT_TRUE(english2.WaitWindow(L"MyMain:"));
}

TEST_F(ProgramTest, SetupInAnyCaseWritesTheQuotedRunValueAndEnds) {
  DeleteRunValue();
  const std::wstring ru = FreshInstall(Ed::Ru);
  Program setup(ru, L"sEtUp");
  EXPECT_EQ(setup.WaitExit(), 0);
  std::wstring value = RunValue(HKEY_LOCAL_MACHINE);
  if (value.empty()) value = RunValue(HKEY_CURRENT_USER);
  EXPECT_EQ(value, L"\"" + ru + L"Vell32.exe\"");
  DeleteRunValue();
}

TEST_F(ProgramTest, MissedEventIsCaughtUpShownAndAcceptedWithHelpAtItsTopic) {
  const std::wstring ru = FreshInstall(Ed::Ru);
  TWorkRecord work{};
  work.Events[0] = MakeEvent(1, kPeriodOnce, 2026, 1, 5, 10, 30, kActionNone, "Позвонить маме");
  // Real time only: never caught up, so it stays until the reminders are
  // accepted, which purges passed one-time events.
  work.Events[1] = MakeEvent(2, kPeriodOnce, 2026, 1, 5, 10, 40, kActionNone, "Только сейчас");
  work.Events[1].RealTime = kTrue;
  WriteWork(ru, work);
  SetClock("2026-01-05 11:00:30");

  Program program(ru);
  HWND reminder = program.WaitWindow(L"MyMesWin:");
  ASSERT_TRUE(reminder);
  EXPECT_EQ(WindowText(reminder), W("Смотри сюда !!! "));
  HWND list = WaitChild(reminder, L"ListBox");
  ASSERT_TRUE(list);
  ASSERT_TRUE(WaitFor([&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) == 1; }));
  EXPECT_NE(ListText(list, 0).find(W("Позвонить маме")), std::wstring::npos);

  // The changing pass saved at once: the history line, the fired event freed.
  const TWorkRecord saved = ReadWork(ru);
  EXPECT_NE(saved.ReminderLog[0].Get().find(Utf8ToCp1251("Позвонить маме")), std::string::npos);
  EXPECT_EQ(saved.Events[0].Slot, 0);
  EXPECT_EQ(saved.Events[1].Slot, 2);

  // Help at the reminder window's topic: its titles, and the chosen text.
  PostMessageW(reminder, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(470, 20));
  HWND help = program.WaitWindow(L"MyHelpWindow:");
  ASSERT_TRUE(help);
  HWND topics = WaitChild(help, L"ListBox");
  std::vector<std::string> lines;
  {
    std::string bytes = ReadFileBytes(ru + L"help\\w_meswin.txt"), line;
    for (char c : bytes)
      if (c == '\n') lines.push_back(line), line.clear();
      else if (c != '\r') line.push_back(c);
  }
  const auto titles = HelpTitles(lines);
  ASSERT_GE(titles.size(), 2u);
  ASSERT_TRUE(WaitFor([&] { return SendMessageW(topics, LB_GETCOUNT, 0, 0) == LRESULT(titles.size()); }));
  EXPECT_EQ(ListText(topics, 1), W(Cp1251ToUtf8(titles[1]).c_str()));
  SendMessageW(topics, LB_SETCURSEL, 1, 0);
  SendMessageW(help, WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), reinterpret_cast<LPARAM>(topics));
  EXPECT_EQ(WindowText(WaitChild(help, L"Edit")),
            W(Cp1251ToUtf8(HelpTopicText(lines, titles[1])).c_str()));
  PostMessageW(help, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.WaitGone(help));

  // OK accepts: the history is cleared and the passed event purged.
  PostMessageW(reminder, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(470, 290));
  EXPECT_TRUE(program.WaitGone(reminder));
  // The ticker's next pass purges and saves.
  EXPECT_TRUE(WaitFor([&] { return ReadWork(ru).Events[1].Slot == 0; }));
  program.Exit();
  EXPECT_EQ(program.WaitExit(), 0);
  const TWorkRecord after = ReadWork(ru);
  EXPECT_EQ(after.ReminderLog[0].Size(), 0u);
  EXPECT_EQ(after.Events[1].Slot, 0);
}

TEST_F(ProgramTest, EventDueAtTheCurrentMinuteFiresInTheScanAndSkippedMinutesAreScanned) {
  const std::wstring ru = FreshInstall(Ed::Ru);
  TWorkRecord work{};
  work.Events[0] = MakeEvent(1, kPeriodDaily, 2026, 1, 1, 11, 0, kActionNone, "Обед");
  work.Events[1] = MakeEvent(2, kPeriodDaily, 2026, 1, 1, 11, 2, kActionNone, "Чай");
  WriteWork(ru, work);
  Program program(ru);
  ASSERT_TRUE(program.WaitWindow(L"MyMain:"));
  EXPECT_FALSE(program.FindWindowOf(L"MyMesWin:"));
  SetClock("2026-01-05 11:00:00");
  HWND reminder = program.WaitWindow(L"MyMesWin:");
  ASSERT_TRUE(reminder);
  HWND list = WaitChild(reminder, L"ListBox");
  ASSERT_TRUE(WaitFor([&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) == 1; }));
  EXPECT_NE(ListText(list, 0).find(W("Обед")), std::wstring::npos);
  EXPECT_NE(ReadWork(ru).ReminderLog[0].Get().find(Utf8ToCp1251("Обед")), std::string::npos);

  // Minutes the clock jumps over (sleep, a long melody) are scanned too.
  SetClock("2026-01-05 11:04:00");
  EXPECT_TRUE(WaitFor([&] {
    return ReadWork(ru).ReminderLog[0].Get().find(Utf8ToCp1251("Чай")) != std::string::npos;
  }));
}

TEST_F(ProgramTest, ExitQuestionNoKeepsTheProgramYesSavesEverything) {
  const std::wstring ru = FreshInstall(Ed::Ru);
  Program program(ru);
  HWND bar = program.WaitWindow(L"MyMain:");
  ASSERT_TRUE(bar);
  SetWindowPos(bar, nullptr, 123, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  program.Exit(false);
  // Had No ended the program, this second question would never come.
  {
    MessageBoxAnswer answer(L"Zelmora", IDYES);
    PostMessageW(bar, WM_SYSCOMMAND, SC_CLOSE, 0);
    const SeenBox seen = answer.Result();
    ASSERT_TRUE(seen.Found);
    EXPECT_EQ(seen.Text, W("Действительно выйти ?"));
  }
  EXPECT_EQ(program.WaitExit(), 0);
  EXPECT_EQ(ReadFileBytes(ru + L"userdata\\vell.rwo").size(), sizeof(TWorkRecord));
  EXPECT_EQ(ReadFileBytes(ru + L"vell.tun").size(), sizeof(TTuning));
  const std::string sys = ReadFileBytes(SysTuningPath());
  ASSERT_EQ(sys.size(), sizeof(TSysTuning));
  TSysTuning s;
  std::memcpy(&s, sys.data(), sizeof s);
  EXPECT_EQ(s.BarLeft, 123);
  EXPECT_EQ(s.BarTop, 45);
}

TEST_F(ProgramTest, RebootCountdownCancelledAtOneSetsNothingAndRunOutReboots) {
  const std::wstring ru = FreshInstall(Ed::Ru);
  const std::wstring log = ru + L"exit.log";
  SetEnvironmentVariableW(L"ZEL_SYSTEM_EXIT_LOG", log.c_str());
  TWorkRecord work{};
  work.Events[0] = MakeEvent(1, kPeriodDaily, 2026, 1, 1, 11, 0, kActionReboot, "");
  work.Events[0].ShowMessage = 0;
  work.Events[1] = MakeEvent(2, kPeriodDaily, 2026, 1, 1, 11, 1, kActionReboot, "");
  work.Events[1].ShowMessage = 0;
  WriteWork(ru, work);
  Program program(ru);
  SetEnvironmentVariableW(L"ZEL_SYSTEM_EXIT_LOG", nullptr);
  ASSERT_TRUE(program.WaitWindow(L"MyMain:"));

  SetClock("2026-01-05 11:00:00");
  HWND countdown = program.WaitWindow(L"MyEndWin:");
  ASSERT_TRUE(countdown);
  EXPECT_EQ(GetWindowLongW(countdown, GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);
  HWND counter = WaitChild(countdown, L"Static", 1);
  HWND cancel = WaitChild(countdown, L"Button");
  EXPECT_EQ(WindowText(cancel), W("ОТМЕНА"));
  ASSERT_TRUE(WaitFor([&] { return WindowText(counter) == L"1"; }, 20000));
  PostMessageW(countdown, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
  EXPECT_TRUE(program.WaitGone(countdown));
  EXPECT_TRUE(program.Running());

  SetClock("2026-01-05 11:01:00");
  EXPECT_EQ(program.WaitExit(30000), 0);
  EXPECT_EQ(ReadFileBytes(log), "2\n");  // EWX_REBOOT, no force
  EXPECT_EQ(ReadFileBytes(ru + L"userdata\\vell.rwo").size(), sizeof(TWorkRecord));
}

TTuning ReadTuning(const std::wstring& install) {
  TTuning t{};
  const std::string bytes = ReadFileBytes(install + L"vell.tun");
  if (bytes.size() == sizeof t) std::memcpy(&t, bytes.data(), sizeof t);
  return t;
}

TEST_F(ProgramTest, MuteAndActionsOffToggleAndAreStored) {
  const std::wstring ru = FreshInstall(Ed::Ru);
  Program program(ru);
  HWND bar = program.WaitWindow(L"MyMain:");
  ASSERT_TRUE(bar);
  PostMessageW(bar, WM_COMMAND, 101, 0);  // actions off: also mutes
  PostMessageW(bar, WM_COMMAND, 101, 0);  // actions on: also unmutes
  PostMessageW(bar, WM_COMMAND, 100, 0);  // mute
  PostMessageW(bar, WM_COMMAND, 100, 1);  // a control's notification: ignored
  program.Exit();
  ASSERT_EQ(program.WaitExit(), 0);
  const TTuning t = ReadTuning(ru);
  EXPECT_NE(t.SoundsOff, 0);
  EXPECT_EQ(t.ActionsOff, 0);
}

TEST_F(ProgramTest, HotkeysFromTheSettingsRunTheirCommandOrAreRefusedAndSwitchedOff) {
  const std::wstring ru = FreshInstall(Ed::Ru);
  TTuning t{};
  DefaultTuning(Edition::Russian, t);
  t.ActionsOff = 0;
  auto bind = [&](int id, BYTE key) {
    t.Hotkeys[id].Enabled = kTrue;
    t.Hotkeys[id].KeyCode = key;
    t.Hotkeys[id].Ctrl = t.Hotkeys[id].Alt = kTrue;
  };
  bind(kHotkeySoundsOff, VK_F9);
  bind(kHotkeyActionsOff, VK_F10);
  bind(12, VK_F11);  // carried, never bound
  WriteFileBytes(ru + L"vell.tun", &t, sizeof t);
  ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, VK_F10));

  MessageBoxAnswer refusal(L"Zelmora", IDOK);
  Program program(ru);
  const SeenBox seen = refusal.Result();
  UnregisterHotKey(nullptr, 1);
  ASSERT_TRUE(seen.Found);
  EXPECT_NE(seen.Text.find(W("Невозможно зарегистрировать горячую клавишу")), std::wstring::npos);
  EXPECT_NE(seen.Text.find(W("Действие: Выключить действия")), std::wstring::npos);
  ASSERT_TRUE(program.WaitWindow(L"MyMain:"));
  EXPECT_TRUE(RegisterHotKey(nullptr, 2, MOD_CONTROL | MOD_ALT, VK_F11));
  UnregisterHotKey(nullptr, 2);

  INPUT keys[6] = {};
  const WORD sequence[6] = {VK_CONTROL, VK_MENU, VK_F9, VK_F9, VK_MENU, VK_CONTROL};
  for (int i = 0; i < 6; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = sequence[i];
    keys[i].ki.dwFlags = i >= 3 ? KEYEVENTF_KEYUP : 0;
  }
  SendInput(6, keys, sizeof(INPUT));
  program.Exit();
  ASSERT_EQ(program.WaitExit(), 0);
  const TTuning after = ReadTuning(ru);
  EXPECT_NE(after.SoundsOff, 0);
  EXPECT_NE(after.Hotkeys[kHotkeySoundsOff].Enabled, 0);
  EXPECT_EQ(after.Hotkeys[kHotkeyActionsOff].Enabled, 0);
}

TEST_F(ProgramTest, EnglishEditionShowsItsReminderAndEnds) {
  const std::wstring en = FreshInstall(Ed::En);
  TWorkRecord work{};
  work.Events[0] = MakeEvent(1, kPeriodOnce, 2026, 1, 5, 10, 30, kActionNone, "Call home");
  WriteWork(en, work);
  SetClock("2026-01-05 11:00:30");
  Program program(en);
  HWND reminder = program.WaitWindow(L"MyMesWin:");
  ASSERT_TRUE(reminder);
  EXPECT_EQ(WindowText(reminder), L"See here !!! ");
  HWND bar = program.FindWindowOf(L"MyMain:");
  RECT r{};
  GetWindowRect(bar, &r);
  EXPECT_EQ(r.right - r.left, 80);
  {
    MessageBoxAnswer answer(L"Zelmora", IDYES);
    PostMessageW(bar, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(answer.Result().Text, L"Really exit ?");
  }
  EXPECT_EQ(program.WaitExit(), 0);
  EXPECT_EQ(ReadFileBytes(en + L"vell.tun").size(), 486u);
}

}  // namespace
}  // namespace zel::test

namespace zel::test {
namespace {

HWND OpenBox() {
  HWND box = FindWindowW(L"#32770", L"Zelmora");
  return box && IsWindowVisible(box) ? box : nullptr;
}

TEST_F(ProgramTest, ABoxAnActionAsksForNeverStopsTheScans) {
  const std::wstring ru = FreshInstall(Ed::Ru);
  TWorkRecord work{};
  // No CD player under Wine: its failure is reported while the box waits.
  work.Events[0] = MakeEvent(1, kPeriodDaily, 2026, 1, 1, 11, 0, kActionAudioCd, "");
  work.Events[0].ShowMessage = 0;
  work.Events[1] = MakeEvent(2, kPeriodDaily, 2026, 1, 1, 11, 1, kActionNone, "Next minute");
  WriteWork(ru, work);
  Program program(ru);
  ASSERT_TRUE(program.WaitWindow(L"MyMain:"));
  SetClock("2026-01-05 11:00:00");
  HWND box = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (box = OpenBox()) != nullptr; }));
  SetClock("2026-01-05 11:01:00");
  EXPECT_TRUE(program.WaitWindow(L"MyMesWin:"));
  EXPECT_TRUE(IsWindow(box));
  MessageBoxAnswer answer(L"Zelmora", IDOK);
  EXPECT_EQ(answer.Result().Text, W("Ошибка запуска CD плэера [cdplayer.exe]"));
}

TEST_F(ProgramTest, SessionEndSavesWithoutBoxesAndACancelledOneKeepsTheReminders) {
  const std::wstring ru = FreshInstall(Ed::Ru);
  Program program(ru);
  HWND bar = program.WaitWindow(L"MyMain:");
  ASSERT_TRUE(bar);
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(bar, WM_QUERYENDSESSION, 0, 0, SMTO_BLOCK, 5000, &answer);
  EXPECT_EQ(answer, 1u);
  SendMessageTimeoutW(bar, WM_ENDSESSION, FALSE, 0, SMTO_BLOCK, 5000, nullptr);
  // Still answering: the cancelled session end changed nothing.
  EXPECT_TRUE(SendMessageTimeoutW(bar, WM_NULL, 0, 0, SMTO_BLOCK, 5000, nullptr));
  EXPECT_TRUE(program.Running());
  // The real end: the handler waits while the ticker saves and ends the process.
  SendMessageTimeoutW(bar, WM_ENDSESSION, TRUE, 0, SMTO_BLOCK, 15000, nullptr);
  EXPECT_EQ(program.WaitExit(), 0);
  EXPECT_EQ(ReadFileBytes(ru + L"vell.tun").size(), sizeof(TTuning));
  EXPECT_EQ(ReadFileBytes(SysTuningPath()).size(), sizeof(TSysTuning));
}

TEST_F(ProgramTest, ABarPlacedOnNoMonitorComesBackOnTheScreen) {
  const std::wstring ru = FreshInstall(Ed::Ru);
  TSysTuning s{};
  DefaultSysTuning(Edition::Russian, s);
  s.BarLeft = 5000;
  s.BarTop = -3000;
  WriteFileBytes(SysTuningPath(), &s, sizeof s);
  Program program(ru);
  HWND bar = program.WaitWindow(L"MyMain:");
  ASSERT_TRUE(bar);
  RECT r{}, work{};
  GetWindowRect(bar, &r);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_GE(r.left, work.left);
  EXPECT_LE(r.right, work.right);
  EXPECT_GE(r.top, work.top);
  EXPECT_LE(r.bottom, work.bottom);
  EXPECT_EQ(r.right - r.left, 280);
}

}  // namespace
}  // namespace zel::test
