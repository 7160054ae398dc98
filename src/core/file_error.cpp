#include "core/file_error.h"

#include "core/app_core.h"
#include "core/texts.h"

namespace zel {

bool ReportFileError(AppCore& app, int code, std::string_view step) {
  if (code == 0) return false;
  const Texts& t = TextsOf(app.Edition);
  app.Os.ShowMessage(app.Os.MainWindow(), t.FileErrorPrefix + std::string(step), t.AppCaption,
                    kMbIconError);
  return true;
}

}  // namespace zel
