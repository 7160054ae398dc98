#include "alarm/melody_player.h"

#include <windows.h>

#include <atomic>
#include <mutex>

#include "alarm/thread.h"
#include "toolkit/win_text.h"

namespace zel {
namespace {

using GetMusicFn = void(__stdcall*)(TNoteRec*, int, int);
using GetMusicNameFn = const char*(__stdcall*)(int);

void SpeakerTone(unsigned frequency, unsigned durationMs) {
  if (frequency == 0)
    Sleep(durationMs);
  else
    Beep(frequency, durationMs);
}

// Shared by every caller; the flags are written by one thread and read by
// another.
std::atomic<bool> melody_busy{false};
std::atomic<bool> melody_stop{false};
std::atomic<bool> tone_busy{false};
std::atomic<ToneOutput> tone_output{SpeakerTone};
// The request being played; written only while no melody is busy.
std::mutex request_mutex;
std::wstring melody_library;
int melody_index = 0;

class MySpeakerPlay : public TThread {
 public:
  MySpeakerPlay() : TThread(Ownership::FreeWhenDone) {}
  DWORD Execute() override {
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    PlayMelody();
    return 0;
  }
};

}  // namespace

bool MelodyBusy() { return melody_busy; }

void SetToneOutput(ToneOutput output) { tone_output = output ? output : SpeakerTone; }

void StartMelody(const std::string& libraryPath, int index, bool synchronous) {
  // Taking the busy flag in one step keeps two callers from both starting.
  bool idle = false;
  if (!melody_busy.compare_exchange_strong(idle, true)) return;
  {
    std::lock_guard<std::mutex> lock(request_mutex);
    melody_library = WideFromUtf8(libraryPath);
    melody_index = index;
  }
  melody_stop = false;
  if (synchronous) {
    PlayMelody();
    return;
  }
  auto* player = new MySpeakerPlay;
  if (!player->ThreadHandle) {
    delete player;
    melody_busy = false;
    return;
  }
  player->Resume();
}

void StopMelody() { melody_stop = true; }

void PlayMelody() {
  melody_busy = true;
  std::wstring library;
  int index = 0;
  {
    std::lock_guard<std::mutex> lock(request_mutex);
    library = melody_library;
    index = melody_index;
  }
  HMODULE module = LoadLibraryW(library.c_str());
  auto getMusic = module ? reinterpret_cast<GetMusicFn>(
                               reinterpret_cast<void*>(GetProcAddress(module, "GetMusic")))
                         : nullptr;
  if (getMusic) {
    TNoteRec note;
    getMusic(&note, index & 0xFF, 1);
    const int count = note.Count;
    const ToneOutput output = tone_output;
    for (int n = 1; n <= count && !melody_stop; ++n) {
      getMusic(&note, index & 0xFF, n);
      // Freq 0 and 1 both mean a pause.
      output(note.Freq <= 1 ? 0 : note.Freq, note.NoteLength);
    }
  }
  if (module) FreeLibrary(module);
  melody_busy = false;
}

void PlayTone(unsigned frequency, unsigned durationMs) {
  if (tone_busy || melody_busy) return;
  tone_busy = true;
  ToneOutput output = tone_output;
  output(frequency, durationMs);
  tone_busy = false;
}

bool ReadMelodyNames(const std::string& libraryPath, std::string (&names)[10]) {
  for (auto& name : names) name.clear();
  HMODULE module = LoadLibraryW(WideFromUtf8(libraryPath).c_str());
  if (!module) return true;
  auto getName = reinterpret_cast<GetMusicNameFn>(
      reinterpret_cast<void*>(GetProcAddress(module, "GetMusicName")));
  if (getName) {
    for (int i = 0; i < 10; ++i) {
      const char* text = getName(i);
      if (text) names[i] = text;
    }
  }
  FreeLibrary(module);
  return getName == nullptr;
}

}  // namespace zel
