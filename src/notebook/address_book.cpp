#include "notebook/address_book.h"

#include <vector>

#include "toolkit/text_utils.h"

namespace zel {
namespace {

template <int N>
void ClearRecord(TBookRecord<N>& rec) {
  for (std::string& f : rec.Fields) f.clear();
  rec.Icon = 0;
  rec.Used = false;
}

template <typename List>
int FindFree(const List& list) {
  for (int i = 0; i < kBookSlots; ++i)
    if (!list[static_cast<size_t>(i)].Used) return i;
  return -1;
}

template <typename List>
int CountUsed(const List& list) {
  int n = 0;
  for (const auto& r : list) n += r.Used ? 1 : 0;
  return n;
}

template <typename List, typename Rec>
bool AddRecord(List& list, const Rec& rec) {
  const int slot = FindFree(list);
  if (slot < 0) return true;
  Rec& to = list[static_cast<size_t>(slot)];
  to = rec;
  to.Used = true;
  return false;
}

template <int N>
std::string RecordToLine(const TBookRecord<N>& rec) {
  std::string line = std::to_string(rec.Icon);
  for (const std::string& f : rec.Fields) {
    line += '\t';
    for (char c : f) line += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
  }
  return line;
}

template <int N>
bool LineToRecord(std::string_view line, int maxIcon, TBookRecord<N>& rec) {
  if (line.empty()) return true;
  ClearRecord(rec);
  rec.Used = true;
  // Split at every TAB; a TAB at the very end closes the last field and
  // opens no further one.
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (std::size_t tab; (tab = line.find('\t', start)) != std::string_view::npos; start = tab + 1)
    fields.push_back(line.substr(start, tab - start));
  if (start < line.size()) fields.push_back(line.substr(start));
  const std::int32_t icon = TextToIntOr(fields[0], -1);
  if (icon == -1) return true;
  rec.Icon = icon < 0 || icon > maxIcon ? 0 : icon;
  for (std::size_t i = 1; i < fields.size() && i <= static_cast<std::size_t>(N); ++i)
    rec.Fields[i - 1] = std::string(fields[i]);
  return false;
}

}  // namespace

void ClearPeopleRecord(TPeopleRecord& rec) { ClearRecord(rec); }
void ClearOrgRecord(TOrgRecord& rec) { ClearRecord(rec); }
void ClearPeople(TBoook& book) {
  for (auto& r : book.People) ClearRecord(r);
}
void ClearOrgs(TBoook& book) {
  for (auto& r : book.Orgs) ClearRecord(r);
}
int FindFreePeopleSlot(const TBoook& book) { return FindFree(book.People); }
int FindFreeOrgSlot(const TBoook& book) { return FindFree(book.Orgs); }
int CountPeople(const TBoook& book) { return CountUsed(book.People); }
int CountOrgs(const TBoook& book) { return CountUsed(book.Orgs); }
bool AddPeopleRecord(TBoook& book, const TPeopleRecord& rec) { return AddRecord(book.People, rec); }
bool AddOrgRecord(TBoook& book, const TOrgRecord& rec) { return AddRecord(book.Orgs, rec); }

std::string PeopleRecordToLine(const TPeopleRecord& rec) { return RecordToLine(rec); }
std::string OrgRecordToLine(const TOrgRecord& rec) { return RecordToLine(rec); }

bool LineToPeopleRecord(std::string_view line, int maxIcon, TPeopleRecord& rec) {
  return LineToRecord(line, maxIcon, rec);
}
bool LineToOrgRecord(std::string_view line, int maxIcon, TOrgRecord& rec) {
  return LineToRecord(line, maxIcon, rec);
}

}  // namespace zel
