// The clock bar's text: a user-editable format of three-character codes for
// the parts of the current date and time and today's event count.
#pragma once

#include <string>
#include <string_view>

namespace zel {

struct AppCore;

inline constexpr std::string_view kDefaultClockFormat = "%h0:%m2-%y2/%n2:%N3/%d0-%w2[%c0]";

// Reads the first line of the format file into ClockFormat, or the default
// format when the file is missing or unreadable.
void LoadClockFormat(AppCore& app);
// Writes the format file in one step (no line end); failures are reported.
// True on failure.
bool SaveClockFormat(AppCore& app, std::string_view text);

// The expansion of a format at CurrentTime with EventsToday.
std::string FormatClock(const AppCore& app, std::string_view format);
// The hour in 12- or 24-hour form, without padding.
std::string ClockHourText(const AppCore& app, int hour);

}  // namespace zel
