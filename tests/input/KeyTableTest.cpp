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
    EXPECT_STREQ(keys[Key::kMinus].bindName, "-");
    EXPECT_EQ(keys[Key::kEscape].bindName, nullptr);
}
