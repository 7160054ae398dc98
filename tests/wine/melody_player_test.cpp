// The player against the test library, with a tone output that counts what
// would have sounded and can hold a note until the test lets it go.
#include "alarm/melody_player.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <utility>
#include <vector>

namespace zel {
namespace {

const std::string kTunes = [] {
  std::string path = ZEL_TEST_TUNES;
  for (char& c : path)
    if (c == '/') c = '\\';
  return "Z:" + path;
}();
constexpr int kFour = 0, kSilent = 1, kThree = 2;

std::mutex played_mutex;
std::vector<std::pair<unsigned, unsigned>> played;
std::atomic<bool> hold_first{false};
HANDLE note_started = CreateEventW(nullptr, FALSE, FALSE, nullptr);
HANDLE note_released = CreateEventW(nullptr, TRUE, FALSE, nullptr);
void (*inside_tone)() = nullptr;

void CountingOutput(unsigned frequency, unsigned ms) {
  {
    std::lock_guard<std::mutex> lock(played_mutex);
    played.emplace_back(frequency, ms);
  }
  SetEvent(note_started);
  if (hold_first.exchange(false)) WaitForSingleObject(note_released, 10000);
  if (inside_tone) inside_tone();
}

std::vector<std::pair<unsigned, unsigned>> Played() {
  std::lock_guard<std::mutex> lock(played_mutex);
  return played;
}

bool WaitIdle() {
  for (int i = 0; i < 5000 && MelodyBusy(); ++i) Sleep(1);
  return !MelodyBusy();
}

class MelodyPlayerTest : public testing::Test {
 protected:
  void SetUp() override {
    played.clear();
    hold_first = false;
    inside_tone = nullptr;
    ResetEvent(note_released);
    ResetEvent(note_started);
    SetToneOutput(CountingOutput);
  }
  void TearDown() override {
    SetEvent(note_released);
    EXPECT_TRUE(WaitIdle());
    SetToneOutput(nullptr);
  }
};

using Notes = std::vector<std::pair<unsigned, unsigned>>;

TEST_F(MelodyPlayerTest, ASynchronousMelodyPlaysEveryNoteBeforeReturning) {
  StartMelody(kTunes, kFour, true);
  // Freq 1 and 0 are both pauses.
  EXPECT_EQ(Played(), (Notes{{440, 50}, {0, 30}, {0, 20}, {880, 40}}));
  EXPECT_FALSE(MelodyBusy());
  // The index travels as its low byte.
  StartMelody(kTunes, 256 + kThree, true);
  EXPECT_EQ(Played().size(), 7u);
}

TEST_F(MelodyPlayerTest, NothingPlaysWithoutALibraryOrNotes) {
  StartMelody("Z:\\no\\such\\music.dll", kFour, true);
  StartMelody("kernel32.dll", kFour, true);  // a module without GetMusic
  StartMelody(kTunes, kSilent, true);
  StartMelody(kTunes, kSilent, false);
  EXPECT_TRUE(WaitIdle());
  EXPECT_TRUE(Played().empty());
}

TEST_F(MelodyPlayerTest, ARequestWhileAMelodyPlaysIsDroppedEvenAfterStop) {
  hold_first = true;
  StartMelody(kTunes, kThree, false);
  ASSERT_EQ(WaitForSingleObject(note_started, 5000), static_cast<DWORD>(WAIT_OBJECT_0));
  EXPECT_TRUE(MelodyBusy());
  StartMelody(kTunes, kFour, true);  // dropped, even synchronous
  PlayTone(1000, 10);                // a tone waits for no melody: dropped too
  StopMelody();
  StartMelody(kTunes, kFour, false);  // still busy with the stopped melody's note
  EXPECT_EQ(Played(), (Notes{{523, 10}}));
  SetEvent(note_released);
  ASSERT_TRUE(WaitIdle());
  EXPECT_EQ(Played(), (Notes{{523, 10}}));  // the stop ended it after that note
  StartMelody(kTunes, kFour, false);  // and now a start plays again
  ASSERT_TRUE(WaitIdle());
  EXPECT_EQ(Played().size(), 5u);
}

TEST_F(MelodyPlayerTest, ATonePlaysOnceAndNotInsideAnother) {
  inside_tone = [] {
    inside_tone = nullptr;
    PlayTone(2000, 5);  // while the first tone sounds: dropped
  };
  PlayTone(1000, 10);
  EXPECT_EQ(Played(), (Notes{{1000, 10}}));
  PlayTone(1000, 10);
  EXPECT_EQ(Played().size(), 2u);
}

}  // namespace
}  // namespace zel
