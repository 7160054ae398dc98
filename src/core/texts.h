// The shared text table: every fixed user-visible text that several windows
// use, one set per edition, held in the edition's code page (Windows-1251 for
// the Russian edition). Code refers to a text by its name and index only.
// An entry the English edition lacks is an empty text.
#pragma once

#include <array>
#include <string>

#include "core/edition.h"

namespace zel {

struct Texts {
  std::string AppCaption;
  std::string FileErrorPrefix;
  std::array<std::string, 2> NoYesTexts;
  std::array<std::string, 2> CancelOkTexts;
  std::array<std::string, 12> MonthNames;
  std::array<std::string, 2> WeekLetters;
  std::array<std::string, 7> DayNames;
  std::string EventsLabel;
  std::array<std::string, 11> PeriodNames;
  std::array<std::string, 7> ActionNames;  // action codes 10..16
  std::array<std::string, 11> CategoryNames;
  std::array<std::string, 5> EditorMenuNames;
  std::array<std::string, 7> EditorFilterNames;
  std::array<std::string, 3> EditorEditNames;
  std::array<std::string, 5> EditorFileNames;
  std::array<std::string, 5> EditorFlagNames;
  std::string EventDialogCaption;
  std::array<std::string, 13> EditorColumnNames;
  std::string LimitMessage;
  std::string OutdatedQuestion;
  std::string CdPlayerError;
  std::string ExitQuestion;
  std::string LookHereText;
  std::string EditorCaption;
  std::string DeleteEventsQuestion;
  std::string FlashCaption;
  std::string FlashAccumulateText;
  std::string FileExistsQuestion;
  std::string ShutdownWarning;
  std::string RebootWarning;
  std::array<std::string, 8> SettingsPages;
  std::array<std::string, 31> HotkeyCommandNames;  // 10..30 empty
  std::array<std::string, 4> NotebookFilterNames;
  std::array<std::string, 5> NotebookMenuNames;
  std::array<std::string, 4> NotebookViewNames;
  std::array<std::string, 6> NotebookEditNames;
  std::array<std::string, 5> NotebookFileNames;
  std::array<std::string, 36> PersonFieldNames;
  std::array<std::string, 19> OrgFieldNames;
  std::string ChooseCategoryText;
  std::array<std::string, 2> AmPmMarks;
  std::string DefaultClockFormat;

  // Texts of the event engine that belong to one Part but both editions share
  // the table's role for them.
  std::string JubileeEvePrefix;   // history prefix of an anniversary eve
  std::string NotAllImported;     // the exchange's failure warning
};

// Numeric constants that go with the texts.
inline constexpr int kEventLimit = 1000;
inline constexpr std::array<int, 13> kEditorColumnWidths = {150, 120, 100, 50, 50, 100, 100,
                                                            50,  18,  18,  18, 18,  18};

// The edition's table, built once (thread-safe) from the UTF-8 source texts.
const Texts& TextsOf(Edition edition);

// A name from a fixed table, or the code as a decimal number when it lies
// outside the table (a code read from a damaged file never indexes past it).
template <size_t N>
std::string NameOrNumber(const std::array<std::string, N>& names, long code) {
  if (code >= 0 && static_cast<size_t>(code) < N) return names[static_cast<size_t>(code)];
  return std::to_string(code);
}

}  // namespace zel
