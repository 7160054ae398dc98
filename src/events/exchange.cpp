#include "events/exchange.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "core/app_core.h"
#include "core/whole_file.h"
#include "events/calendar.h"
#include "events/event_table.h"
#include "toolkit/text_utils.h"

namespace zel {
namespace {

enum Key {
  kInfluence, kDisable, kRealTime, kDeleteAfterUse, kShowMessage, kWeek, kMessage, kFileName,
  kCategory, kCycle, kDuration, kPeriod, kAction, kMinute, kHour, kDay, kMonth, kYear, kKeyCount
};

constexpr std::string_view kKeys[kKeyCount] = {
    "vell1_influence", "vell1_disable", "vell1_realtime", "vell1_deleteafteruse",
    "vell1_showmessage", "vell1_week", "vell1_message", "vell1_filename", "vell1_category",
    "vell1_cycle", "vell1_duration", "vell1_period", "vell1_action", "vell1_minute",
    "vell1_hour", "vell1_day", "vell1_month", "vell1_year"};

const char* Flag(std::uint8_t b) { return b ? "1" : "0"; }

// A numeric field takes the value only when it is a number within range;
// otherwise it keeps what it had. (Fields are packed: pass values, not
// references.)
std::int32_t InRange(std::string_view value, long lo, long hi, std::int32_t old) {
  auto n = ParseInt32(value);
  return n && *n >= lo && *n <= hi ? *n : old;
}

std::uint8_t FlagValue(std::string_view value) {
  auto n = ParseInt32(value);
  return BoolByte(n && *n != 0);
}

}  // namespace

std::string EventToLine(const TEventRec& e) {
  std::string s;
  s.reserve(200);
  auto field = [&](Key k, std::string_view v) {
    if (k != kInfluence) s.push_back('\t');
    s.append(kKeys[k]);
    s.push_back(':');
    s.append(v);
  };
  field(kInfluence, Flag(e.Influence));
  field(kDisable, Flag(e.Disabled));
  field(kRealTime, Flag(e.RealTime));
  field(kDeleteAfterUse, Flag(e.DeleteAfterUse));
  field(kShowMessage, Flag(e.ShowMessage));
  field(kWeek, std::to_string(e.WeekMask));
  field(kMessage, e.Message.View());
  field(kFileName, e.FileName.View());
  field(kCategory, std::to_string(e.Category));
  field(kCycle, std::to_string(e.Cycle));
  field(kDuration, std::to_string(e.Duration));
  field(kPeriod, std::to_string(e.Period));
  field(kAction, std::to_string(e.Action));
  field(kMinute, std::to_string(e.Minute));
  field(kHour, std::to_string(e.Hour));
  field(kDay, std::to_string(e.Day));
  field(kMonth, std::to_string(e.Month));
  field(kYear, std::to_string(e.Year));
  return s;
}

bool LineToEvent(std::string_view line, TEventRec& e) {
  if (line.empty()) return true;
  ResetEvent(e);
  // The reserved tail is not part of the format; a fresh record has it clear.
  std::memset(e.Reserved136, 0, sizeof e.Reserved136);
  long dt[5] = {-1, -1, -1, -1, -1};  // minute, hour, day, month, year

  size_t start = 0;
  while (start <= line.size()) {
    size_t tab = line.find('\t', start);
    std::string_view f = line.substr(start, tab == std::string_view::npos ? line.npos : tab - start);
    start = tab == std::string_view::npos ? line.size() + 1 : tab + 1;
    if (f.empty()) continue;
    size_t colon = f.find(':');
    if (colon == std::string_view::npos || colon == 0) continue;
    std::string_view key = f.substr(0, colon), value = f.substr(colon + 1);
    int k = 0;
    while (k < kKeyCount && kKeys[k] != key) ++k;
    switch (k) {
      case kInfluence: e.Influence = FlagValue(value); break;
      case kDisable: e.Disabled = FlagValue(value); break;
      case kRealTime: e.RealTime = FlagValue(value); break;
      case kDeleteAfterUse: e.DeleteAfterUse = FlagValue(value); break;
      case kShowMessage: e.ShowMessage = FlagValue(value); break;
      case kWeek:
        e.WeekMask = static_cast<decltype(e.WeekMask)>(InRange(value, 0, 127, e.WeekMask));
        break;
      case kMessage: e.Message.Set(value); break;
      case kFileName: e.FileName.Set(value); break;
      case kCategory:
        e.Category = static_cast<decltype(e.Category)>(InRange(value, 0, 10, e.Category));
        break;
      case kCycle:
        e.Cycle = static_cast<decltype(e.Cycle)>(InRange(value, 2, 480, e.Cycle));
        break;
      case kDuration:
        e.Duration = static_cast<decltype(e.Duration)>(InRange(value, 0, 50000, e.Duration));
        break;
      case kPeriod:
        e.Period = static_cast<decltype(e.Period)>(InRange(value, 0, 10, e.Period));
        break;
      case kAction:
        e.Action = static_cast<decltype(e.Action)>(InRange(value, 0, 16, e.Action));
        break;
      case kMinute:
      case kHour:
      case kDay:
      case kMonth:
      case kYear: dt[k - kMinute] = ParseInt32(value).value_or(-1); break;
      default: break;  // unknown key
    }
  }
  return SetDateTime(e, dt[4], dt[3], dt[2], dt[1], dt[0]);
}

namespace {

bool Export(AppCore& app, const std::string& file, bool selected, ExchangeReport& rep) {
  std::string text;
  auto put = [&](const TEventRec& e) {
    text += EventToLine(e);
    text += "\r\n";
    ++rep.Accepted;
  };
  if (!selected) {
    for (const TEventRec& e : app.Work.Events)
      if (e.Slot != 0) put(e);
  } else if (auto rows = app.Os.EditorSelectedSlots()) {
    for (int slot : *rows)
      if (slot >= 1 && slot <= kSlotCount && SlotRec(app, slot).Slot != 0) put(SlotRec(app, slot));
  }
  // Written whole, in one step: a failed export leaves an older file intact.
  if (WriteWholeFile(app.Os, file, text, &rep.NotOpened)) {
    rep.ReadError = !rep.NotOpened;
    return true;
  }
  CountDueToday(app);
  return false;
}

bool Import(AppCore& app, const std::string& file, bool replace, ExchangeReport& rep) {
  std::FILE* f = app.Os.OpenStream(file, "rb");
  if (!f) {
    rep.NotOpened = true;
    return true;
  }
  // A replacing import fills a scratch table, so that a wrong or empty file
  // cannot wipe the user's events.
  std::unique_ptr<TEventRec[]> saved;
  if (replace) {
    saved.reset(new TEventRec[kSlotCount]);
    std::memcpy(saved.get(), app.Work.Events, sizeof app.Work.Events);
    ClearEvents(app);
  }
  bool failed = false;
  std::string line;
  int lineNo = 0;
  int c;
  bool eof = false;
  while (!eof) {
    line.clear();
    while ((c = std::fgetc(f)) != EOF && c != '\n') line.push_back(static_cast<char>(c));
    if (c == EOF) {
      eof = true;
      if (std::ferror(f)) {
        rep.ReadError = true;
        failed = true;
        break;
      }
      if (line.empty()) break;
    }
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    TEventRec e;
    if (LineToEvent(line, e)) {
      rep.RejectedLines.push_back(lineNo);
      failed = true;
      continue;
    }
    if (AppendEvent(app, e, app.Os.MainWindow())) {
      rep.TableFull = true;
      failed = true;
      break;
    }
    ++rep.Accepted;
  }
  std::fclose(f);
  if (replace && (rep.Accepted == 0 || rep.ReadError))
    std::memcpy(app.Work.Events, saved.get(), sizeof app.Work.Events);
  if (rep.ReadError) return true;
  if (app.Os.EditorOpen()) app.Os.PostEditorReload();
  CountDueToday(app);
  return failed;
}

}  // namespace

bool RunExchange(AppCore& app, const std::string& file, bool exportEvents, bool selectedOrReplace,
                 ExchangeReport* report) {
  ExchangeReport local;
  ExchangeReport& rep = report ? *report : local;
  rep = ExchangeReport{};
  app.Os.SetAttributes(file, kAttrArchive);
  rep.Failed = exportEvents ? Export(app, file, selectedOrReplace, rep)
                            : Import(app, file, selectedOrReplace, rep);
  return rep.Failed;
}

}  // namespace zel
