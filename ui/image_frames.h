#pragma once

#include <memory>
#include <vector>

#include "ui/bitmap.h"

namespace ui {

// What happens to a frame's area before the next frame of an animated image is drawn over it.
enum class FrameDisposal {
    Keep,        // the frame stays and the next one is drawn over it
    Background,  // the area becomes transparent
    Previous,    // the area returns to what it was before the frame
};

// One frame of an animated image as stored: a part of the image's canvas, not the whole picture.
struct ImageFrame {
    std::unique_ptr<Bitmap> bitmap;
    // Where the frame's pixels go on the image's canvas.
    int left = 0;
    int top = 0;
    // How long the frame shows, in milliseconds, as stored (0 when the data gives none).
    int delayMs = 0;
    FrameDisposal disposal = FrameDisposal::Keep;
};

// The frames of an animated image (a GIF) in order, with the size of the canvas they are drawn on.
struct ImageFrames {
    int width = 0;
    int height = 0;
    std::vector<ImageFrame> frames;
};

}  // namespace ui
