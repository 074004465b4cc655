#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "skin/persist/bt_doc20.h"
#include "skin/persist/bt_node20.h"
#include "ui/graphics.h"
#include "ui/stream.h"
#include "ui/testing/recording_canvas.h"

namespace skin::testing {

// Installs the recording graphics for a test and removes them afterwards.
class GraphicsTest : public ::testing::Test {
protected:
    void SetUp() override { ui::SetGraphics(&graphics); }
    void TearDown() override { ui::SetGraphics(nullptr); }

    // The bytes of a test image of the given size, every pixel opaque white.
    static std::vector<std::byte> OpaqueImage(int width, int height) {
        ui::MemoryBitmap bitmap(width, height, 1);
        ui::BitmapPixels px = bitmap.Map(ui::MapAccess::ReadWrite);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) px.At(x, y) = 0xFFFFFFFF;
        bitmap.Unmap();
        ui::MemoryStream stream;
        bitmap.SaveToPng(stream);
        return stream.TakeBytes();
    }

    ui::RecordingGraphics graphics;
};

}  // namespace skin::testing
