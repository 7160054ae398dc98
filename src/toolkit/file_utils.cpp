#include "toolkit/file_utils.h"

#include <algorithm>

namespace zel {

int StartSearch(Seam& os, const std::string& mask, std::uint32_t attributes, TSearchRec& rec) {
  rec.Rest = os.FindFiles(mask, attributes);
  std::reverse(rec.Rest.begin(), rec.Rest.end());  // taken from the back, in found order
  return NextMatch(rec);
}

int NextMatch(TSearchRec& rec) {
  if (rec.Rest.empty()) return kNoMoreFiles;
  SearchEntry& e = rec.Rest.back();
  rec.Name = std::move(e.Name);
  rec.Size = e.Size;
  rec.Attributes = e.Attributes;
  rec.DosTime = e.DosTime;
  rec.Rest.pop_back();
  return 0;
}

void EndSearch(TSearchRec& rec) { rec.Rest.clear(); }

}  // namespace zel
