#include "alarm/actions.h"

#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>

#include <atomic>

#include "alarm/event_file_name.h"
#include "alarm/melody_player.h"
#include "core/texts.h"
#include "core/win_app.h"
#include "toolkit/win_text.h"

namespace zel {
namespace {

bool Switch(std::uint8_t& field) { return std::atomic_ref<std::uint8_t>(field).load() != 0; }

}  // namespace

bool RunProgram(const std::wstring& file, const std::wstring& parameters, int showCommand) {
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  // No shell dialog: on the ticker thread it would stop the scans.
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.hwnd = App().MainHandle;
  info.lpFile = file.c_str();
  info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
  info.nShow = showCommand;
  return !ShellExecuteExW(&info) || reinterpret_cast<INT_PTR>(info.hInstApp) <= 32;
}

void PlaySoundFile(const std::string& path, bool synchronous) {
  WPARAM flags = SND_FILENAME | SND_NOWAIT | SND_NODEFAULT;
  if (!synchronous) flags |= SND_ASYNC;
  if (HWND main = App().MainHandle)
    SendMessageW(main, kMsgPlaySound, flags, reinterpret_cast<LPARAM>(path.c_str()));
}

void PlayLibraryMelody(int index, bool synchronous) {
  StartMelody(App().Core.Paths.MusicLibrary, index, synchronous);
}

void StopSounds() {
  PlaySoundW(nullptr, nullptr, SND_PURGE);
  StopMelody();
}

void ExecuteAction(const TEventRec& event, bool trial) {
  AppCore& core = App().Core;
  if (Switch(core.Tuning.ActionsOff)) return;
  const bool mute = Switch(core.Tuning.SoundsOff);
  const std::string name = event.FileName.Get();
  const Texts& t = TextsOf(kProgramEdition);
  switch (event.Action) {
    case 0: case 1: case 2: case 3: case 4: case 5: case 6: case 7: case 8: case 9:
      if (!mute) PlayLibraryMelody(event.Action, !trial && core.Tuning.MelodySync);
      break;
    case kActionBeep:
      if (!mute) MessageBeep(0);
      break;
    case kActionAudioCd:
      if (!mute && RunProgram(L"cdplayer.exe", L"-play", SW_SHOWMINIMIZED))
        core.Os.ShowMessage(core.Os.MainWindow(), t.CdPlayerError, t.AppCaption, MB_ICONERROR);
      break;
    case kActionVoice:
      if (!mute && SafeEventFileName(name))
        PlaySoundFile(core.Paths.SoundsDir + ToUtf8(kProgramEdition, name) + ".wav",
                      !trial && core.Tuning.SoundSync);
      break;
    case kActionBatch:
      if (SafeEventFileName(name))
        RunProgram(WideFromUtf8(core.Paths.BatchsDir) + Wide(name) + L".bat", L"", SW_MINIMIZE);
      break;
    case kActionReboot:
      PostMessageW(App().MainHandle, kMsgSystemEnd, 0, 0);
      break;
    case kActionShutdown:
      PostMessageW(App().MainHandle, kMsgSystemEnd, 1, 0);
      break;
    default:
      break;
  }
}

}  // namespace zel
