#include "core/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/FileText.h"
#include "support/TestFolder.h"

// A failed write leaving the old file is shown by the map's save test.
TEST(AtomicFile, ReplacesTheWholeFileThroughLinksKeepingPermissionsButNeverWhatIsNoFile) {
    namespace fs = std::filesystem;
    const auto dir = FreshTestFolder("atomic");
    WriteBytes(dir / "real.dat", {'a', ' ', 'l', 'o', 'n', 'g', 'e', 'r', ' ', 'o', 'n', 'e'});
    fs::permissions(dir / "real.dat",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real.dat", dir / "link.dat");
    ASSERT_TRUE(WriteFileAtomically(dir / "link.dat", "new"));
    EXPECT_TRUE(fs::is_symlink(dir / "link.dat"));
    EXPECT_EQ(ReadAll(dir / "real.dat"), "new");
    EXPECT_EQ(fs::status(dir / "real.dat").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 2);  // no temporary file left

    // A pipe stands for anything that is not a regular file (a device, a folder).
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    std::string why;
    EXPECT_FALSE(WriteFileAtomically(dir / "pipe", "x", &why));
    EXPECT_EQ(why, (dir / "pipe").string() + " is a pipe, not a file");
    EXPECT_EQ(fs::symlink_status(dir / "pipe").type(), fs::file_type::fifo);
}
