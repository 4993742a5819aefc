#include "game/AnimationFiles.h"

#include <gtest/gtest.h>

#include "core/ByteWriter.h"
#include "core/Log.h"
#include "support/FileText.h"
#include "support/TestFolder.h"

namespace {
// A lower-body record: speed, frame count, then that many frames of flat points.
void Record(ByteWriter& out, float speed, std::int32_t count, int framesWritten) {
    out.WriteFloat(speed);
    out.WriteInt32(count);
    for (int f = 0; f < framesWritten * 12; ++f)
        out.WriteFloat(static_cast<float>(f));
}
}  // namespace

TEST(AnimationFilesTest, DamagedFilesAreNamedInTheLogAndThePlayedAnimationsStayPlayable) {
    const std::filesystem::path folder = FreshTestFolder("animation-files");
    Log log(folder / "Log.txt");

    LowerAnimationSet missing;
    LoadAnimationFile(folder / "LDefault.bwv", missing, log);
    for (int i = 0; i < kPlayedAnimations; ++i)
        EXPECT_EQ(missing.Get(i).frames.size(), 2u);

    // Standing is fine, Running holds one frame, Crouched none, and the next claims billions.
    ByteWriter bytes;
    Record(bytes, 0.01f, 3, 3);
    Record(bytes, 0.02f, 1, 1);
    Record(bytes, 0.03f, 0, 0);
    Record(bytes, 0.04f, 0x7fffffff, 1);
    WriteBytes(folder / "Damaged.bwv", bytes.Bytes());
    LowerAnimationSet damaged;
    LoadAnimationFile(folder / "Damaged.bwv", damaged, log);
    EXPECT_EQ(damaged.Get(0).frames.size(), 3u);
    EXPECT_EQ(damaged.Get(1).frames.size(), 2u);  // mended with the default poses
    EXPECT_FLOAT_EQ(damaged.Get(1).speed, 0.02f);
    EXPECT_EQ(damaged.Get(2).frames.size(), 2u);
    EXPECT_EQ(damaged.Get(3).frames.size(), 2u);  // untouched by the record that lied

    log.Close();
    const std::string text = ReadAll(folder / "Log.txt");
    for (const std::string expected : {
             "LDefault.bwv\": the file cannot be opened.",
             "Damaged.bwv\": animation 3 \"Unused\" claims 2147483647 frames",
             "Damaged.bwv\": animation 1 \"Running\" has fewer than two frames",
             "Damaged.bwv\": animation 2 \"Crouched\" has fewer than two frames",
         }) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
}
