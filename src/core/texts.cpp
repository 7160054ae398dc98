#include "core/texts.h"

#include "core/codepage.h"

namespace zel {
namespace {

// Both tables are written here in UTF-8 and converted to the edition's page
// once, the first time they are asked for.

Texts RussianSource() {
  Texts t;
  t.AppCaption = "Zelmora";
  t.FileErrorPrefix = "Error work in file: ";
  t.NoYesTexts = {"Нет", "Да"};
  t.CancelOkTexts = {"Отмена", "OK"};
  t.MonthNames = {"Январь", "Февраль", "Март",     "Апрель",  "Май",    "Июнь",
                  "Июль",   "Август",  "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};
  t.WeekLetters = {"пвсчпсв", "впвсчпс"};
  t.DayNames = {"Понедельник", "Вторник",  "Среда",      "Четверг",
                "Пятница",     "Суббота", "Воскресенье"};
  t.EventsLabel = "Событий:";
  t.PeriodNames = {"Однократно", "Ежечасно",  "Ежедневно", "Дни недели",
                   "Число месяца", "По чётным", "По нечётным", "Ежегодно",
                   "Юбилеи",     "Период дни", "Период часы"};
  t.ActionNames = {"Стандартный бип",      "Без действия",        "Запустить Audio-CD", "Голос",
                   "Запустить *.BAT файл", "Комп. перезагрузить", "Комп. выключить"};
  t.CategoryNames = {"Без категории", "Связь",   "Встреча", "Любовь",  "Развлеченье", "Дело",
                     "Спорт",         "Финансы", "Другое1", "Другое2", "Другое3"};
  t.EditorMenuNames = {"Вид", "Правка", "Файл", "Помощь", "Выход"};
  t.EditorFilterNames = {"Все",         "По периоду", "По действию", "По категории",
                         "По флажкам", "Сегодня",    "Завтра"};
  t.EditorEditNames = {"Добавить", "Удалить", "Выделить все"};
  t.EditorFileNames = {"Экспортировать всё", "Экспортировать выделенное",
                       "Импортировать вместо", "Присоединить", "Информация"};
  t.EditorFlagNames = {"Удалить", "Выключить", "Только сейчас", "Повлияет на мои планы",
                       "Показать сообщение"};
  t.EventDialogCaption = "Событие";
  t.EditorColumnNames = {"Сообщение", "Дата",      "Периодичность", "Цикл",
                         "Длительность", "Категория", "Действие",     "Имя файла",
                         "Удалить",   "Выключить", "Только сейчас", "Повлияет на мои планы",
                         "Показать сообщение"};
  t.LimitMessage =
      "Количество событий превысило предел\nнужно удалить лишние или устаревшие: ";
  t.OutdatedQuestion = "Устаревшие дата\\время\nВсё равно продолжить ?";
  t.CdPlayerError = "Ошибка запуска CD плэера [cdplayer.exe]";
  t.ExitQuestion = "Действительно выйти ?";
  t.LookHereText = "Смотри сюда !!! ";
  t.EditorCaption = "Редактор событий";
  t.DeleteEventsQuestion = "Действительно удалить события ? \nКоличество : ";
  t.FlashCaption = "Молния";
  t.FlashAccumulateText = "Накапливать >>";
  t.FileExistsQuestion =
      "Файл с этим именем уже существует\r\n\r\nПерезаписать его ?\r\n\r\nДа - перезаписать"
      "\r\n\r\nНет - дописать к существующиму\r\n";
  t.ShutdownWarning = "ВНИМАНИЕ ! Сейчас компьютер будет ВЫКЛЮЧЕН !";
  t.RebootWarning = "ВНИМАНИЕ ! Сейчас компьютер будет ПЕРЕЗАГРУЖЕН !";
  t.SettingsPages = {"О программе", "Установка и удаление",     "Музыка",  "Звук",
                     "Выключение и перезагрузка", "Горячие клавиши", "Значки", "Разное"};
  t.HotkeyCommandNames = {"Добавить будильник",        "Выключить звук",
                          "Выключить действия",        "Редактор - все события",
                          "Редактор - события сегодня", "Молния",
                          "Открыть записную книжку",   "Добавить человека",
                          "Добавить организацию",      "Настройки"};
  t.NotebookFilterNames = {"Все семьи людей", "Все группы людей", "Все полы людей",
                           "Все группы организаций"};
  t.NotebookMenuNames = {"Вид", "Правка", "Файлы", "Помощь", "Выход"};
  t.NotebookViewNames = {"Крупные значки", "Мелкие значки", "Список", "Таблица"};
  t.NotebookEditNames = {"Добавить человека", "Добавить организацию", "Выделить всё",
                         "Удалить",           "Посетить сайт",        "Написать письмо"};
  t.NotebookFileNames = {"Заменить файлом", "Присоединить файл", "Сохранить как",
                         "Сохранить выделенное", "Информация"};
  t.PersonFieldNames = {"Отображать как", "Имя", "Фамилия", "Отчество", "Кличка", "Адрес",
                        "Город", "Регион", "Страна", "Ключ. слова", "Адрес работы",
                        "Город работы", "Регион работы", "Телефон домашний",
                        "Телефон сотовый", "Пейджер", "Факс", "Телефон работы",
                        "Название организации", "Должность", "Комната (Цех...)",
                        "Отдел (Участок...)", "Сайт", "E-Mail", "ICQ", "Fido", "Семья1",
                        "Семья2", "Перфикс имени", "Суффикс имени", "Пол", "Группа1",
                        "Группа2", "День Рождения", "Почт. индекс", "Доп. информация"};
  t.OrgFieldNames = {"Название", "Адрес", "Город", "Регион", "Страна", "Почт. индекс",
                     "Телефон1", "Телефон2", "Факс", "Ключ. слова", "Сайт", "E-Mail",
                     "Счёт", "Дополнительно", "Режим работы", "Группа1", "Группа2",
                     "Доп. информация1", "Доп. информация2"};
  t.ChooseCategoryText = "< Выбери категорию";
  t.AmPmMarks = {"у", "в"};
  t.DefaultClockFormat = "%h0:%m2-%y2/%n2:%N3/%d0-%w2[%c0]";
  t.JubileeEvePrefix = "Завтра Юбилей: ";
  t.NotAllImported = "Не все строки были импортированы";
  return t;
}

Texts EnglishSource() {
  Texts t;
  t.AppCaption = "Zelmora";
  t.FileErrorPrefix = "Error work in file: ";
  t.NoYesTexts = {"No", "Yes"};
  t.CancelOkTexts = {"Cancel", "OK"};
  t.MonthNames = {"January", "February", "March",     "April",   "May",      "June",
                  "July",    "August",   "September", "October", "November", "December"};
  t.WeekLetters = {"mtwtfss", "smtwtfs"};
  t.DayNames = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
  t.EventsLabel = "Events:";
  t.PeriodNames = {"One-shot", "Hourly",   "Daily",    "Weekdays",    "Number of month",
                   "On even",  "On uneven", "Annually", "Jubilee", "Period days",
                   "Period hours"};
  // One English entry keeps a Russian word; it is held in the Russian page's
  // bytes, as the English edition has always stored it.
  t.ActionNames = {"Standard beep", "No action",       "Run Audio-CD", "Voice",
                   "",              "Computer reboot", "Computer off"};
  t.CategoryNames = {"No category", "Connection", "Meeting", "Love",   "Joy",   "Business",
                     "Sport",       "Finance",    "Hobby",   "Other1", "Other2"};
  t.EditorMenuNames = {"View", "Edit", "File", "Help", "Exit"};
  t.EditorFilterNames = {"All",      "On period", "On action", "On categories",
                         "On flags", "Today",     "Tomorrow"};
  t.EditorEditNames = {"Add", "Delete", "Select all"};
  t.EditorFileNames = {"Export all", "Export selected", "Import instead of", "Join",
                       "Information"};
  t.EditorFlagNames = {"Delete", "Disable", "Real time only", "Influence on my plans",
                       "Show message"};
  t.EventDialogCaption = "Event";
  t.EditorColumnNames = {"Message",  "Date",     "Periodicity",    "Cycle",
                         "Duration", "Category", "Action",         "Filename",
                         "Delete",   "Disable",  "Real time only", "Influence on my plans",
                         "Show message"};
  t.LimitMessage = "Number of events too big\nit is necessary to delete spare or outdated: ";
  t.OutdatedQuestion = "Outdated date\\time\nDon't care continue ?";
  t.CdPlayerError = "Error run CD player [cdplayer.exe]";
  t.ExitQuestion = "Really exit ?";
  t.LookHereText = "See here !!! ";
  t.EditorCaption = "Events editor";
  t.DeleteEventsQuestion = "Really delete events ? \nNumber of events : ";
  t.FlashCaption = "Flash";
  t.ShutdownWarning = "ATTENTION ! Presently computer will TURN OFF !";
  t.RebootWarning = "ATTENTION ! Presently computer will REBOOT !";
  t.SettingsPages = {"About program", "Installation", "Music", "Sound",
                     "Shutdown and rebooting", "Hot keys", "Icons library", "Other"};
  t.HotkeyCommandNames = {"Add event", "Off sounds", "Off actions", "Editor - all actions",
                          "Editor - events today", "Flash", "Notebook", "Add people",
                          "Add organization", "Options"};
  t.NotebookFilterNames = {"All families of people", "All groups of people",
                           "All sex of people", "All groups of organizations"};
  t.NotebookMenuNames = {"View", "Edit", "Files", "Help", "Exit"};
  t.NotebookViewNames = {"Large icons", "Small icons", "List", "Table"};
  t.NotebookEditNames = {"Add people", "Add organization", "Select all",
                         "Delete",     "Visit to site",    "Write mail"};
  t.NotebookFileNames = {"Change file", "Join file", "Save as", "Save selected", "Information"};
  t.PersonFieldNames = {"Display as", "Name", "Surname", "Patronymic name", "Nick", "Address",
                        "City", "Region", "Country", "Key words", "Address of work",
                        "City of work", "Region of work", "Home telephone",
                        "Mobile telephone", "Pager", "Fax", "Telephone of work",
                        "Organization name", "Job title", "Room (office, shop...)",
                        "Division (Area...)", "Site", "E-Mail", "ICQ", "Fido", "Family1",
                        "Family2", "Perfix of name", "Suffix of name", "Sex", "Group1",
                        "Group2", "Birth Day", "ZIP", "Other info"};
  t.OrgFieldNames = {"Name", "Address", "City", "Region", "Country", "ZIP", "Telephone1",
                     "Telephone2", "Fax", "Key words", "Site", "E-Mail", "Account", "Other",
                     "Time of working", "Group1", "Group2", "Other info 1", "Other info 2"};
  t.AmPmMarks = {"a", "p"};
  t.JubileeEvePrefix = "Tomorrow Jubilee: ";
  t.NotAllImported = "Not all strings there were are imported";
  return t;
}

template <typename F>
void ForEachText(Texts& t, F&& f) {
  auto all = [&](auto& arr) {
    for (auto& s : arr) f(s);
  };
  f(t.AppCaption); f(t.FileErrorPrefix);
  all(t.NoYesTexts); all(t.CancelOkTexts); all(t.MonthNames); all(t.WeekLetters);
  all(t.DayNames); f(t.EventsLabel); all(t.PeriodNames); all(t.ActionNames);
  all(t.CategoryNames); all(t.EditorMenuNames); all(t.EditorFilterNames);
  all(t.EditorEditNames); all(t.EditorFileNames); all(t.EditorFlagNames);
  f(t.EventDialogCaption); all(t.EditorColumnNames); f(t.LimitMessage);
  f(t.OutdatedQuestion); f(t.CdPlayerError); f(t.ExitQuestion); f(t.LookHereText);
  f(t.EditorCaption); f(t.DeleteEventsQuestion); f(t.FlashCaption);
  f(t.FlashAccumulateText); f(t.FileExistsQuestion); f(t.ShutdownWarning);
  f(t.RebootWarning); all(t.SettingsPages); all(t.HotkeyCommandNames);
  all(t.NotebookFilterNames); all(t.NotebookMenuNames); all(t.NotebookViewNames);
  all(t.NotebookEditNames); all(t.NotebookFileNames); all(t.PersonFieldNames);
  all(t.OrgFieldNames); f(t.ChooseCategoryText); all(t.AmPmMarks);
  f(t.DefaultClockFormat); f(t.JubileeEvePrefix); f(t.NotAllImported);
}

Texts Build(Edition edition) {
  Texts t = edition == Edition::Russian ? RussianSource() : EnglishSource();
  ForEachText(t, [&](std::string& s) { s = FromUtf8(edition, s); });
  if (edition == Edition::English) t.ActionNames[4] = "Run *.BAT " + Utf8ToCp1251("файл");
  return t;
}

}  // namespace

const Texts& TextsOf(Edition edition) {
  static const Texts russian = Build(Edition::Russian);
  static const Texts english = Build(Edition::English);
  return edition == Edition::Russian ? russian : english;
}

}  // namespace zel
