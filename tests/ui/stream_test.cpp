#include "ui/stream.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>

namespace ui {
namespace {

std::span<const std::byte> Bytes(const char* text, size_t count) {
    return {reinterpret_cast<const std::byte*>(text), count};
}

TEST(MemoryStreamTest, WritesReadsAndResizes) {
    MemoryStream stream;
    stream.Write(Bytes("abcdef", 6));
    EXPECT_EQ(stream.Size(), 6u);
    EXPECT_EQ(stream.Position(), 6u);

    stream.Seek(2);
    stream.Write(Bytes("XY", 2));  // overwrite in the middle
    stream.Seek(5);
    stream.Write(Bytes("12", 2));  // grows at the end
    EXPECT_EQ(stream.Size(), 7u);

    std::array<std::byte, 16> buffer{};
    stream.Seek(0);
    ASSERT_EQ(stream.Read(buffer), 7u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(buffer.data()), 7), "abXYe12");
    EXPECT_EQ(stream.Read(buffer), 0u);

    stream.SetSize(3);
    EXPECT_EQ(stream.Position(), 3u) << "the position follows a shrinking end";
    stream.Seek(10);
    EXPECT_EQ(stream.Read(buffer), 0u);
    EXPECT_THROW(stream.ReadExact(std::span(buffer).first(1)), std::runtime_error);
}

}  // namespace
}  // namespace ui
