#include "core/uninstall_batch.h"

#include <vector>

#include "core/app_core.h"
#include "core/codepage.h"
#include "core/oem_codepage.h"
#include "core/texts.h"
#include "core/whole_file.h"
#include "events/work_file.h"

namespace zel {
namespace {

// How many times the batch tries to delete the program file, about a second
// apart, before it gives up (the file may be held or protected).
constexpr int kDeleteTries = 30;

std::string WithoutFinalSeparator(std::string folder) {
  if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  return folder;
}

// Collects the lines; every path goes through Quote, which fails the whole
// batch when the OEM page cannot hold it.
class Lines {
 public:
  explicit Lines(int oemPage) : page_(oemPage) {}

  // A path in double quotes, in the OEM page. Inside quotes the command
  // interpreter takes & | < > ^ literally (the batch runs without delayed
  // expansion); only % would still expand, so it is doubled.
  std::string Quote(const std::string& path) {
    std::optional<std::string> oem = Utf8ToOem(page_, path);
    if (!oem) {
      if (bad_.empty()) bad_ = path;
      return "\"\"";
    }
    std::string q = "\"";
    for (char c : *oem) q += c == '%' ? std::string("%%") : std::string(1, c);
    return q + "\"";
  }

  void Add(const std::string& line) { lines_.push_back(line); }
  void Del(const std::string& path) { Add("del " + Quote(path)); }
  void RemoveTree(const std::string& folder) {
    Add("rmdir /s /q " + Quote(WithoutFinalSeparator(folder)));
  }
  // Removes a folder only when it is empty.
  void RemoveEmpty(const std::string& folder) { Add("rmdir " + Quote(WithoutFinalSeparator(folder))); }

  BatchText Finish() const {
    if (!bad_.empty()) return {std::nullopt, bad_};
    std::string text;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      text += lines_[i];
      if (i + 1 < lines_.size()) text += "\r\n";
    }
    return {text, std::string()};
  }

 private:
  int page_;
  std::string bad_;
  std::vector<std::string> lines_;
};

}  // namespace

BatchText BuildUninstallBatch(const UninstallChoices& c, const TPaths& p,
                              const std::string& batchFile, int oemPage) {
  Lines b(oemPage);
  if (c.Program) {
    // The program's own settings files by name: the folder may be shared.
    b.Del(p.ProgramDir + "vell.tun");
    if (p.DataDir != p.ProgramDir) b.Del(p.TuningFile);
    b.Del(p.SysTuningFile);
    if (p.SysTuningSource != p.SysTuningFile) b.Del(p.SysTuningSource);
  }
  // The chosen folders, in this order.
  const std::pair<bool, const std::string*> folders[] = {
      {c.Help, &p.HelpDir},       {c.UserData, &p.UserDataDir}, {c.Sounds, &p.SoundsDir},
      {c.Melodys, &p.MelodysDir}, {c.Icons, &p.IconsLibDir},    {c.Batchs, &p.BatchsDir}};
  for (const auto& [chosen, folder] : folders)
    if (chosen) b.RemoveTree(*folder);
  if (c.Program) {
    b.Del(p.MusicLibrary);
    b.Del(p.IconLibrary);
    b.Del(p.ProgramDir + "deltree.exe");  // left by older installations
    const std::string exe = b.Quote(p.ModulePath);
    b.Add("set /a zeltries=0");
    b.Add(":try");
    b.Add("del " + exe);
    b.Add("if not exist " + exe + " goto gone");
    b.Add("set /a zeltries+=1");
    b.Add("if %zeltries% geq " + std::to_string(kDeleteTries) + " goto gone");
    b.Add("ping -n 2 127.0.0.1 > nul");
    b.Add("goto try");
    b.Add(":gone");
  }
  if (c.All()) {
    b.RemoveEmpty(p.ProgramDir);
    const bool ownFolderUsed = !p.AppDataDir.empty() && (p.DataDir == p.AppDataDir ||
                                                         p.SysTuningFile.rfind(p.AppDataDir, 0) == 0);
    if (ownFolderUsed) b.RemoveEmpty(p.AppDataDir);
  }
  b.Add("cls");
  b.Add("@del " + b.Quote(batchFile) + " > nul");
  return b.Finish();
}

UninstallOutcome Uninstall(AppCore& app, const UninstallChoices& choices, WindowRef owner) {
  UninstallOutcome out;
  if (!choices.Any()) return out;
  if (choices.Program && !choices.UserData) {
    SaveWork(app);  // the kept user data must be up to date
    out.SavedWork = true;
  }
  out.SwitchAutostartOff = choices.Program;

  int page = app.Os.OemCodePage();
  if (page == 0) page = UsualOemPage(app.Edition);

  // The first place, then the user's temporary folder when the system refuses it.
  bool badPathShown = false;
  for (const std::string* file : {&app.Paths.UninstallBatch, &app.Paths.UninstallBatchFallback}) {
    if (file->empty()) continue;
    BatchText batch = BuildUninstallBatch(choices, app.Paths, *file, page);
    if (!batch.Text) {
      // Only the batch's own place differs between the tries: a bad data
      // path fails them all, a bad batch place just moves on.
      if (batch.BadPath == *file) continue;
      const Texts& t = TextsOf(app.Edition);
      const std::string text =
          app.Edition == Edition::Russian
              ? "Путь содержит символы, которых нет в кодовой странице командной строки:\n\n" +
                    batch.BadPath + "\n\nПакетный файл удаления не записан, ничего не удалено."
              : "The path holds characters the command line's code page lacks:\n\n" +
                    batch.BadPath + "\n\nNo uninstall batch was written, nothing was deleted.";
      app.Os.ShowMessage(owner, FromUtf8(app.Edition, text), t.AppCaption, kMbIconError);
      badPathShown = true;
      break;
    }
    if (WriteWholeFile(app.Os, *file, *batch.Text)) continue;
    out.Started = app.Os.StartHiddenBatch(*file) == 0;
    break;
  }
  if (!out.Started && !badPathShown) app.Os.DefaultBeep();
  out.EndProgram = choices.Program && out.Started;
  out.CloseSettings = !out.EndProgram;
  return out;
}

}  // namespace zel
