// Melodies on the speaker, note by note, from a melody library: a module
// loaded at run time ("music.dll" or a "*.mus" file) that exports
//   const char* __stdcall GetMusicName(int index);              // 0-9
//   void __stdcall GetMusic(TNoteRec* note, int index, int n);  // n from 1
// Tones go through Beep. (Driving the timer's I/O ports, as on old non-NT
// systems, is impossible for a 64-bit program, so that path does not exist.)
//
// One melody at a time: a request while one plays is dropped, not queued,
// even right after StopMelody, since the stop takes effect only when the
// current note has ended.
#pragma once

#include <cstdint>
#include <string>

namespace zel {

// What the library fills for one note; the caller provides 8 bytes.
#pragma pack(push, 1)
struct TNoteRec {
  std::uint16_t Freq = 0;        // Hz; 0 or 1 is a pause
  std::uint16_t NoteLength = 0;  // ms
  std::uint16_t Count = 0;       // notes in the melody
  std::uint16_t Spare = 0;
};
#pragma pack(pop)
static_assert(sizeof(TNoteRec) == 8);

// `libraryPath` is UTF-8. Synchronous plays in the calling thread and returns
// at the end; otherwise a thread of its own plays at time-critical priority.
void StartMelody(const std::string& libraryPath, int index, bool synchronous);
// The melody ends after its current note. Both editions only set the stop
// flag: with Beep there is no speaker left sounding to switch off.
void StopMelody();
// One tone (the quick-notes click), unless a tone or a melody is sounding.
void PlayTone(unsigned frequency, unsigned durationMs);
// Plays the stored melody in the calling thread.
void PlayMelody();

bool MelodyBusy();

// Where tones go: Beep, and Sleep for pauses (frequency 0). Tests put a
// counter here.
using ToneOutput = void (*)(unsigned frequency, unsigned durationMs);
void SetToneOutput(ToneOutput output);  // nullptr restores the speaker

// The ten melody names of a library (empty when it or its export is
// missing), as the library's code-page bytes. True on failure.
bool ReadMelodyNames(const std::string& libraryPath, std::string (&names)[10]);

}  // namespace zel
