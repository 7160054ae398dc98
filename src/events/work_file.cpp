#include "events/work_file.h"

#include <string_view>

#include "core/app_core.h"
#include "core/file_error.h"
#include "core/whole_file.h"
#include "events/event_table.h"

namespace zel {

WorkLoad LoadWork(AppCore& app) {
  ClearHistory(app);
  const std::string& path = app.Paths.WorkFile;
  app.Os.SetAttributes(path, kAttrNormal);
  int closeCode = 0;
  ReadOutcome r = ReadExactFile(app.Os, path, &app.Work, sizeof(TWorkRecord), closeCode);
  if (r == ReadOutcome::Missing) return WorkLoad::Missing;
  WorkLoad result = WorkLoad::Loaded;
  if (r == ReadOutcome::BadSize) {
    ReportFileError(app, 5, "[Read Work File]");
    KeepAside(app.Os, path);
    ClearEvents(app);
    result = WorkLoad::Damaged;
  }
  ReportFileError(app, closeCode, "[Close Work File]");
  return result;
}

bool SaveWork(AppCore& app) {
  const SaveSteps steps{"[Rewrite Work File]", "[Write Work File]", "[Close Work File]", false};
  return SaveWholeFile(app, app.Paths.WorkFile,
                       std::string_view(reinterpret_cast<const char*>(&app.Work),
                                        sizeof(TWorkRecord)),
                       steps);
}

}  // namespace zel
