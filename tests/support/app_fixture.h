// An AppCore over a TestSeam, with its data files in a fresh folder.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "core/app_core.h"
#include "support/test_seam.h"

namespace zel::test {

class AppFixture {
 public:
  explicit AppFixture(Edition edition = Edition::Russian)
      : app(std::make_unique<AppCore>(edition, os)) {
    app->Paths = MakePaths(dir.Path());
    app->Paths.UserDataDir = dir.Path();
    app->Paths.WorkFile = dir.File("vell.rwo");
    app->Paths.ClockFormatFile = dir.File("format_clock_panel.txt");
    SetNow(2005, 3, 7, 9, 5);
  }
  void SetNow(int y, int mo, int d, int h, int mi) {
    os.Clock = {y, mo, d, h, mi, 0};
    app->CurrentTime = MakeEvent(y, mo, d, h, mi);
    app->CurrentTime.Slot = 0;
  }
  // Puts an event into its slot (e.Slot).
  TEventRec& Put(TEventRec e, int slot) {
    e.Slot = static_cast<std::uint16_t>(slot);
    app->Work.Events[slot - 1] = e;
    return app->Work.Events[slot - 1];
  }

  TempDir dir;
  TestSeam os;
  std::unique_ptr<AppCore> app;
};

}  // namespace zel::test
