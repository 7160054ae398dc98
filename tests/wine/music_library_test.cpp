// Our melody libraries: ten named melodies each, notes numbered from 1 with
// the count in every answer, of a few seconds to half a minute.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "alarm/melody_player.h"
#include "support/wine_paths.h"

namespace zel {
namespace {

using GetMusicFn = void(__stdcall*)(TNoteRec*, int, int);
using GetMusicNameFn = const char*(__stdcall*)(int);

const std::string kProgramDir = test::WindowsPath(ZEL_PROGRAM_DIR) + "\\";

class Library {
 public:
  explicit Library(const std::string& path) : module_(LoadLibraryA(path.c_str())) {}
  ~Library() {
    if (module_) FreeLibrary(module_);
  }
  bool Loaded() const { return module_ != nullptr; }
  GetMusicFn Music() const {
    return reinterpret_cast<GetMusicFn>(reinterpret_cast<void*>(GetProcAddress(module_, "GetMusic")));
  }
  GetMusicNameFn Name() const {
    return reinterpret_cast<GetMusicNameFn>(
        reinterpret_cast<void*>(GetProcAddress(module_, "GetMusicName")));
  }

 private:
  HMODULE module_;
};

class MusicLibraryTest : public testing::TestWithParam<const char*> {};

TEST_P(MusicLibraryTest, HoldsTenNamedMelodiesOfReasonableLength) {
  Library library(kProgramDir + GetParam());
  ASSERT_TRUE(library.Loaded()) << GetParam();
  ASSERT_NE(library.Music(), nullptr);
  ASSERT_NE(library.Name(), nullptr);
  std::set<std::string> names;
  for (int index = 0; index < 10; ++index) {
    const std::string name = library.Name()(index);
    EXPECT_FALSE(name.empty()) << index;
    names.insert(name);
    TNoteRec note;
    library.Music()(&note, index, 1);
    const int count = note.Count;
    ASSERT_GT(count, 8) << name;
    long total = 0;
    for (int n = 1; n <= count; ++n) {
      library.Music()(&note, index, n);
      EXPECT_EQ(note.Count, count) << name << " note " << n;
      EXPECT_TRUE(note.Freq <= 1 || (note.Freq >= 200 && note.Freq <= 2500)) << name << " " << n;
      total += note.NoteLength;
    }
    EXPECT_GE(total, 3000) << name;
    EXPECT_LE(total, 35000) << name;
  }
  EXPECT_EQ(names.size(), 10u);
  EXPECT_STREQ(library.Name()(10), "");
}

INSTANTIATE_TEST_SUITE_P(OurLibraries, MusicLibraryTest,
                         testing::Values("music.dll", "melodys\\classics.mus",
                                         "melodys\\folk.mus"));

TEST(MusicLibrary, NotesComeFromTheirNamesAndTheIndexIsItsLowByte) {
  Library library(kProgramDir + "music.dll");
  ASSERT_TRUE(library.Loaded());
  TNoteRec first, wrapped;
  library.Music()(&first, 0, 1);  // Ode to Joy opens on E5
  library.Music()(&wrapped, 256, 1);
  EXPECT_EQ(first.Freq, 659);
  EXPECT_EQ(wrapped.Freq, first.Freq);
  EXPECT_EQ(wrapped.Count, first.Count);
  TNoteRec beyond;
  library.Music()(&beyond, 0, first.Count + 1);
  EXPECT_EQ(beyond.Count, first.Count);
  EXPECT_EQ(beyond.NoteLength, 0);
}

TEST(MusicLibrary, ReadMelodyNamesTakesTheTenNames) {
  std::string names[10];
  EXPECT_FALSE(ReadMelodyNames(kProgramDir + "music.dll", names));
  EXPECT_EQ(names[0], "Ode to Joy");
  for (const auto& name : names) EXPECT_FALSE(name.empty());
  EXPECT_TRUE(ReadMelodyNames(kProgramDir + "missing.dll", names));
  for (const auto& name : names) EXPECT_TRUE(name.empty());
}

}  // namespace
}  // namespace zel
