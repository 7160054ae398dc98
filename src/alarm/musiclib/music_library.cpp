// The two exports of a melody library. The ten melodies come from the
// library's own tune file, which defines kLibraryMelodies.
#include <array>
#include <vector>

#include "alarm/musiclib/notation.h"

extern const zel::MelodySource kLibraryMelodies[10];

namespace {

#pragma pack(push, 1)
struct NoteRecord {
  unsigned short Freq;
  unsigned short NoteLength;
  unsigned short Count;
};
#pragma pack(pop)

const std::vector<zel::ToneStep>& Melody(int index) {
  static const std::array<std::vector<zel::ToneStep>, 10> melodies = [] {
    std::array<std::vector<zel::ToneStep>, 10> parsed;
    for (int i = 0; i < 10; ++i) parsed[i] = zel::ParseMelody(kLibraryMelodies[i]);
    return parsed;
  }();
  return melodies[index];
}

}  // namespace

extern "C" __declspec(dllexport) const char* __stdcall GetMusicName(int index) {
  return index >= 0 && index < 10 ? kLibraryMelodies[index].Name : "";
}

// Fills note `note` (from 1) of melody `index` (its low byte); every call
// reports the melody's note count. Outside the melody the record is a
// zero-length pause.
extern "C" __declspec(dllexport) void __stdcall GetMusic(NoteRecord* record, int index, int note) {
  if (!record) return;
  index &= 0xFF;
  *record = NoteRecord{0, 0, 0};
  if (index >= 10) return;
  const auto& steps = Melody(index);
  record->Count = static_cast<unsigned short>(steps.size());
  if (note >= 1 && static_cast<std::size_t>(note) <= steps.size()) {
    record->Freq = steps[note - 1].Freq;
    record->NoteLength = steps[note - 1].Length;
  }
}
