// Game repair: put the engine entries of section "Game" of Game.ini right.
#include <windows.h>

#include "actions/actions.h"
#include "runtime/run_directory.h"
#include "runtime/text.h"
#include "texts.h"

namespace {

struct EngineEntry {
    const char* key;
    const char* value;
};

// Written key by key, so each existing entry is replaced where it stands and a repair
// never adds a key twice, however often it runs.
const EngineEntry kEngineEntries[] = {
    {kTexts.libraryKey, kTexts.libraryValue}, {kTexts.scriptsKey, kTexts.scriptsValue},
    {kTexts.titleKey, kTexts.titleValue},     {kTexts.rtp1Key, kTexts.emptyValue},
    {kTexts.rtp2Key, kTexts.emptyValue},      {kTexts.rtp3Key, kTexts.emptyValue},
};

}  // namespace

void RepairGame() {
    char* runDirectory = GetRunDirectory();
    char* settingsPath = JoinTexts(4, runDirectory, kTexts.separator, kTexts.game, kTexts.iniExtension);
    if (runDirectory != nullptr) FreeBlock(runDirectory);
    // A failed write (the file held by another program, a folder that cannot be written)
    // leaves the file as it was; the player can simply try again.
    for (const EngineEntry& entry : kEngineEntries) {
        if (!WritePrivateProfileStringA(kTexts.game, entry.key, entry.value, settingsPath)) break;
    }
    FreeBlock(settingsPath);
}
