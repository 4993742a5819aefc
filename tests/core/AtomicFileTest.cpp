#include "core/AtomicFile.h"

#include <gtest/gtest.h>

#include "support/FileText.h"

TEST(AtomicFile, ReplacesWholeFileAndLeavesOldOneWhenWritingFails) {
    const auto dir = std::filesystem::path(testing::TempDir()) / "atomic";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const auto path = dir / "Prefs.dat";

    ASSERT_TRUE(WriteFileAtomically(path, "a much longer first version\n"));
    ASSERT_TRUE(WriteFileAtomically(path, "short\n"));
    EXPECT_EQ(ReadAll(path), "short\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "Prefs.dat.tmp"));

    // A folder in the way of the temporary file makes the write fail; the old file stays.
    std::filesystem::create_directories(dir / "Prefs.dat.tmp");
    EXPECT_FALSE(WriteFileAtomically(path, "lost\n"));
    EXPECT_EQ(ReadAll(path), "short\n");

    EXPECT_FALSE(WriteFileAtomically(dir / "missing" / "x.dat", "x"));
}
