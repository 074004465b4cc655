#include "ui/glow_renderer.h"

#include <gtest/gtest.h>

#include <vector>

#include "ui/testing/recording_canvas.h"

namespace ui {
namespace {

// A 40 x 20 opaque block in the middle of a 60 x 40 transparent bitmap, blurred with the given radius.
std::vector<uint32_t> BlurBlock(int radius, AlphaColor color) {
    std::vector<uint32_t> pixels(60 * 40, 0);
    for (int y = 10; y < 30; ++y) {
        for (int x = 10; x < 50; ++x) pixels[y * 60 + x] = 0xFF123456;
    }
    GlowRenderer::BlurAndTint({pixels.data(), 60, 40, 60}, radius, color);
    return pixels;
}

TEST(GlowRendererTest, BlurSpreadsTheShapeAndTintsItPremultiplied) {
    const std::vector<uint32_t> glow = BlurBlock(9, 0x80000000);
    auto alpha = [&](int x, int y) { return glow[y * 60 + x] >> 24; };
    EXPECT_EQ(alpha(30, 20), 0x80u) << "inside: the glow colour's own alpha";
    EXPECT_GT(alpha(8, 20), 0u) << "the glow reaches past the edge";
    EXPECT_LT(alpha(8, 20), alpha(12, 20)) << "and fades outwards";
    EXPECT_EQ(alpha(0, 0), 0u) << "beyond its reach nothing";
    EXPECT_EQ(glow[20 * 60 + 30] & 0xFFFFFF, 0u) << "black tint";

    const std::vector<uint32_t> white = BlurBlock(0, 0xFFFFFFFF);
    EXPECT_EQ(white[20 * 60 + 30], 0xFFFFFFFFu);
    EXPECT_EQ(white[5 * 60 + 5], 0u) << "radius 0 keeps the shape";
}

}  // namespace
}  // namespace ui
