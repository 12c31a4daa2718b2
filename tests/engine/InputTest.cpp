// Key and mouse hits are seen once; held state, the character queue and logical mouse units.
#include <gtest/gtest.h>

#include "engine/Engine.h"

TEST(Input, HitsAreConsumedByTheRead) {
    eng::FlushKeys();
    eng::InjectKey(13, true);
    eng::InjectKey(13, false);
    eng::InjectKey(13, true);
    EXPECT_EQ(eng::KeyHit(13), 2);
    EXPECT_EQ(eng::KeyHit(13), 0);
    EXPECT_TRUE(eng::KeyDown(13));
    eng::InjectKey(13, false);
    EXPECT_FALSE(eng::KeyDown(13));

    eng::FlushMouse();
    eng::InjectMouseButton(1, true);
    EXPECT_EQ(eng::MouseHit(1), 1);
    EXPECT_EQ(eng::MouseHit(1), 0);
    EXPECT_TRUE(eng::MouseDown(1));
    eng::InjectMouseButton(1, false);
    EXPECT_EQ(eng::MouseHit(1), 0);

    eng::InjectKey(65, true);
    eng::InjectMouseButton(2, true);
    eng::FlushKeys();
    eng::FlushMouse();
    EXPECT_EQ(eng::KeyHit(65), 0);
    EXPECT_EQ(eng::MouseHit(2), 0);
    eng::InjectKey(65, false);
    eng::InjectMouseButton(2, false);
}

TEST(Input, OutOfRangeKeysAndButtonsReadAsNothing) {
    for (int key : {-1, 0, 256, 1000}) {
        eng::InjectKey(key, true);
        EXPECT_EQ(eng::KeyHit(key), 0);
        EXPECT_FALSE(eng::KeyDown(key));
    }
    for (int b : {0, 4, -2}) {
        eng::InjectMouseButton(b, true);
        EXPECT_EQ(eng::MouseHit(b), 0);
    }
}

TEST(Input, GenericModifierNumbersFollowLeftAndRightKeys) {
    eng::InjectKey(165, true);  // right Alt
    EXPECT_TRUE(eng::KeyDown(18));
    eng::InjectKey(164, true);
    eng::InjectKey(165, false);
    EXPECT_TRUE(eng::KeyDown(18));
    eng::InjectKey(164, false);
    EXPECT_FALSE(eng::KeyDown(18));
}

TEST(Input, CharacterQueueKeepsOrderAndEditingKeys) {
    eng::FlushKeys();
    eng::InjectText("a\xC3\xA9");
    eng::InjectKey(8, true);
    eng::InjectKey(8, false);
    EXPECT_EQ(eng::GetChar(), 'a');
    EXPECT_EQ(eng::GetChar(), 0xE9);
    EXPECT_EQ(eng::GetChar(), 8);
    EXPECT_EQ(eng::GetChar(), 0);
}

TEST(Input, MouseIsReadInLogicalUnits) {
    eng::SetLogicalOffset(170.5f, 0);
    eng::InjectMouseMove(100, 200);
    EXPECT_EQ(eng::MouseX(), 100);
    EXPECT_EQ(eng::MouseY(), 200);
    eng::SetLogicalOffset(0, 0);
    EXPECT_EQ(eng::MouseX(), 270);
    int z = eng::MouseZ();
    eng::InjectMouseWheel(-2);
    EXPECT_EQ(eng::MouseZ(), z - 2);
}
