#include "core/Log.h"

#include <gtest/gtest.h>

#include "support/FileText.h"

TEST(Log, OneFlushedLinePerCallCutAt255AndEachRunStartsEmpty) {
    const auto path = std::filesystem::path(testing::TempDir()) / "LogTest.txt";
    Log log(path);
    log.Line("Loaded %s (%d x %d)", "sheet.tga", 256, 128);
    EXPECT_EQ(ReadAll(path), "Loaded sheet.tga (256 x 128)\n");  // flushed without closing
    log.Line("%s", std::string(300, 'x').c_str());
    log.Close();
    EXPECT_EQ(ReadAll(path), "Loaded sheet.tga (256 x 128)\n" + std::string(255, 'x') + "\n");

    Log reopened(path);
    reopened.Close();
    EXPECT_EQ(ReadAll(path), "");
}
