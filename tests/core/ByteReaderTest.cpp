#include "core/ByteReader.h"

#include <gtest/gtest.h>

#include "core/ByteWriter.h"

TEST(ByteReader, ReadsWhatTheWriterWroteInLittleEndianAndNeverPastTheEnd) {
    ByteWriter out;
    out.WriteInt32(-2);
    out.WriteFloat(1.5f);
    out.WriteByte(7);
    ASSERT_EQ(out.Bytes(),
              (std::vector<std::uint8_t>{0xfe, 0xff, 0xff, 0xff, 0, 0, 0xc0, 0x3f, 7}));

    ByteReader in(out.Bytes());
    std::int32_t i = 0;
    float f = 0.0f;
    ASSERT_TRUE(in.ReadInt32(i) && in.ReadFloat(f));
    EXPECT_EQ(std::pair(i, f), std::pair(-2, 1.5f));
    // One byte left: a 4-byte read fails, changes nothing and consumes nothing.
    EXPECT_FALSE(in.ReadInt32(i));
    EXPECT_EQ(i, -2);
    EXPECT_EQ(in.Remaining(), 1u);
}
