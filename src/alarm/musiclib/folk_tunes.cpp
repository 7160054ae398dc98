// folk.mus: folk songs and children's songs, all in the public domain.
#include "alarm/musiclib/notation.h"

extern const zel::MelodySource kLibraryMelodies[10] = {
    {"Oh Susanna", 160, R"(
      C5/8 D5/8 | E5 G5 G5/4. A5/8 | G5 E5 C5/4. D5/8 | E5 E5 D5 C5 | D5/2. C5/8 D5/8 |
      E5 G5 G5/4. A5/8 | G5 E5 C5/4. D5/8 | E5 E5 D5 D5 | C5/2. )"},

    {"Yankee Doodle", 160, R"(
      C5 C5 D5 E5 | C5 E5 D5 G4 | C5 C5 D5 E5 | C5/2 B4/2 |
      C5 C5 D5 E5 | F5 E5 D5 C5 | B4 G4 A4 B4 | C5/2 C5/2 )"},

    {"When the Saints Go Marching In", 180, R"(
      C5 E5 F5 | G5/1 | R C5 E5 F5 | G5/1 | R C5 E5 F5 | G5/2 E5/2 | C5/2 E5/2 | D5/1 |
      R E5 E5 D5 | C5/2. C5 | E5/2 G5 G5 | F5/1 | R E5 F5 G5 | E5/2 C5/2 | D5/2 C5/2. )"},

    {"Auld Lang Syne", 120, R"(
      C5 | F5/4. F5/8 F5 A5 | G5/4. F5/8 G5 A5/8 G5/8 | F5/4. F5/8 A5 C6 | D6/2. D6 |
      C6/4. A5/8 A5 F5 | G5/4. F5/8 G5 A5/8 G5/8 | F5/4. D5/8 D5 C5 | F5/2. )"},

    {"Amazing Grace", 110, R"(
      C5 | F5/2 A5/8 F5/8 | A5/2 G5 | F5/2 D5 | C5/2 C5 | F5/2 A5/8 F5/8 | A5/2 G5 | C6/2. )"},

    {"Scarborough Fair", 120, R"(
      D5/2 D5 | A5 A5 A5 | E5/4. F5/8 E5 | D5/2. | R A5 C6 | D6/2 C6 | A5 B5 G5 | A5/2. )"},

    {"Camptown Races", 180, R"(
      G5/8 G5/8 E5/8 G5/8 A5/8 G5/8 E5/4 | E5/8 D5/4. E5/8 D5/4. |
      G5/8 G5/8 E5/8 G5/8 A5/8 G5/8 E5/4 | D5/8 E5/8 D5/8 C5/4. R/8 C5/2 )"},

    {"Old MacDonald", 160, R"(
      G5 G5 G5 D5 | E5 E5 D5/2 | B5 B5 A5 A5 | G5/2. D5 |
      G5 G5 G5 D5 | E5 E5 D5/2 | B5 B5 A5 A5 | G5/1 )"},

    {"Row Row Row Your Boat", 150, R"(
      C5/4. C5/4. | C5/4 D5/8 E5/4. | E5/4 D5/8 E5/4 F5/8 | G5/2. |
      C6/8 C6/8 C6/8 G5/8 G5/8 G5/8 | E5/8 E5/8 E5/8 C5/8 C5/8 C5/8 | G5/4 F5/8 E5/4 D5/8 | C5/2. )"},

    {"V lesu rodilas yolochka", 132, R"(
      C5 A5 A5 G5 | A5 F5 C5 C5 | C5 A5 A5 A#5 | G5 C6/2. |
      C6 D5 D5 A#5 | A#5 A5 G5 F5 | F5 A5 A5 G5 | A5 F5/2. )"},
};
