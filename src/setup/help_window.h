// The help window MyHelpWindow: the titles of one topic file of help\ and
// the text of the chosen title.
#pragma once

#include <string>
#include <vector>

namespace zel {

// Topic files by number: 0 w_setup, 1 w_dal, 2 w_eedit, 3 w_meswin, 4 w_noteb,
// 5 w_pdlg, 6 w_odlg, 7 w_flash. Opens the window (or raises the open one)
// and shows that file's titles. Other numbers show nothing new.
void OpenHelp(int topic);

// The topic file format: lines starting with "=" are titles, the non-empty
// lines after one are its text. Code-page lines in, as read.
std::vector<std::string> HelpTitles(const std::vector<std::string>& lines);
// The text of every occurrence of `title`, each line ending in CR LF.
std::string HelpTopicText(const std::vector<std::string>& lines, const std::string& title);

}  // namespace zel
