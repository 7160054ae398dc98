#include "core/tuning_files.h"

#include <string_view>

#include "core/app_core.h"
#include "core/file_error.h"
#include "core/whole_file.h"

namespace zel {
namespace {

// The code reported for a record that could not be read whole.
constexpr int kReadFailed = 100;

struct RecordFile {
  std::string_view Read, Rewrite, Write, Close;
};
constexpr RecordFile kTunSteps{"[Read Tun File]", "[Rewrite Tun File]", "[Write Tun File]",
                               "[Close Tun File]"};
constexpr RecordFile kSysTunSteps{"[Read SysTun File]", "[Rewrite SysTun File]",
                                  "[Write SysTun File]", "[Close SysTun File]"};

// On any outcome but Loaded the caller applies the defaults.
SettingsLoad LoadRecord(AppCore& app, const std::string& path, void* record, std::size_t size,
                        const RecordFile& steps) {
  app.Os.SetAttributes(path, kAttrNormal);
  int closeCode = 0;
  ReadOutcome r = ReadExactFile(app.Os, path, record, size, closeCode);
  if (r == ReadOutcome::Missing) return SettingsLoad::Missing;
  SettingsLoad result = SettingsLoad::Loaded;
  if (r == ReadOutcome::BadSize) {
    ReportFileError(app, kReadFailed, steps.Read);
    KeepAside(app.Os, path);
    result = SettingsLoad::Damaged;
  }
  ReportFileError(app, closeCode, steps.Close);
  return result;
}

bool SaveRecord(AppCore& app, const std::string& path, const void* record, std::size_t size,
                const RecordFile& steps) {
  // Each step runs (and reports) even after an earlier one failed.
  const SaveSteps save{steps.Rewrite, steps.Write, steps.Close, false};
  return SaveWholeFile(app, path, std::string_view(static_cast<const char*>(record), size), save);
}

}  // namespace

SettingsLoad LoadTuning(AppCore& app) {
  SettingsLoad r = LoadRecord(app, app.Paths.TuningFile, &app.Tuning, TuningSize(app.Edition),
                              kTunSteps);
  if (r != SettingsLoad::Loaded) DefaultTuning(app.Edition, app.Tuning);
  return r;
}

bool SaveTuning(AppCore& app) {
  return SaveRecord(app, app.Paths.TuningFile, &app.Tuning, TuningSize(app.Edition), kTunSteps);
}

SettingsLoad LoadSysTuning(AppCore& app) {
  SettingsLoad r = LoadRecord(app, app.Paths.SysTuningSource, &app.SysTuning,
                              SysTuningSize(app.Edition), kSysTunSteps);
  if (r != SettingsLoad::Loaded) DefaultSysTuning(app.Edition, app.SysTuning);
  app.LastBarLeft = app.SysTuning.BarLeft;
  app.LastBarTop = app.SysTuning.BarTop;
  return r;
}

bool SaveSysTuning(AppCore& app) {
  app.SysTuning.BarLeft = app.LastBarLeft;
  app.SysTuning.BarTop = app.LastBarTop;
  return SaveRecord(app, app.Paths.SysTuningFile, &app.SysTuning, SysTuningSize(app.Edition),
                    kSysTunSteps);
}

}  // namespace zel
