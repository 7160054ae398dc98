#include "notebook/birthday_event.h"

#include <string>

#include "core/app_core.h"
#include "core/codepage.h"
#include "core/texts.h"
#include "events/calendar.h"
#include "toolkit/text_utils.h"

namespace zel {
namespace {

const char kDateMessageRu[] =
    "Ошибка распознавания даты\n\nДата должна быть в формате:\n\nГОД(4 цифры) разделитель\n"
    "МЕСЯЦ(2 цифры) разделитель\nЧИСЛО(2 цифры)\n\nНапример :\n\n"
    "1980/12/31 или 1920;02;29 или 2003.08.01 ...";
const char kDateMessageEn[] =
    "Error of recognition of date\n\nDate must be in format:\n\nYEAR(4 digits) separator\n"
    "MONTH(2 digits) separator\nDAY(2 digits)\n\nFor example :\n\n"
    "1980/12/31 or 1920;02;29 or 2003.08.01 ...";

}  // namespace

std::optional<TEventRec> BirthdayEventOf(Edition edition, const TPeopleRecord& person) {
  const std::string& date = person.Fields[kPersonBirthday];
  if (date.size() < 10) return std::nullopt;
  TEventRec e{};
  ResetEvent(e);
  const std::string_view d(date);
  if (SetDate(e, TextToIntOr(d.substr(0, 4), -1), TextToIntOr(d.substr(5, 2), -1),
              TextToIntOr(d.substr(8, 2), -1)))
    return std::nullopt;
  e.Period = kPeriodJubilee;
  e.DeleteAfterUse = 0;
  e.ShowMessage = kTrue;
  const std::string& shown = person.Fields[kPersonDisplayAs];
  const std::string name = !shown.empty() ? shown
                                          : person.Fields[kPersonName] + " " +
                                                person.Fields[kPersonSurname];
  const std::string prefix =
      FromUtf8(edition, edition == Edition::Russian ? "День Рождения у: " : "Birth Day: ");
  e.Message.Set(prefix + name);  // cut to the message's 100 characters
  return e;
}

std::optional<TEventRec> MakeBirthdayEvent(AppCore& app, const TPeopleRecord& person,
                                           WindowRef owner) {
  std::optional<TEventRec> e = BirthdayEventOf(app.Edition, person);
  if (!e) {
    app.Os.ShowMessage(owner,
                       FromUtf8(app.Edition,
                                app.Edition == Edition::Russian ? kDateMessageRu : kDateMessageEn),
                       TextsOf(app.Edition).AppCaption, kMbIconError);
  }
  return e;
}

}  // namespace zel
