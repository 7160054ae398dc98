// music.dll: the ten melodies the program offers out of the box. All are
// tunes in the public domain.
#include "alarm/musiclib/notation.h"

extern const zel::MelodySource kLibraryMelodies[10] = {
    {"Ode to Joy", 150, R"(
      E5 E5 F5 G5 | G5 F5 E5 D5 | C5 C5 D5 E5 | E5/4. D5/8 D5/2 |
      E5 E5 F5 G5 | G5 F5 E5 D5 | C5 C5 D5 E5 | D5/4. C5/8 C5/2 )"},

    {"Fur Elise", 100, R"(
      E6/16 D#6/16 | E6/16 D#6/16 E6/16 B5/16 D6/16 C6/16 | A5/8 R/16 C5/16 E5/16 A5/16 |
      B5/8 R/16 E5/16 G#5/16 B5/16 | C6/8 R/16 E5/16 E6/16 D#6/16 |
      E6/16 D#6/16 E6/16 B5/16 D6/16 C6/16 | A5/8 R/16 C5/16 E5/16 A5/16 |
      B5/8 R/16 E5/16 C6/16 B5/16 | A5/4 )"},

    {"Korobeiniki", 140, R"(
      E5 B4/8 C5/8 D5 C5/8 B4/8 | A4 A4/8 C5/8 E5 D5/8 C5/8 | B4/4. C5/8 D5 E5 | C5 A4 A4 R |
      R/8 D5 F5/8 A5 G5/8 F5/8 | E5/4. C5/8 E5 D5/8 C5/8 | B4 B4/8 C5/8 D5 E5 | C5 A4 A4 R )"},

    {"Jingle Bells", 180, R"(
      E5 E5 E5/2 | E5 E5 E5/2 | E5 G5 C5/4. D5/8 | E5/1 |
      F5 F5 F5/4. F5/8 | F5 E5 E5 E5/8 E5/8 | E5 D5 D5 E5 | D5/2 G5/2 |
      E5 E5 E5/2 | E5 E5 E5/2 | E5 G5 C5/4. D5/8 | E5/1 |
      F5 F5 F5 F5 | F5 E5 E5 E5/8 E5/8 | G5 G5 F5 D5 | C5/1 )"},

    {"Happy Birthday", 120, R"(
      C5/8. C5/16 | D5 C5 F5 | E5/2 C5/8. C5/16 | D5 C5 G5 | F5/2 C5/8. C5/16 |
      C6 A5 F5 | E5 D5 A#5/8. A#5/16 | A5 F5 G5 | F5/2. )"},

    {"Frere Jacques", 160, R"(
      C5 D5 E5 C5 | C5 D5 E5 C5 | E5 F5 G5/2 | E5 F5 G5/2 |
      G5/8 A5/8 G5/8 F5/8 E5 C5 | G5/8 A5/8 G5/8 F5/8 E5 C5 | C5 G4 C5/2 | C5 G4 C5/2 )"},

    {"Greensleeves", 150, R"(
      A4/8 | C5/4 D5/8 E5/8. F5/16 E5/8 | D5/4 B4/8 G4/8. A4/16 B4/8 |
      C5/4 A4/8 A4/8. G#4/16 A4/8 | B4/4 G#4/8 E4/4 A4/8 |
      C5/4 D5/8 E5/8. F5/16 E5/8 | D5/4 B4/8 G4/8. A4/16 B4/8 |
      C5/8. B4/16 A4/8 G#4/8. F#4/16 G#4/8 | A4/4. A4/4. )"},

    {"Twinkle Twinkle Little Star", 140, R"(
      C5 C5 G5 G5 | A5 A5 G5/2 | F5 F5 E5 E5 | D5 D5 C5/2 |
      G5 G5 F5 F5 | E5 E5 D5/2 | G5 G5 F5 F5 | E5 E5 D5/2 |
      C5 C5 G5 G5 | A5 A5 G5/2 | F5 F5 E5 E5 | D5 D5 C5/2 )"},

    {"Eine kleine Nachtmusik", 140, R"(
      G5 R/8 D5/8 G5 R/8 D5/8 | G5/8 D5/8 G5/8 B5/8 D6 R |
      C6 R/8 A5/8 C6 R/8 A5/8 | C6/8 A5/8 F#5/8 A5/8 D5 R |
      G5 R/8 D5/8 G5 R/8 D5/8 | G5/8 D5/8 G5/8 B5/8 D6 R | G5/2 )"},

    {"Brahms Lullaby", 120, R"(
      E5/8 E5/8 | G5/4. E5/8 E5 | G5/2 E5/8 G5/8 | C6 B5/4. A5/8 | A5 G5 D5/8 E5/8 |
      F5 D5 D5/8 E5/8 | F5/2 D5/8 F5/8 | B5/8 A5/8 G5 B5 | C6/2. )"},
};
