// The two settings records, laid out byte for byte as vell.tun and
// vellsys.tun store them: packed, little-endian, booleans one byte (written
// 255 or 0, any nonzero byte reads true). The English edition stores a
// shorter prefix of each record; in memory both editions use the full layout
// and the English edition simply leaves the tail alone.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/edition.h"
#include "events/event_record.h"
#include "mainwin/hotkey_entries.h"

namespace zel {

#pragma pack(push, 1)

// User settings (vell.tun, beside the program).
struct TTuning {
  std::uint8_t Reserved0[5];  // carried unchanged
  std::uint8_t SoundsOff;
  std::uint8_t ActionsOff;
  std::uint8_t DefaultAction;  // action code 0..16 preset for a new event
  std::uint8_t MelodySync;
  std::uint8_t SoundSync;
  THotkeyEntry Hotkeys[kHotkeyEntries];
  std::uint8_t NotebookView;
  TShortText<255> Reserved228;  // a text slot nobody reads; carried unchanged
  std::uint8_t TwelveHour;
  std::uint8_t WeekStartsSunday;
  std::uint8_t FlashAccumulate;  // Russian edition only
};

struct TBounds32 {
  std::int32_t Left, Top, Width, Height;
};
struct TBounds16 {
  std::int16_t Left, Top, Width, Height;
};

// Window places and system options (vellsys.tun).
struct TSysTuning {
  std::int32_t BarLeft;
  std::int32_t BarTop;
  TBounds32 EditorBounds;
  std::uint8_t EditorMaximized;
  std::uint8_t Reserved25[3];
  TBounds32 NotebookBounds;
  std::uint8_t NotebookMaximized;
  std::uint8_t ForceReboot;  // stored and shown only
  std::uint8_t ForceShutdown;  // stored and shown only
  std::uint8_t PowerOff;
  std::uint8_t PositionLocked;
  std::uint8_t Reserved49;
  // The English edition's record ends after the next two bytes.
  TBounds16 FlashBounds;
  std::uint8_t FlashMaximized;
  std::uint8_t Reserved59;
  std::int16_t BarWidth;
  std::uint8_t Reserved62[2];
};

#pragma pack(pop)

static_assert(sizeof(TTuning) == 487);
static_assert(offsetof(TTuning, SoundsOff) == 5);
static_assert(offsetof(TTuning, ActionsOff) == 6);
static_assert(offsetof(TTuning, DefaultAction) == 7);
static_assert(offsetof(TTuning, MelodySync) == 8);
static_assert(offsetof(TTuning, SoundSync) == 9);
static_assert(offsetof(TTuning, Hotkeys) == 10);
static_assert(offsetof(TTuning, NotebookView) == 227);
static_assert(offsetof(TTuning, Reserved228) == 228);
static_assert(offsetof(TTuning, TwelveHour) == 484);
static_assert(offsetof(TTuning, WeekStartsSunday) == 485);
static_assert(offsetof(TTuning, FlashAccumulate) == 486);

static_assert(sizeof(TSysTuning) == 64);
static_assert(offsetof(TSysTuning, EditorBounds) == 8);
static_assert(offsetof(TSysTuning, EditorMaximized) == 24);
static_assert(offsetof(TSysTuning, NotebookBounds) == 28);
static_assert(offsetof(TSysTuning, NotebookMaximized) == 44);
static_assert(offsetof(TSysTuning, ForceReboot) == 45);
static_assert(offsetof(TSysTuning, ForceShutdown) == 46);
static_assert(offsetof(TSysTuning, PowerOff) == 47);
static_assert(offsetof(TSysTuning, PositionLocked) == 48);
static_assert(offsetof(TSysTuning, FlashBounds) == 50);
static_assert(offsetof(TSysTuning, FlashMaximized) == 58);
static_assert(offsetof(TSysTuning, BarWidth) == 60);

// The bytes each edition stores.
constexpr std::size_t TuningSize(Edition e) { return e == Edition::Russian ? 487 : 486; }
constexpr std::size_t SysTuningSize(Edition e) { return e == Edition::Russian ? 64 : 52; }

// The defaults. Only the fields with a default are set: ActionsOff and the
// reserved bytes keep what they held (and so do the fields beyond the
// edition's record).
void DefaultTuning(Edition edition, TTuning& t);
void DefaultSysTuning(Edition edition, TSysTuning& s);

}  // namespace zel
