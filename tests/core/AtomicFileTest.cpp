#include "core/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/FileText.h"
#include "support/TestFolder.h"

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

TEST(AtomicFile, WritesThroughLinksKeepsPermissionsAndNeverReplacesWhatIsNoFile) {
    namespace fs = std::filesystem;
    const auto dir = FreshTestFolder("atomic-kinds");
    WriteBytes(dir / "real.dat", {'o', 'l', 'd'});
    fs::permissions(dir / "real.dat",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real.dat", dir / "link.dat");
    ASSERT_TRUE(WriteFileAtomically(dir / "link.dat", "new"));
    EXPECT_TRUE(fs::is_symlink(dir / "link.dat"));
    EXPECT_EQ(ReadAll(dir / "real.dat"), "new");
    EXPECT_EQ(fs::status(dir / "real.dat").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    fs::create_directory(dir / "folder");
    const struct {
        const char* name;
        fs::file_type kept;
        const char* why;
    } refused[] = {
        {"pipe", fs::file_type::fifo, " is a pipe, not a file"},
        {"folder", fs::file_type::directory, " is a folder, not a file"},
    };
    for (const auto& r : refused) {
        std::string why;
        EXPECT_FALSE(WriteFileAtomically(dir / r.name, "x", &why)) << r.name;
        EXPECT_EQ(why, (dir / r.name).string() + r.why);
        EXPECT_EQ(fs::symlink_status(dir / r.name).type(), r.kept) << r.name;
    }
}
