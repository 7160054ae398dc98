// The one seam between the portable core and the world around it: the
// operating system's services (clock, files, attributes, searches) and what the
// core needs from the window side (message boxes, the event dialog's slot,
// running an action, the messages it posts). The Windows program implements it
// over Win32; the companion tool and the tests implement it in portable code.
// Paths are UTF-8 throughout.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace zel {

struct TEventRec;

// Local date and time to the minute (and second, for the ticker).
struct LocalTime {
  int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};

// Window handle of the window side, opaque to the core (0 = none).
using WindowRef = std::uintptr_t;

// Message box flags and answers: the values Win32 uses, so the window side can
// pass them straight through.
enum : unsigned {
  kMbOk = 0x0,
  kMbYesNo = 0x4,
  kMbIconError = 0x10,
  kMbIconQuestion = 0x20,
  kMbIconWarning = 0x30,
  kMbIconExclamation = 0x30,
  kMbIconInformation = 0x40,
};
enum : int { kIdOk = 1, kIdCancel = 2, kIdYes = 6, kIdNo = 7 };

// File attributes as Win32 numbers them.
enum : std::uint32_t {
  kAttrReadOnly = 0x01,
  kAttrHidden = 0x02,
  kAttrSystem = 0x04,
  kAttrVolume = 0x08,
  kAttrDirectory = 0x10,
  kAttrArchive = 0x20,
  kAttrNormal = 0x80,
};

// One entry found by a folder search.
struct SearchEntry {
  std::string Name;
  std::uint64_t Size = 0;
  std::uint32_t Attributes = 0;
  std::int32_t DosTime = -1;  // DOS date (high 16 bits) and time (low 16 bits)
};

// How a pass fired an event.
enum class FireForm { Scan, CatchUp, Eve, Midnight };

class Seam {
 public:
  virtual ~Seam() = default;

  // --- operating system ---
  virtual LocalTime Now() = 0;
  // fopen on a UTF-8 path.
  virtual std::FILE* OpenStream(const std::string& path, const char* mode) = 0;
  // Flushes the finished temporary file to disk and puts it in place of
  // target in one step. 0 on success, else a system error code.
  virtual int CommitFile(const std::string& temp, const std::string& target) = 0;
  virtual int RemoveFile(const std::string& path) = 0;
  // 0 on success, else the system error code.
  virtual int SetAttributes(const std::string& path, std::uint32_t attributes) = 0;
  // Last-write stamp as a DOS date and time; -1 when nothing or a folder.
  virtual std::int32_t FileStamp(const std::string& path) = 0;
  virtual bool MakeFolder(const std::string& path) = 0;
  // Entries of a folder matching a mask ("*.wav"), skipping hidden, system,
  // volume and directory entries unless their attribute is in `attributes`.
  virtual std::vector<SearchEntry> FindFiles(const std::string& folderAndMask,
                                             std::uint32_t attributes) = 0;
  // The 8.3 form of a path, or the path itself where the system has none.
  virtual std::string ShortPathName(const std::string& path) = 0;
  // The running program file's full path.
  virtual std::string ProgramFile() = 0;
  // The Windows folder, the user's application-data folder and the user's
  // temporary folder, each without a final separator; empty where the system
  // has none.
  virtual std::string WindowsFolder() = 0;
  virtual std::string AppDataFolder() = 0;
  virtual std::string TempFolder() = 0;
  virtual bool FolderExists(const std::string& path) = 0;
  // Whether a new file may be created in the folder (tried, then removed).
  virtual bool FolderWritable(const std::string& path) = 0;
  // The system's OEM code page; 0 where there is none.
  virtual int OemCodePage() = 0;
  // Starts a batch file in a hidden window; 0 on success, else an error code.
  virtual int StartHiddenBatch(const std::string& path) = 0;
  // The system's default beep.
  virtual void DefaultBeep() = 0;

  // --- window side ---
  // Shows a message box (texts in the edition's code page); the answer.
  virtual int ShowMessage(WindowRef owner, const std::string& text, const std::string& caption,
                         unsigned flags) = 0;
  virtual WindowRef MainWindow() = 0;
  // Whether the event dialog is open and editing slot `slot`.
  virtual bool DialogEditsSlot(int slot) = 0;
  // Carries out a fired event's action (the window side checks its switches).
  virtual void RunAction(int slot, const TEventRec& event, FireForm form) = 0;
  // Posts "open the reminder window" to the main window.
  virtual void PostShowReminders() = 0;
  // The event editor: whether it is open, a reload request, and the slots
  // its selected rows carry, in row order (nullopt when it is not open).
  virtual bool EditorOpen() = 0;
  virtual void PostEditorReload() = 0;
  virtual std::optional<std::vector<int>> EditorSelectedSlots() = 0;

  // --- window side, for the ticker (no-ops where there are no windows) ---
  // Whether the event dialog is open at all.
  virtual bool EventDialogOpen() { return false; }
  // Sends (and waits for) a repaint of the clock bar while it exists.
  virtual void RepaintClock() {}
  // Sends the editor its "delete the selected events now".
  virtual void SendEditorDelete() {}
  // Posts the main window its "run the orderly end" (a countdown ran out).
  virtual void PostShutdownRun() {}
  // Posts the countdown window one second, while it is open.
  virtual void PostCountdownTick() {}
  // A box the ticker wants shown: the main thread shows it and the ticker
  // does not wait, so a box left open never stops the scans. (A window side
  // routes every ShowMessage made off its main thread the same way.)
  virtual void ShowBoxFromTicker(const std::string& text, const std::string& caption,
                                 unsigned flags) {
    ShowMessage(MainWindow(), text, caption, flags);
  }
};

}  // namespace zel
