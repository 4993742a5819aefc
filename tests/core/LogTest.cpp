#include "core/Log.h"

#include <gtest/gtest.h>

#include "support/FileText.h"

TEST(Log, OneFlushedLinePerCallCutAt255AndEmptyFormatsWriteNothing) {
    const auto path = std::filesystem::path(testing::TempDir()) / "LogTest.txt";
    Log log(path);
    log.Line("Loaded %s (%d x %d)", "sheet.tga", 256, 128);
    EXPECT_EQ(ReadAll(path), "Loaded sheet.tga (256 x 128)\n");  // flushed without closing

    log.Line("%s", "");
    EXPECT_EQ(ReadAll(path), "Loaded sheet.tga (256 x 128)\n\n");  // empty text, not empty format

    const std::string longText(300, 'x');
    log.Line("%s", longText.c_str());
    log.Close();
    EXPECT_EQ(ReadAll(path), "Loaded sheet.tga (256 x 128)\n\n" + std::string(255, 'x') + "\n");

    Log reopened(path);  // each run starts an empty log
    reopened.Close();
    EXPECT_EQ(ReadAll(path), "");
}
