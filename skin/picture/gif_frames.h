#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <vector>

namespace skin {

class TSkinPicture;

// One whole picture of an animation and how long it shows as stored (milliseconds, 0 when the data gives none).
struct TGIFFrame {
    std::unique_ptr<TSkinPicture> Picture;
    int DelayMs = 0;
};

// The frames of GIF data as whole pictures of the GIF's canvas size: each stored frame drawn over what the
// earlier ones left, after their disposal (kept, cleared to transparent, or returned to what was there before).
// Decoded through the drawing services. Empty (with a log line) without drawing services, for data that is
// not a GIF, or for a canvas too large to hold.
std::vector<TGIFFrame> DecodeGIFFrames(std::span<const std::byte> gifData);

}  // namespace skin
