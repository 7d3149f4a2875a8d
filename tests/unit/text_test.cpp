// Text values and memory blocks.
#include <gtest/gtest.h>

#include <cstring>

#include "runtime/text.h"
#include "test_heap.h"
#include "texts.h"

namespace {

const bool heapReady = UseProcessHeap();

struct Block {
    char* text;
    explicit Block(char* t) : text(t) {}
    ~Block() { FreeBlock(text); }
};

TEST(TextLength, CountsBytesNotCharacters) {
    EXPECT_EQ(TextLength(nullptr), 0);
    EXPECT_EQ(TextLength(""), 0);
    EXPECT_EQ(TextLength("Game"), 4);
    EXPECT_EQ(TextLength("关于"), 4);  // two double-byte characters
    EXPECT_EQ(TextLength("ab\0cd"), 2);
}

TEST(JoinTexts, JoinsInOrderIntoAnExactBlock) {
    Block joined(JoinTexts(2, "D:\\Games\\Demo", "\\Game.exe"));
    EXPECT_STREQ(joined.text, "D:\\Games\\Demo\\Game.exe");
    // 22 characters and the NUL: the block is exactly that large.
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, joined.text), 23u);
}

TEST(JoinTexts, NullPartsCountAsEmpty) {
    Block path(JoinTexts(2, static_cast<const char*>(nullptr), "\\Game.exe"));
    EXPECT_STREQ(path.text, "\\Game.exe");
    Block four(JoinTexts(4, "C:", static_cast<const char*>(nullptr), "Game", ".ini"));
    EXPECT_STREQ(four.text, "C:Game.ini");
}

TEST(JoinTexts, OnlyEmptyPartsGiveAOneByteBlockNotNull) {
    Block joined(JoinTexts(3, static_cast<const char*>(nullptr), "", static_cast<const char*>(nullptr)));
    ASSERT_NE(joined.text, nullptr);
    EXPECT_EQ(joined.text[0], '\0');
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, joined.text), 1u);
}

TEST(CopyText, CopiesIntoANewBlockAndGivesNullForEmpty) {
    EXPECT_EQ(CopyText(nullptr), nullptr);
    EXPECT_EQ(CopyText(""), nullptr);
    const char original[] = "岚翎";
    Block copy(CopyText(original));
    ASSERT_NE(copy.text, nullptr);
    EXPECT_NE(copy.text, original);
    EXPECT_STREQ(copy.text, original);
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, copy.text), sizeof original);
}

TEST(FreeBlock, NeverFreesNullOrALiteralText) {
    RegisterConstantArea(&kTexts, &kTexts + 1);
    FreeBlock(nullptr);
    FreeBlock(kTexts.game);
    FreeBlock(kTexts.aboutBoxText + 10);  // anywhere inside the area, not only at a text's start
    EXPECT_STREQ(kTexts.game, "Game");
    EXPECT_TRUE(InConstantArea(kTexts.caption));
    EXPECT_TRUE(InConstantArea(reinterpret_cast<const char*>(&kTexts + 1) - 1));
    EXPECT_FALSE(InConstantArea(reinterpret_cast<const char*>(&kTexts + 1)));

    // A heap block is released for real: the heap no longer knows it.
    char* block = static_cast<char*>(AllocateBlock(16));
    EXPECT_FALSE(InConstantArea(block));
    FreeBlock(block);

    ClearConstantAreas();
    EXPECT_FALSE(InConstantArea(kTexts.game));
}

}  // namespace
