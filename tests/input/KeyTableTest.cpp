#include "input/KeyTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(KeyTableTest, EveryKeyHasItsOwnScanCodeAndName) {
    const auto& keys = KeyTable();
    std::set<int> scanCodes;
    std::set<std::string> names;
    for (int key = 1; key < kKeyCount; ++key) {
        EXPECT_NE(keys[key].scanCode, 0) << key;
        EXPECT_TRUE(scanCodes.insert(keys[key].scanCode).second) << "scan code twice: " << key;
        EXPECT_TRUE(names.insert(keys[key].name).second) << "name twice: " << keys[key].name;
        EXPECT_EQ(KeyNumberByName(keys[key].name), key);
    }
    EXPECT_EQ(KeyNumberByName("None"), 0);
    EXPECT_EQ(KeyNumberByName("NoSuchKey"), 0);

    // Fixed points players' files and the command bindings rely on.
    EXPECT_EQ(keys[Key::kGrave].scanCode, 41);
    EXPECT_EQ(keys[Key::kF9].scanCode, 67);
    EXPECT_EQ(keys[Key::kF11].scanCode, 87);
    EXPECT_EQ(keys[Key::kDigit0].scanCode, 11);
    EXPECT_EQ(keys[28].scanCode, 2);  // digit 1
    EXPECT_EQ(keys[Key::kA].scanCode, 30);
    EXPECT_EQ(keys[Key::kW].scanCode, 17);
    EXPECT_EQ(keys[Key::kZ].scanCode, 44);
    EXPECT_EQ(keys[66].scanCode, 82);  // keypad 0
    EXPECT_STREQ(keys[Key::kMinus].bindName, "-");
    EXPECT_EQ(keys[Key::kEscape].bindName, nullptr);

    const auto& actions = ActionTable();
    EXPECT_STREQ(actions[Action::kFirePrimary].name, "FirePrimary");
    EXPECT_EQ(actions[Action::kFirePrimary].defaultKey, Key::kSpace);
    EXPECT_EQ(actions[Action::kNextWeapon].defaultKey, Key::kNone);
    EXPECT_EQ(actions[Action::kCrouch].name, nullptr);
    EXPECT_EQ(actions[Action::kThrust].defaultKey, 9);  // left Control
}
