// Melodies written as note names, the way a tune is read off a score:
//   "E5 E5 F5 G5 | G5/8 F5/8 E5/4. R/8 D5/2"
// A note is a letter A-G, an optional # or b, an octave (4 holds middle C and
// A = 440 Hz), then an optional /n for a 1/n note (a quarter by default)
// and an optional dot (half as long again). R is a rest. Bar lines "|" are
// only for the reader. The tempo counts quarter notes per minute.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

struct MelodySource {
  const char* Name;
  int Tempo;
  const char* Notes;
};

struct ToneStep {
  std::uint16_t Freq;    // Hz, 0 for silence
  std::uint16_t Length;  // ms
};

// Each note sounds for most of its length and ends in a short silence, so
// that repeated notes are heard as separate notes. Unknown tokens are
// reported in `error` (empty when all is well).
std::vector<ToneStep> ParseMelody(const MelodySource& source, std::string* error = nullptr);

}  // namespace zel
