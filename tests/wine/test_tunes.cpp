// A melody library for the player's tests, with notes given as they reach
// the speaker.
//   0: four notes, among them the two forms of a pause (Freq 0 and 1)
//   1: no notes at all
//   2: three notes (the tests hold the first one to stop the melody)
namespace {

#pragma pack(push, 1)
struct NoteRecord {
  unsigned short Freq, NoteLength, Count;
};
#pragma pack(pop)

struct Note {
  unsigned short Freq, Length;
};
const Note kFour[] = {{440, 50}, {1, 30}, {0, 20}, {880, 40}};
const Note kThree[] = {{523, 10}, {659, 10}, {784, 10}};

}  // namespace

extern "C" __declspec(dllexport) const char* __stdcall GetMusicName(int index) {
  static const char* const names[10] = {"Four", "Silent", "Three"};
  return index >= 0 && index < 10 && names[index] ? names[index] : "";
}

extern "C" __declspec(dllexport) void __stdcall GetMusic(NoteRecord* record, int index, int note) {
  const Note* notes = nullptr;
  unsigned short count = 0;
  switch (index & 0xFF) {
    case 0: notes = kFour, count = 4; break;
    case 2: notes = kThree, count = 3; break;
    default: break;
  }
  *record = NoteRecord{0, 0, count};
  if (notes && note >= 1 && note <= count) {
    record->Freq = notes[note - 1].Freq;
    record->NoteLength = notes[note - 1].Length;
  }
}
