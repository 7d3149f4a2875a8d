// The about box: author, the game's keys and the test-version note.
#include <windows.h>

#include "actions/actions.h"
#include "texts.h"

void ShowAbout() { MessageBoxA(nullptr, kTexts.aboutBoxText, kTexts.aboutBoxCaption, MB_OK | MB_TASKMODAL); }
