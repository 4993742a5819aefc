#include "game/AnimationFiles.h"

#include <gtest/gtest.h>

#include <utility>

#include "core/ByteWriter.h"
#include "core/Log.h"
#include "support/FileText.h"
#include "support/TestFolder.h"

TEST(AnimationFilesTest, DamagedFilesAreNamedInTheLogAndThePlayedAnimationsStayPlayable) {
    const std::filesystem::path folder = FreshTestFolder("animation-files");
    Log log(folder / "Log.txt");
    LowerAnimationSet missing;
    LoadAnimationFile(folder / "LDefault.bwv", missing, log);

    // Lower-body records of flat points: Standing is fine, Running holds one frame, Crouched
    // none, and the next claims billions.
    ByteWriter bytes;
    for (const auto& [count, written] : {std::pair{3, 3}, {1, 1}, {0, 0}, {0x7fffffff, 1}}) {
        bytes.WriteFloat(0.01f);
        bytes.WriteInt32(count);
        for (int f = 0; f < written * 12; ++f)
            bytes.WriteFloat(static_cast<float>(f));
    }
    WriteBytes(folder / "Damaged.bwv", bytes.Bytes());
    LowerAnimationSet damaged;
    LoadAnimationFile(folder / "Damaged.bwv", damaged, log);
    EXPECT_EQ(damaged.Get(1).frames.size(), 2u);  // mended with the default poses
    EXPECT_EQ(damaged.Get(2).frames.size(), 2u);

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
