// Any work file: loading it, running every pass over it, counting and
// exporting never reads or writes out of bounds.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "core/app_core.h"
#include "core/platform_seam.h"
#include "events/event_table.h"
#include "events/exchange.h"
#include "events/passes.h"
#include "events/work_file.h"
#include "mainwin/clock_format.h"

namespace {

// Reads come from the fuzzer's bytes; writes go nowhere.
class MemorySeam : public zel::PlatformSeam {
 public:
  std::string bytes;
  std::FILE* OpenStream(const std::string&, const char* mode) override {
    if (mode[0] == 'r') return fmemopen(bytes.data(), bytes.size(), "rb");
    return std::fopen("/dev/null", "wb");
  }
  int CommitFile(const std::string&, const std::string&) override { return 0; }
  int RemoveFile(const std::string&) override { return 0; }
  int SetAttributes(const std::string&, std::uint32_t) override { return 0; }
  int ShowMessage(zel::WindowRef, const std::string&, const std::string&, unsigned) override {
    return zel::kIdYes;
  }
  zel::WindowRef MainWindow() override { return 0; }
  bool DialogEditsSlot(int slot) override { return slot == 7; }
  void RunAction(int, const zel::TEventRec&, zel::FireForm) override {}
  void PostShowReminders() override {}
  bool EditorOpen() override { return false; }
  void PostEditorReload() override {}
  std::optional<std::vector<int>> EditorSelectedSlots() override { return std::nullopt; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 8) return 0;
  MemorySeam os;
  // Even first bytes tile the input into a whole record, so that the
  // record's contents are explored, not only its size check.
  if (data[0] % 2 == 0) {
    os.bytes.resize(sizeof(zel::TWorkRecord));
    for (std::size_t i = 0; i < os.bytes.size(); ++i) os.bytes[i] = static_cast<char>(data[i % size]);
  } else {
    os.bytes.assign(reinterpret_cast<const char*>(data), size);
  }
  auto app = std::make_unique<zel::AppCore>(data[1] % 2 ? zel::Edition::English : zel::Edition::Russian, os);
  app->Paths.WorkFile = "vell.rwo";
  app->Tuning.TwelveHour = data[2] % 2;
  zel::TEventRec& now = app->CurrentTime;
  now.Year = static_cast<std::uint16_t>(1990 + data[3] % 60);
  now.Month = static_cast<std::uint8_t>(1 + data[4] % 12);
  now.Day = static_cast<std::uint8_t>(1 + data[5] % 28);
  now.Hour = static_cast<std::uint8_t>(data[6] % 24);
  now.Minute = static_cast<std::uint8_t>(data[7] % 60);

  zel::LoadWork(*app);
  zel::StartupPass(*app);
  zel::MidnightPass(*app);
  zel::MinuteScan(*app);
  zel::PurgeExpired(*app);
  std::size_t total = 0;
  for (const zel::TEventRec& e : app->Work.Events)
    if (e.Slot != 0) total += zel::EventToLine(e).size();
  total += zel::FormatClock(*app, std::string(app->Work.ReminderLog[0].View())).size();
  zel::SaveWork(*app);
  return total == 1 ? 1 : 0;
}
