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

    // Fixed points players' files and the command bindings rely on: a swap inside the table
    // passes every check above, and the round trip through SDL's codes too.
    const struct {
        int key;
        int scanCode;
    } fixed[] = {{Key::kGrave, 41},  {Key::kF9, 67},        {Key::kF11, 87},
                 {Key::kDigit0, 11}, {28, 2} /* digit 1 */, {Key::kA, 30},
                 {Key::kW, 17},      {Key::kZ, 44},         {66, 82} /* keypad 0 */};
    for (const auto& [key, scanCode] : fixed)
        EXPECT_EQ(keys[key].scanCode, scanCode) << keys[key].name;
    EXPECT_STREQ(keys[Key::kMinus].bindName, "-");
    EXPECT_EQ(keys[Key::kEscape].bindName, nullptr);
    // The other actions' defaults show in the input system's test; thrust has no name to bind.
    EXPECT_EQ(ActionTable()[Action::kThrust].defaultKey, 9);  // left Control
}
