#include "notebook/address_book_files.h"

#include <string_view>

#include "core/app_core.h"
#include "core/codepage.h"
#include "core/texts.h"
#include "core/whole_file.h"

namespace zel {
namespace {

struct LoadResult {
  bool Failed = false;
  bool LinesLeftOut = false;  // unreadable lines, or lines past a full list
};

template <typename List, typename ToLine>
bool SaveList(Seam& os, const List& list, const std::string& file, ToLine toLine) {
  os.SetAttributes(file, kAttrArchive);  // a read-only file may be replaced; failure ignored
  std::string text;
  for (const auto& rec : list)
    if (rec.Used) text += toLine(rec) + "\r\n";
  return WriteWholeFile(os, file, text);
}

// strictLines: a line that cannot be read (other than an empty one) makes
// the load fail, after all the others are read.
template <typename Rec, typename Parse, typename Add, typename Clear>
LoadResult LoadList(Seam& os, const std::string& file, int maxIcon, bool clearFirst,
                    bool strictLines, Parse parse, Add add, Clear clear) {
  LoadResult r;
  os.SetAttributes(file, kAttrArchive);
  std::string bytes;
  if (!ReadFileBytes(os, file, bytes)) {
    // Only a file that is not there is created; an unreadable one is left be.
    if (os.FileStamp(file) != -1 || WriteWholeFile(os, file, "") ||
        !ReadFileBytes(os, file, bytes)) {
      r.Failed = true;
      return r;
    }
  }
  if (clearFirst) clear();
  std::string_view rest(bytes);
  Rec rec;
  while (!rest.empty()) {
    std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (parse(line, maxIcon, rec)) {
      if (!line.empty()) {
        r.LinesLeftOut = true;
        if (strictLines) r.Failed = true;
      }
      continue;
    }
    if (add(rec)) {
      r.Failed = true;
      r.LinesLeftOut = true;
      break;
    }
  }
  return r;
}

LoadResult LoadPeople(Seam& os, TBoook& book, const std::string& file, int maxIcon,
                      bool clearFirst) {
  return LoadList<TPeopleRecord>(
      os, file, maxIcon, clearFirst, false, LineToPeopleRecord,
      [&](const TPeopleRecord& r) { return AddPeopleRecord(book, r); },
      [&] { ClearPeople(book); });
}

LoadResult LoadOrgs(Seam& os, TBoook& book, const std::string& file, int maxIcon,
                    bool clearFirst) {
  return LoadList<TOrgRecord>(
      os, file, maxIcon, clearFirst, true, LineToOrgRecord,
      [&](const TOrgRecord& r) { return AddOrgRecord(book, r); }, [&] { ClearOrgs(book); });
}

// The backup of the file about to be saved; a failed copy is ignored.
void Backup(Seam& os, const std::string& file, const std::string& backup) {
  std::string bytes;
  if (!ReadFileBytes(os, file, bytes)) return;
  os.SetAttributes(backup, kAttrArchive);
  WriteWholeFile(os, backup, bytes);
}

struct SyncTexts {
  const char* SaveRu;
  const char* SaveEn;
  const char* LoadRu;
  const char* LoadEn;
};

void Tell(AppCore& app, WindowRef owner, const char* ru, const char* en) {
  const std::string text = FromUtf8(app.Edition, app.Edition == Edition::Russian ? ru : en);
  app.Os.ShowMessage(owner, text, TextsOf(app.Edition).AppCaption, kMbIconError);
}

template <typename Save, typename Load>
bool Sync(AppCore& app, bool save, WindowRef owner, const std::string& file,
          const std::string& backup, const SyncTexts& texts, Save saveList, Load loadList) {
  if (save) {
    Backup(app.Os, file, backup);
    if (saveList()) Tell(app, owner, texts.SaveRu, texts.SaveEn);
  }
  LoadResult r = loadList();
  if (r.LinesLeftOut) KeepAside(app.Os, file);
  if (r.Failed) Tell(app, owner, texts.LoadRu, texts.LoadEn);
  return !r.Failed;
}

}  // namespace

bool PeopleFileIO(Seam& os, TBoook& book, const std::string& file, bool save, int maxIcon,
                  bool clearFirst) {
  if (save) return SaveList(os, book.People, file, PeopleRecordToLine);
  return LoadPeople(os, book, file, maxIcon, clearFirst).Failed;
}

bool OrgFileIO(Seam& os, TBoook& book, const std::string& file, bool save, int maxIcon,
               bool clearFirst) {
  if (save) return SaveList(os, book.Orgs, file, OrgRecordToLine);
  return LoadOrgs(os, book, file, maxIcon, clearFirst).Failed;
}

bool SyncPeople(AppCore& app, TBoook& book, bool save, WindowRef owner) {
  static const SyncTexts kTexts{"Невозможно сохранить книжку (люди)", "Impossible save book (people)",
                                "Невозможно загрузить книжку (люди)", "Impossible load book (people)"};
  const std::string& file = app.Paths.PeopleFile;
  return Sync(
      app, save, owner, file, app.Paths.PeopleBackup, kTexts,
      [&] { return PeopleFileIO(app.Os, book, file, true, MaxIconIndex, true); },
      [&] { return LoadPeople(app.Os, book, file, MaxIconIndex, true); });
}

bool SyncOrgs(AppCore& app, TBoook& book, bool save, WindowRef owner) {
  static const SyncTexts kTexts{"Невозможно сохранить книжку (организации)",
                                "Impossible save book (organizations)",
                                "Невозможно загрузить книжку (организации)",
                                "Impossible load book (organizations)"};
  const std::string& file = app.Paths.OrgFile;
  return Sync(
      app, save, owner, file, app.Paths.OrgBackup, kTexts,
      [&] { return OrgFileIO(app.Os, book, file, true, MaxIconIndex, true); },
      [&] { return LoadOrgs(app.Os, book, file, MaxIconIndex, true); });
}

}  // namespace zel
