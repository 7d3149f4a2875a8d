// Every literal text of the launcher, in one read-only object whose bounds are the
// constant area that the allocator never frees. Bytes are code page 936.
#pragma once

struct LauncherTexts {
    // The window and its class.
    char caption[26];
    char windowClass[24];
    char buttonClass[7];
    // Button names and captions, in button-list order.
    char aboutName[6];
    char aboutCaption[5];
    char repairName[6];
    char repairCaption[19];
    char loadName[6];
    char loadCaption[9];
    // The fatal-error box.
    char errorCaption[5];
    char fatalHeading[16];
    char codeLabel[11];
    char messageLabel[11];
    char decimalFormat[3];
    char lineEnd[3];
    char paragraphEnd[5];
    char windowFailed[17];
    char allocationFailed[24];
    // Paths in the run directory.
    char playerName[10];
    char separator[2];
    char game[5];
    char iniExtension[5];
    char quote[2];
    // The engine entries that the repair writes into section "Game".
    char libraryKey[8];
    char libraryValue[13];
    char scriptsKey[8];
    char scriptsValue[20];
    char titleKey[6];
    char titleValue[16];
    char rtp1Key[5];
    char rtp2Key[5];
    char rtp3Key[5];
    char emptyValue[1];
    // The about box.
    char aboutBoxCaption[9];
    char aboutBoxText[167];
    // The box shown when the game cannot be started.
    char startFailedCaption[13];
    char startFailedIntro[17];
    char startFailedReason[11];
    // Built-in resources.
    char backgroundResource[11];
    char iconResource[13];
};

extern const LauncherTexts kTexts;
