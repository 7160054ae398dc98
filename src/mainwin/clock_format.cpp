#include "mainwin/clock_format.h"

#include "core/app_core.h"
#include "core/texts.h"
#include "core/whole_file.h"
#include "events/calendar.h"

namespace zel {

void LoadClockFormat(AppCore& app) {
  std::string bytes;
  if (!ReadFileBytes(app.Os, app.Paths.ClockFormatFile, bytes)) {
    app.ClockFormat = std::string(kDefaultClockFormat);
    return;
  }
  size_t end = bytes.find_first_of("\r\n");
  app.ClockFormat = bytes.substr(0, end);
}

bool SaveClockFormat(AppCore& app, std::string_view text) {
  const SaveSteps steps{"[ReWrite Fmt File]", "[Write Fmt File]", "[Close Fmt File]", true};
  return SaveWholeFile(app, app.Paths.ClockFormatFile, text, steps);
}

std::string ClockHourText(const AppCore& app, int hour) {
  if (app.TwelveHour()) {
    if (hour == 0 || hour == 12) return "12";
    if (hour > 12) return std::to_string(hour - 12);
  }
  return std::to_string(hour);
}

namespace {
std::string FirstChars(const std::string& name, int width) {
  return width == 0 ? name : name.substr(0, static_cast<size_t>(width));
}
}  // namespace

std::string FormatClock(const AppCore& app, std::string_view f) {
  const Texts& t = TextsOf(app.Edition);
  const TEventRec& now = app.CurrentTime;
  std::string out;
  size_t i = 0;
  while (i < f.size()) {
    if (f[i] != '%') {
      out.push_back(f[i++]);
      continue;
    }
    if (f.size() - i < 3) break;
    const char code = f[i + 1], wch = f[i + 2];
    if (wch < '0' || wch > '9') break;
    const int w = wch - '0';
    switch (code) {
      case 'h': {
        std::string h = ClockHourText(app, now.Hour);
        out += (w == 2 && h.size() == 1) ? "0" + h : h;
        break;
      }
      case 'm':
        if (w == 0) out += std::to_string(now.Minute);
        else if (w == 2) out += TwoDigits(now.Minute);
        break;
      case 'd':
        if (w == 0) out += std::to_string(now.Day);
        else if (w == 2) out += TwoDigits(now.Day);
        break;
      case 'n':
        if (w == 0) out += std::to_string(now.Month);
        else if (w == 2) out += TwoDigits(now.Month);
        break;
      case 'y':
        if (w == 1) out += std::to_string(now.Year % 10);
        else if (w == 2) out += TwoDigits(now.Year % 100);
        else if (w == 4) out += std::to_string(now.Year);
        break;
      case 'N': out += FirstChars(NameOrNumber(t.MonthNames, long(now.Month) - 1), w); break;
      case 'w': out += FirstChars(NameOrNumber(t.DayNames, long(Weekday(now)) - 1), w); break;
      case 'a': out += now.Hour <= 12 ? t.AmPmMarks[0] : t.AmPmMarks[1]; break;
      case 'c':
        if (w == 0) out += std::to_string(app.EventsToday);
        break;
      default:
        // Not a code: the "%" disappears and the letter is plain text.
        ++i;
        continue;
    }
    i += 3;
  }
  return out;
}

}  // namespace zel
