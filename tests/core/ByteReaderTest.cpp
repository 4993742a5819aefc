#include "core/ByteReader.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/ByteWriter.h"

TEST(ByteReader, ReadsWhatTheWriterWroteInLittleEndianAndNeverPastTheEnd) {
    ByteWriter out;
    out.WriteInt32(-2);
    out.WriteFloat(1.5f);
    out.WriteBytes("ab");
    out.WriteByte(7);
    const std::vector<std::uint8_t> expected = {0xfe, 0xff, 0xff, 0xff, 0x00, 0x00,
                                                0xc0, 0x3f, 'a',  'b',  7};
    ASSERT_EQ(out.Bytes(), expected);

    ByteReader in(out.Bytes());
    std::int32_t i = 0;
    float f = 0.0f;
    std::string text;
    std::uint8_t b = 0;
    ASSERT_TRUE(in.ReadInt32(i));
    ASSERT_TRUE(in.ReadFloat(f));
    ASSERT_TRUE(in.ReadBytes(2, text));
    EXPECT_EQ(i, -2);
    EXPECT_EQ(f, 1.5f);
    EXPECT_EQ(text, "ab");

    // One byte left: a 4-byte read fails, changes nothing and consumes nothing.
    i = 99;
    EXPECT_FALSE(in.ReadInt32(i));
    EXPECT_FALSE(in.ReadBytes(2, text));
    EXPECT_EQ(i, 99);
    EXPECT_EQ(in.Remaining(), 1u);
    ASSERT_TRUE(in.ReadByte(b));
    EXPECT_EQ(b, 7);
    EXPECT_FALSE(in.ReadByte(b));
}
