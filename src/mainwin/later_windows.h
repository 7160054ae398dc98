// Open-or-raise operations of the windows that come with their own work
// (event dialog, event editor, quick notes, settings, address book). Until
// then they do nothing.
#pragma once

namespace zel {

void OpenEventDialog(int slot);
void OpenEventEditor(int mode);
void OpenFlash();
void OpenSettings();
void OpenNotebook(int page);

}  // namespace zel
