// Every literal text of the launcher, pinned byte for byte in code page 936, so a
// toolchain or editor change cannot alter a caption unseen.
#include <gtest/gtest.h>

#include <string>

#include "runtime/text.h"
#include "texts.h"

namespace {

std::string Hex(const char* text) {
    std::string out;
    char byte[4];
    for (const char* p = text; *p != '\0'; ++p) {
        snprintf(byte, sizeof byte, out.empty() ? "%02X" : " %02X", static_cast<unsigned char>(*p));
        out += byte;
    }
    return out;
}

TEST(Texts, EveryLiteralHasItsExactBytes) {
    struct Pinned {
        const char* name;
        const char* text;
        int length;
        const char* hex;
    } pinned[] = {
        {"caption", kTexts.caption, 25,
         "52 50 47 E1 B0 F4 E1 B5 C7 C2 BD C6 F7 A1 AA B2 E2 CA D4 76 31 2E 30 B0 E6"},
        {"aboutCaption", kTexts.aboutCaption, 4,
         "B9 D8 D3 DA"},
        {"repairCaption", kTexts.repairCaption, 18,
         "D3 CE CF B7 D0 DE B8 B4 A3 A8 B4 F2 B2 BB BF AA A3 A9"},
        {"loadCaption", kTexts.loadCaption, 8,
         "D4 D8 C8 EB D3 CE CF B7"},
        {"aboutName", kTexts.aboutName, 5,
         "B0 B4 C5 A5 33"},
        {"repairName", kTexts.repairName, 5,
         "B0 B4 C5 A5 32"},
        {"loadName", kTexts.loadName, 5,
         "B0 B4 C5 A5 31"},
        {"errorCaption", kTexts.errorCaption, 4,
         "B4 ED CE F3"},
        {"fatalHeading", kTexts.fatalHeading, 15,
         "D4 CB D0 D0 CA B1 B3 F6 B4 ED 21 0D 0A 0D 0A"},
        {"codeLabel", kTexts.codeLabel, 10,
         "B4 ED CE F3 B4 FA C2 EB A3 BA"},
        {"messageLabel", kTexts.messageLabel, 10,
         "B4 ED CE F3 D0 C5 CF A2 A3 BA"},
        {"windowFailed", kTexts.windowFailed, 16,
         "D4 D8 C8 EB C6 F4 B6 AF B4 B0 BF DA CA A7 B0 DC"},
        {"allocationFailed", kTexts.allocationFailed, 21,
         "B7 D6 C5 E4 20 25 64 20 D7 D6 BD DA C4 DA B4 E6 CA A7 B0 DC 21"},
        {"playerName", kTexts.playerName, 9,
         "5C 47 61 6D 65 2E 65 78 65"},
        {"separator", kTexts.separator, 1,
         "5C"},
        {"game", kTexts.game, 4,
         "47 61 6D 65"},
        {"iniExtension", kTexts.iniExtension, 4,
         "2E 69 6E 69"},
        {"libraryKey", kTexts.libraryKey, 7,
         "4C 69 62 72 61 72 79"},
        {"libraryValue", kTexts.libraryValue, 12,
         "52 47 53 53 31 30 33 4A 2E 64 6C 6C"},
        {"scriptsKey", kTexts.scriptsKey, 7,
         "53 63 72 69 70 74 73"},
        {"scriptsValue", kTexts.scriptsValue, 19,
         "44 61 74 61 5C 53 63 72 69 70 74 73 2E 72 78 64 61 74 61"},
        {"titleKey", kTexts.titleKey, 5,
         "54 69 74 6C 65"},
        {"titleValue", kTexts.titleValue, 13,
         "E1 B0 F4 E1 52 50 47 CC D8 B1 F0 C6 AA"},
        {"rtp1Key", kTexts.rtp1Key, 4,
         "52 54 50 31"},
        {"rtp2Key", kTexts.rtp2Key, 4,
         "52 54 50 32"},
        {"rtp3Key", kTexts.rtp3Key, 4,
         "52 54 50 33"},
        {"aboutBoxCaption", kTexts.aboutBoxCaption, 8,
         "B9 D8 D3 DA B3 CC D0 F2"},
        {"aboutBoxText", kTexts.aboutBoxText, 166,
         "B1 BE B3 CC D0 F2 D3 C9 C4 AB BF C2 B3 AC CE DE C1 C4 A3 AC B4 B4 BD A8 A1 A3 0D 0A "
         "C9 CF CF C2 D7 F3 D3 D2 B7 D6 B1 F0 CE AA D0 A1 CA FD BC FC C5 CC A1 FC A1 FD A1 FB "
         "A1 FA 20 20 20 45 6E 74 65 72 BB D8 B3 B5 BC FC CE AA 20 C8 B7 B6 A8 0D 0A B1 BE B0 "
         "E6 B1 BE CE AA B2 E2 CA D4 76 30 2E 32 B0 E6 D6 BB B2 E2 CA D4 C8 CB CE EF A3 AC BC "
         "BC C4 DC A3 AC B9 A5 BB F7 20 E1 B0 F4 E1 B8 C4 BE E7 C7 E9 0D 0A D3 A2 D3 EF 20 58 "
         "20 CE AA B2 CB B5 A5 BB F2 D5 DF 20 CA FD D7 D6 30 20 D2 B2 CA C7 B2 CB B5 A5"},
        {"startFailedCaption", kTexts.startFailedCaption, 12,
         "D4 D8 C8 EB D3 CE CF B7 CA A7 B0 DC"},
        {"startFailedIntro", kTexts.startFailedIntro, 16,
         "CE DE B7 A8 C6 F4 B6 AF D3 CE CF B7 A3 BA 0D 0A"},
        {"startFailedReason", kTexts.startFailedReason, 10,
         "0D 0A 0D 0A D4 AD D2 F2 A3 BA"},
    };
    for (const Pinned& p : pinned) {
        EXPECT_EQ(TextLength(p.text), p.length) << p.name;
        EXPECT_EQ(Hex(p.text), p.hex) << p.name;
    }
}

TEST(Texts, RepairValuesMakeTheEngineLines) {
    // The six lines the repair leaves in section "Game", as key=value.
    EXPECT_STREQ(kTexts.emptyValue, "");
    EXPECT_STREQ(kTexts.libraryValue, "RGSS103J.dll");
    EXPECT_STREQ(kTexts.scriptsValue, "Data\\Scripts.rxdata");
}

}  // namespace
