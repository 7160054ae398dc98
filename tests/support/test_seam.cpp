#include "support/test_seam.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace zel::test {

int TestSeam::ShowMessage(WindowRef, const std::string& text, const std::string& caption,
                         unsigned flags) {
  Boxes.push_back({text, caption, flags});
  if (!Answers.empty()) {
    int a = Answers.front();
    Answers.erase(Answers.begin());
    return a;
  }
  return (flags & kMbYesNo) ? kIdYes : kIdOk;
}

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  std::random_device rd;
  auto base = std::filesystem::temp_directory_path() /
              ("zelmora-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(base);
  path_ = base.string() + std::string(1, std::filesystem::path::preferred_separator);
}

TempDir::~TempDir() {
  std::error_code ec;
  // Read-only files left by a test must not stop the clean-up.
  for (auto& e : std::filesystem::recursive_directory_iterator(path_, ec))
    std::filesystem::permissions(e.path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

TEventRec MakeEvent(int year, int month, int day, int hour, int minute, int period) {
  TEventRec e{};
  ResetEvent(e);
  e.Year = static_cast<std::uint16_t>(year);
  e.Month = static_cast<std::uint8_t>(month);
  e.Day = static_cast<std::uint8_t>(day);
  e.Hour = static_cast<std::uint8_t>(hour);
  e.Minute = static_cast<std::uint8_t>(minute);
  e.Period = static_cast<std::uint8_t>(period);
  e.Slot = 1;
  return e;
}

}  // namespace zel::test
