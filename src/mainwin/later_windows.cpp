#include "mainwin/later_windows.h"

namespace zel {

void OpenEventDialog(int) {}
void OpenEventEditor(int) {}
void OpenFlash() {}
void OpenSettings() {}
void OpenNotebook(int) {}

}  // namespace zel
