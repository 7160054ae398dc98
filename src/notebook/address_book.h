// The address book in memory: two lists of 1001 slots each, people and
// organizations, and the TAB-separated line form of one record. Texts are
// in the edition's code page. A slot has no identity but its number, and
// every reload packs a list into slots 0, 1, 2, ... in file order.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zel {

inline constexpr int kBookSlots = 1001;
inline constexpr int kPersonFields = 36;
inline constexpr int kOrgFields = 19;
inline constexpr int MaxIconIndex = 69;

// Person fields with a use of their own.
enum : int {
  kPersonDisplayAs = 0,
  kPersonName = 1,
  kPersonSurname = 2,
  kPersonSite = 22,
  kPersonMail = 23,
  kPersonFamily1 = 26,
  kPersonFamily2 = 27,
  kPersonSex = 30,
  kPersonGroup1 = 31,
  kPersonGroup2 = 32,
  kPersonBirthday = 33,
};
// Organization fields with a use of their own.
enum : int { kOrgName = 0, kOrgSite = 10, kOrgMail = 11, kOrgGroup1 = 15, kOrgGroup2 = 16 };

template <int N>
struct TBookRecord {
  std::array<std::string, N> Fields;
  std::int32_t Icon = 0;  // picture 0..MaxIconIndex in the icon library
  bool Used = false;
};
using TPeopleRecord = TBookRecord<kPersonFields>;
using TOrgRecord = TBookRecord<kOrgFields>;

// About 2 MB of strings: owners keep it on the heap.
struct TBoook {
  std::array<TPeopleRecord, kBookSlots> People;
  std::array<TOrgRecord, kBookSlots> Orgs;
};

void ClearPeopleRecord(TPeopleRecord& rec);
void ClearOrgRecord(TOrgRecord& rec);
void ClearPeople(TBoook& book);
void ClearOrgs(TBoook& book);
// The lowest free slot, or -1 when all are used.
int FindFreePeopleSlot(const TBoook& book);
int FindFreeOrgSlot(const TBoook& book);
int CountPeople(const TBoook& book);
int CountOrgs(const TBoook& book);
// Copies the record (Used set) into the lowest free slot; true when there is
// none (the book is then unchanged).
bool AddPeopleRecord(TBoook& book, const TPeopleRecord& rec);
bool AddOrgRecord(TBoook& book, const TOrgRecord& rec);

// The icon number, then each field after a TAB; no line end. The format has
// no escapes, so a TAB, CR or LF inside a value (pasted into a dialog) is
// written as a space: it cannot shift the later fields at the next load.
std::string PeopleRecordToLine(const TPeopleRecord& rec);
std::string OrgRecordToLine(const TOrgRecord& rec);

// Parses one line into rec (cleared first, Used set); true when the line is
// refused: empty, or an icon field that is no number or reads -1. An icon
// outside 0..maxIcon becomes 0; missing fields stay empty, extra ones are
// ignored.
bool LineToPeopleRecord(std::string_view line, int maxIcon, TPeopleRecord& rec);
bool LineToOrgRecord(std::string_view line, int maxIcon, TOrgRecord& rec);

}  // namespace zel
