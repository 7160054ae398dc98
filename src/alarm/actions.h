// What a fired event does: a melody, the beep, the CD player, a sound file,
// a batch file, or the reboot and shutdown countdowns.
#pragma once

#include <string>

#include "events/event_record.h"

namespace zel {

// Carries out the event's action unless actions (or, for the sounds, sounds)
// are switched off. `trial` is true when the user tries it from the event
// dialog: a trial never plays synchronously.
void ExecuteAction(const TEventRec& event, bool trial);

// Starts a program through the shell without any shell dialog; true when
// starting failed.
bool RunProgram(const std::wstring& file, const std::wstring& parameters, int showCommand);
// Plays a sound file on the main thread (the caller waits until it has been
// handed over, or until it ends when synchronous).
void PlaySoundFile(const std::string& path, bool synchronous);
void PlayLibraryMelody(int index, bool synchronous);
// Stops a sound file and a speaker melody.
void StopSounds();

}  // namespace zel
