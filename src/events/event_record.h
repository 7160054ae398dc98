// The event record and the work record (event table and reminder history),
// laid out byte for byte as vell.rwo stores them: packed, little-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zel {

// A length-prefixed text: one length byte, then N characters. The length is
// clamped to N whenever it is read, so a damaged record never reaches past its
// field; the stored bytes are left as they are.
#pragma pack(push, 1)
template <std::size_t N>
struct TShortText {
  std::uint8_t Length;
  char Chars[N];

  std::size_t Size() const { return Length <= N ? Length : N; }
  std::string_view View() const { return std::string_view(Chars, Size()); }
  std::string Get() const { return std::string(View()); }
  // Cuts the text to N characters.
  void Set(std::string_view text) {
    std::size_t n = text.size() < N ? text.size() : N;
    for (std::size_t i = 0; i < n; ++i) Chars[i] = text[i];
    Length = static_cast<std::uint8_t>(n);
  }
  void Clear() { Length = 0; }
};

struct TEventRec {
  std::uint16_t Year;
  std::uint8_t Month;
  std::uint8_t Day;
  std::uint8_t Hour;
  std::uint8_t Minute;
  std::uint16_t Slot;  // 0 = free, else the record's own slot number 1..1000
  std::uint8_t WeekMask;  // bit 0 Monday .. bit 6 Sunday
  std::uint8_t Action;    // 0..16
  std::uint8_t Period;    // 0..10
  std::int32_t Duration;
  std::int32_t Cycle;
  std::uint8_t Category;  // 0..10
  TShortText<100> Message;
  TShortText<8> FileName;
  std::uint8_t DeleteAfterUse;
  std::uint8_t RealTime;
  std::uint8_t Disabled;
  std::uint8_t ShowMessage;
  std::uint8_t Reserved134;
  std::uint8_t Influence;
  std::uint8_t Reserved136[17];
};

inline constexpr int kSlotCount = 1000;
inline constexpr int kHistoryLines = 300;

struct TWorkRecord {
  std::uint8_t Reserved[8];
  TEventRec Events[kSlotCount];  // slot n is Events[n - 1]
  TShortText<255> ReminderLog[kHistoryLines];  // line 1 (index 0) is the newest
};
#pragma pack(pop)

static_assert(sizeof(TShortText<100>) == 101);
static_assert(sizeof(TEventRec) == 153);
static_assert(offsetof(TEventRec, Slot) == 6);
static_assert(offsetof(TEventRec, WeekMask) == 8);
static_assert(offsetof(TEventRec, Duration) == 11);
static_assert(offsetof(TEventRec, Cycle) == 15);
static_assert(offsetof(TEventRec, Category) == 19);
static_assert(offsetof(TEventRec, Message) == 20);
static_assert(offsetof(TEventRec, FileName) == 121);
static_assert(offsetof(TEventRec, DeleteAfterUse) == 130);
static_assert(offsetof(TEventRec, Reserved134) == 134);
static_assert(offsetof(TEventRec, Influence) == 135);
static_assert(offsetof(TEventRec, Reserved136) == 136);
static_assert(sizeof(TWorkRecord) == 229808);
static_assert(offsetof(TWorkRecord, Events) == 8);
static_assert(offsetof(TWorkRecord, ReminderLog) == 153008);

// Booleans on disk: zero is false, anything else true; written as 255.
inline constexpr std::uint8_t kTrue = 255;
inline std::uint8_t BoolByte(bool b) { return b ? kTrue : 0; }

// Action codes with a meaning of their own (0..9 are the melodies).
enum : std::uint8_t {
  kActionBeep = 10,
  kActionNone = 11,
  kActionAudioCd = 12,
  kActionVoice = 13,
  kActionBatch = 14,
  kActionReboot = 15,
  kActionShutdown = 16,
};

// Periodicity kinds.
enum : std::uint8_t {
  kPeriodOnce = 0,
  kPeriodHourly = 1,
  kPeriodDaily = 2,
  kPeriodWeekdays = 3,
  kPeriodMonthDay = 4,
  kPeriodEvenDays = 5,
  kPeriodOddDays = 6,
  kPeriodAnnual = 7,
  kPeriodJubilee = 8,
  kPeriodDays = 9,
  kPeriodHours = 10,
};

// Sets the defaults: all zero, Cycle 2, texts empty, DeleteAfterUse set.
// Bytes 136-152 are left untouched.
void ResetEvent(TEventRec& e);

}  // namespace zel
