// A test seam whose system folders, program file, refusals and OEM page the
// test chooses; batches it is asked to start are recorded, not run.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "support/test_seam.h"

namespace zel::test {

class PlacesSeam : public TestSeam {
 public:
  std::string Program, Windows, AppData, Temp;  // empty: the system has none
  std::set<std::string> Refused;  // folders the system will not let us write
  int OemPage = 866;
  std::vector<std::string> Started;
  int Beeps = 0;

  std::string ProgramFile() override { return Program; }
  std::string WindowsFolder() override { return Windows; }
  std::string AppDataFolder() override { return AppData; }
  std::string TempFolder() override { return Temp; }
  bool FolderWritable(const std::string& path) override {
    return !Refused.count(path) && TestSeam::FolderWritable(path);
  }
  int OemCodePage() override { return OemPage; }
  int StartHiddenBatch(const std::string& path) override {
    Started.push_back(path);
    return 0;
  }
  void DefaultBeep() override { ++Beeps; }
};

}  // namespace zel::test
