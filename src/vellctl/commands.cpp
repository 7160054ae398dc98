#include "vellctl/commands.h"

#include <cstdio>
#include <memory>
#include <set>
#include <stdexcept>
#include <string_view>

#include "core/app_core.h"
#include "core/codepage.h"
#include "core/texts.h"
#include "core/whole_file.h"
#include "events/calendar.h"
#include "events/event_table.h"
#include "events/exchange.h"
#include "events/occurrence.h"
#include "events/passes.h"
#include "events/work_file.h"
#include "mainwin/clock_format.h"
#include "toolkit/text_utils.h"
#include "vellctl/console_seam.h"

namespace zel {
namespace {

constexpr const char* kUsage =
    "usage: vellctl COMMAND ARGS [--edition ru|en]\n"
    "  due WORK \"YYYY-MM-DD HH:MM\" [--catch-up] [--eve]\n"
    "  today WORK \"YYYY-MM-DD\"\n"
    "  run WORK \"FROM\" \"TO\" [--twelve-hour] [--save]\n"
    "  export WORK\n"
    "  import WORK FILE [--replace]\n"
    "  clock \"FORMAT\" \"YYYY-MM-DD HH:MM\" [--events N] [--twelve-hour]\n"
    "  history WORK\n"
    "  list WORK\n";

// A usage or file error: exit status 2 with a message.
struct Failure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Options {
  std::string command;
  std::vector<std::string> positional;
  std::set<std::string> flags;
  Edition edition = Edition::Russian;
  bool haveEvents = false;
  std::int32_t events = 0;
};

Options Parse(const std::vector<std::string>& args) {
  if (args.empty()) throw Failure("no command");
  Options o;
  o.command = args[0];
  static const std::set<std::string> known = {"--catch-up", "--eve", "--twelve-hour", "--save",
                                              "--replace"};
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--edition" || a == "--events") {
      if (i + 1 >= args.size()) throw Failure(a + " needs a value");
      const std::string& v = args[++i];
      if (a == "--edition") {
        if (v == "ru") o.edition = Edition::Russian;
        else if (v == "en") o.edition = Edition::English;
        else throw Failure("unknown edition: " + v);
      } else {
        auto n = ParseInt32(v);
        if (!n || v.find_first_of(" $+") != std::string::npos) throw Failure("bad --events value: " + v);
        o.events = *n;
        o.haveEvents = true;
      }
    } else if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
      if (!known.count(a)) throw Failure("unknown option: " + a);
      o.flags.insert(a);
    } else {
      o.positional.push_back(a);
    }
  }
  return o;
}

void Expect(const Options& o, size_t count, std::initializer_list<const char*> allowed) {
  if (o.positional.size() != count) throw Failure("wrong number of arguments for " + o.command);
  for (const std::string& f : o.flags) {
    bool ok = false;
    for (const char* a : allowed) ok = ok || f == a;
    if (!ok) throw Failure(f + " does not apply to " + o.command);
  }
  if (o.haveEvents && o.command != "clock") throw Failure("--events does not apply to " + o.command);
}

int Digits(std::string_view s, size_t at, size_t n) {
  int v = 0;
  for (size_t i = at; i < at + n; ++i) {
    if (s[i] < '0' || s[i] > '9') return -1;
    v = v * 10 + (s[i] - '0');
  }
  return v;
}

// "YYYY-MM-DD HH:MM" (withTime) or "YYYY-MM-DD".
TEventRec ParseMoment(const std::string& s, bool withTime) {
  const size_t len = withTime ? 16 : 10;
  bool ok = s.size() == len && s[4] == '-' && s[7] == '-' &&
            (!withTime || (s[10] == ' ' && s[13] == ':'));
  int y = ok ? Digits(s, 0, 4) : -1, mo = ok ? Digits(s, 5, 2) : -1, d = ok ? Digits(s, 8, 2) : -1;
  int h = 0, mi = 0;
  if (ok && withTime) {
    h = Digits(s, 11, 2);
    mi = Digits(s, 14, 2);
  }
  if (!ok || y < 1 || !IsValidDate(y, mo, d) || h < 0 || h > 23 || mi < 0 || mi > 59)
    throw Failure("not a valid " + std::string(withTime ? "\"YYYY-MM-DD HH:MM\"" : "\"YYYY-MM-DD\"") +
                  ": " + s);
  TEventRec r{};
  ResetEvent(r);
  r.Year = static_cast<std::uint16_t>(y);
  r.Month = static_cast<std::uint8_t>(mo);
  r.Day = static_cast<std::uint8_t>(d);
  r.Hour = static_cast<std::uint8_t>(h);
  r.Minute = static_cast<std::uint8_t>(mi);
  return r;
}

std::string MomentText(const TEventRec& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d", t.Year, t.Month, t.Day, t.Hour,
                t.Minute);
  return buf;
}

void Print(const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
}

struct Session {
  explicit Session(const Options& o)
      : os(o.edition), app(std::make_unique<AppCore>(o.edition, os)) {}
  ConsoleSeam os;
  std::unique_ptr<AppCore> app;

  // Reads WORK, which must exist (unless mayBeMissing) and hold a whole record.
  void Load(const std::string& path, bool mayBeMissing = false) {
    app->Paths.WorkFile = path;
    int closeCode = 0;
    switch (ReadExactFile(os, path, &app->Work, sizeof(TWorkRecord), closeCode)) {
      case ReadOutcome::Ok: return;
      case ReadOutcome::Missing:
        if (mayBeMissing && os.FileStamp(path) == -1) {
          app->Work = TWorkRecord{};
          return;
        }
        throw Failure("cannot read " + path);
      case ReadOutcome::BadSize:
        throw Failure(path + " is not a work file (" + std::to_string(sizeof(TWorkRecord)) +
                      " bytes)");
    }
  }
  void Save() {
    if (SaveWork(*app)) throw Failure("cannot write " + app->Paths.WorkFile);
  }
};

const char* FormName(FireForm f) {
  switch (f) {
    case FireForm::CatchUp: return "catchup";
    case FireForm::Eve: return "eve";
    case FireForm::Midnight: return "midnight";
    case FireForm::Scan: return "scan";
  }
  return "?";
}

int CmdDue(const Options& o) {
  Expect(o, 2, {"--catch-up", "--eve"});
  Session s(o);
  TEventRec probe = MakeProbe(ParseMoment(o.positional[1], true));
  s.Load(o.positional[0]);
  const bool catchUp = o.flags.count("--catch-up") > 0, eve = o.flags.count("--eve") > 0;
  for (int n = 1; n <= kSlotCount; ++n)
    if (IsDue(o.edition, SlotRec(*s.app, n), probe, catchUp, eve)) Print(std::to_string(n));
  return 0;
}

int CmdToday(const Options& o) {
  Expect(o, 2, {});
  Session s(o);
  TEventRec day = ParseMoment(o.positional[1], false);
  s.Load(o.positional[0]);
  s.app->CurrentTime = day;
  CountDueToday(*s.app);
  Print(std::to_string(s.app->EventsToday));
  return 0;
}

int CmdRun(const Options& o) {
  Expect(o, 3, {"--twelve-hour", "--save"});
  Session s(o);
  TEventRec from = ParseMoment(o.positional[1], true), to = ParseMoment(o.positional[2], true);
  if (MomentBefore(to, from)) throw Failure("FROM is later than TO");
  s.Load(o.positional[0]);
  AppCore& app = *s.app;
  app.Tuning.TwelveHour = BoolByte(o.flags.count("--twelve-hour") > 0);
  s.os.OnFire = [&](int slot, const TEventRec&, FireForm form) {
    Print(MomentText(app.CurrentTime) + " " + std::to_string(slot) + " " + FormName(form));
  };
  app.CurrentTime = from;
  StartupPass(app);
  for (TEventRec t = from;; AddMinute(t)) {
    app.CurrentTime = t;
    if (t.Hour == 0 && t.Minute == 0) MidnightPass(app);
    MinuteScan(app);
    if (SameMoment(t, to)) break;
  }
  if (o.flags.count("--save")) s.Save();
  return 0;
}

int CmdExport(const Options& o) {
  Expect(o, 1, {});
  Session s(o);
  s.Load(o.positional[0]);
  for (const TEventRec& e : s.app->Work.Events) {
    if (e.Slot == 0) continue;
    std::string line = EventToLine(e) + "\r\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
  }
  return 0;
}

int CmdImport(const Options& o) {
  Expect(o, 2, {"--replace"});
  Session s(o);
  s.Load(o.positional[0], true);
  ExchangeReport rep;
  RunExchange(*s.app, o.positional[1], false, o.flags.count("--replace") > 0, &rep);
  if (rep.NotOpened) throw Failure("cannot open " + o.positional[1]);
  if (rep.ReadError) throw Failure("read error in " + o.positional[1]);
  for (int line : rep.RejectedLines)
    std::fprintf(stderr, "vellctl: %s: line %d rejected\n", o.positional[1].c_str(), line);
  s.Save();
  return rep.Failed ? 1 : 0;
}

int CmdClock(const Options& o) {
  Expect(o, 2, {"--twelve-hour"});
  Session s(o);
  s.app->CurrentTime = ParseMoment(o.positional[1], true);
  s.app->EventsToday = o.events;
  s.app->Tuning.TwelveHour = BoolByte(o.flags.count("--twelve-hour") > 0);
  Print(ToUtf8(o.edition, FormatClock(*s.app, FromUtf8(o.edition, o.positional[0]))));
  return 0;
}

int CmdHistory(const Options& o) {
  Expect(o, 1, {});
  Session s(o);
  s.Load(o.positional[0]);
  for (const auto& line : s.app->Work.ReminderLog)
    if (line.Size() > 0) Print(ToUtf8(o.edition, line.View()));
  return 0;
}

// Pads a UTF-8 text with spaces to a width in characters.
std::string Pad(const std::string& utf8, size_t width) {
  size_t chars = 0;
  for (unsigned char c : utf8) chars += (c & 0xC0) != 0x80;
  return chars >= width ? utf8 + " " : utf8 + std::string(width - chars, ' ');
}

int CmdList(const Options& o) {
  Expect(o, 1, {});
  Session s(o);
  s.Load(o.positional[0]);
  const Texts& t = TextsOf(o.edition);
  auto u = [&](const std::string& b) { return ToUtf8(o.edition, b); };
  Print(Pad("slot", 6) + Pad("date and time", 18) + Pad("period", 14) + Pad("cycle", 7) +
        Pad("action", 22) + Pad("flags", 7) + "message");
  for (int n = 1; n <= kSlotCount; ++n) {
    const TEventRec& e = SlotRec(*s.app, n);
    if (e.Slot == 0) continue;
    std::string action = e.Action <= 9 ? "melody " + std::to_string(e.Action)
                                       : u(NameOrNumber(t.ActionNames, long(e.Action) - 10));
    if (e.Action > 16) action = std::to_string(e.Action);
    if (e.Action == kActionVoice || e.Action == kActionBatch)
      action += " " + u(e.FileName.Get());
    std::string flags;
    flags += e.DeleteAfterUse ? 'D' : '-';
    flags += e.RealTime ? 'R' : '-';
    flags += e.Disabled ? 'X' : '-';
    flags += e.ShowMessage ? 'S' : '-';
    flags += e.Influence ? 'I' : '-';
    char when[32];
    std::snprintf(when, sizeof when, "%04u-%02u-%02u %02u:%02u", unsigned(e.Year),
                  unsigned(e.Month), unsigned(e.Day), unsigned(e.Hour), unsigned(e.Minute));
    Print(Pad(std::to_string(n), 6) + Pad(when, 18) + Pad(u(NameOrNumber(t.PeriodNames, e.Period)), 14) +
          Pad(std::to_string(e.Cycle), 7) + Pad(action, 22) + Pad(flags, 7) + u(e.Message.Get()));
  }
  return 0;
}

}  // namespace

int RunVellctl(const std::vector<std::string>& args) {
  try {
    Options o = Parse(args);
    if (o.command == "due") return CmdDue(o);
    if (o.command == "today") return CmdToday(o);
    if (o.command == "run") return CmdRun(o);
    if (o.command == "export") return CmdExport(o);
    if (o.command == "import") return CmdImport(o);
    if (o.command == "clock") return CmdClock(o);
    if (o.command == "history") return CmdHistory(o);
    if (o.command == "list") return CmdList(o);
    if (o.command == "help" || o.command == "--help") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    throw Failure("unknown command: " + o.command);
  } catch (const Failure& f) {
    std::fprintf(stderr, "vellctl: %s\n%s", f.what(), kUsage);
    return 2;
  }
}

}  // namespace zel
