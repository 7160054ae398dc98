// classics.mus: themes of the concert hall, all in the public domain.
#include "alarm/musiclib/notation.h"

extern const zel::MelodySource kLibraryMelodies[10] = {
    {"William Tell Overture", 152, R"(
      E5/16 E5/16 E5/8 E5/16 E5/16 E5/8 E5/16 E5/16 A5/8 B5/8 C#6/8 |
      E5/16 E5/16 E5/8 E5/16 E5/16 A5/8 C#6/16 C#6/16 B5/8 G#5/8 E5/8 |
      E5/16 E5/16 E5/8 E5/16 E5/16 E5/8 E5/16 E5/16 A5/8 B5/8 C#6/8 |
      A5/16 C#6/16 E6/8 D6/16 C#6/16 B5/8 A5/4 )"},

    {"Turkish March", 120, R"(
      B4/16 A4/16 G#4/16 A4/16 C5/4 | D5/16 C5/16 B4/16 C5/16 E5/4 |
      F5/16 E5/16 D#5/16 E5/16 B5/16 A5/16 G#5/16 A5/16 | B5/16 A5/16 G#5/16 A5/16 C6/2 |
      A5/8 C6/8 | B5/8 A5/8 G5/8 A5/8 | B5/8 A5/8 G5/8 A5/8 | B5/8 A5/8 G5/8 F#5/8 | E5/2 )"},

    {"Toreador", 100, R"(
      C5 D5/8. C5/16 A4 A4 | A4/8. G4/16 A4/8. A#4/16 A4/2 |
      A#4 G4/8. C5/16 A4/2 | F4 D4/8. G4/16 C4/2 )"},

    {"Swan Lake", 72, R"(
      B5/2 E5/8 F#5/8 G5/8 A5/8 | B5/4. G5/8 B5/4. G5/8 | B5/4. E5/8 G5/8 E5/8 C5/8 G5/8 | E5/2. R/4 |
      A5/8 G5/8 F#5/8 A5/8 | G5/4. E5/8 F#5/4 B4/4 )"},

    {"In the Hall of the Mountain King", 140, R"(
      A4/8 B4/8 C5/8 D5/8 E5/8 C5/8 E5/4 | D#5/8 B4/8 D#5/4 D5/8 A#4/8 D5/4 |
      A4/8 B4/8 C5/8 D5/8 E5/8 C5/8 E5/8 A5/8 | G5/8 E5/8 C5/8 E5/8 G5/2 |
      A4/8 B4/8 C5/8 D5/8 E5/8 C5/8 E5/4 | D#5/8 B4/8 D#5/4 D5/8 A#4/8 D5/4 |
      A4/8 B4/8 C5/8 D5/8 E5/8 C5/8 E5/8 A5/8 | G5/8 E5/8 C5/8 E5/8 G5/2 )"},

    {"The Blue Danube", 180, R"(
      D5 D5 F#5 | A5/2 R | A5 R A5 | F#5 R F#5 | D5 D5 F#5 | A5/2 R |
      B5 R B5 | G5 R G5 | C#5 C#5 E5 | B5/2 R | B5 R B5 | F#5 R F#5 | D5/2. )"},

    {"Can-Can", 160, R"(
      C5 D5/8 F5/8 E5/8 D5/8 G5 | G5 G5/8 A5/8 E5/8 F5/8 D5 |
      D5 D5/8 F5/8 E5/8 D5/8 C5/8 C6/8 | B5/8 A5/8 G5/8 F5/8 E5/8 D5/8 C5 |
      C5 D5/8 F5/8 E5/8 D5/8 G5 | G5 G5/8 A5/8 E5/8 F5/8 D5 |
      D5 D5/8 F5/8 E5/8 D5/8 C5/8 G5/8 | D5/8 E5/8 C5/4 R/2 )"},

    {"Bridal Chorus", 92, R"(
      C5/4 F5/8. F5/16 F5/2 | C5/4 G5/8. E5/16 F5/2 |
      C5/4 F5/8. A#5/16 A#5/4 A5/8. G5/16 | F5/4 E5/8. F5/16 G5/2 )"},

    {"Morning Mood", 100, R"(
      G5/8 E5/8 D5/8 C5/8 D5/8 E5/8 | G5/8 E5/8 D5/8 C5/8 D5/16 E5/16 D5/16 E5/16 |
      G5/8 E5/8 G5/8 A5/8 E5/8 A5/8 | G5/8 E5/8 D5/8 C5/4. )"},

    {"Canon in D", 70, R"(
      F#5 E5 D5 C#5 | B4 A4 B4 C#5 | D5 C#5 B4 A4 | G4 F#4 G4 E4 | D5/1 )"},
};
