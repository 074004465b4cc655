#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "ui/bitmap.h"
#include "ui/image_frames.h"
#include "ui/text_format.h"
#include "ui/text_layout.h"

namespace ui {

// The platform's drawing services: bitmaps, image decoding and text layouts. The Windows host provides
// Direct2D/DirectWrite/WIC ones; native tests use RecordingGraphics (ui/testing/).
class Graphics {
public:
    virtual ~Graphics() = default;

    // A transparent bitmap of the given device-pixel size and scale.
    virtual std::unique_ptr<Bitmap> CreateBitmap(int width, int height, float scale) = 0;
    // A bitmap holding a copy of the pixels (their width and height; premultiplied, rows of stride words).
    virtual std::unique_ptr<Bitmap> CreateBitmapFromPixels(const BitmapPixels& pixels, float scale) = 0;
    // A new bitmap with the same size, scale and pixels as source (what its canvas drew so far included).
    virtual std::unique_ptr<Bitmap> CopyBitmap(Bitmap& source) = 0;
    // Decodes PNG, JPEG, BMP or GIF (first frame); nullptr when the bytes are not an image.
    virtual std::unique_ptr<Bitmap> DecodeBitmap(std::span<const std::byte> encoded) = 0;
    // Decodes every frame of an animated image (GIF) as stored; nullopt when the bytes are not an image with
    // frames. Hosts without such a decoder keep this default.
    virtual std::optional<ImageFrames> DecodeFrames(std::span<const std::byte> encoded) { return std::nullopt; }
    virtual std::unique_ptr<Bitmap> LoadBitmapFromFile(const std::filesystem::path& path) = 0;
    // A picture among the program's resources, by name; nullptr when there is none.
    virtual std::unique_ptr<Bitmap> LoadBitmapFromResource(std::u16string_view name) = 0;
    // The bytes of the program's raw-data resource of that name (letter case ignored); nullopt when there is
    // none. Hosts without resources keep this default.
    virtual std::optional<std::vector<std::byte>> LoadResourceData(std::u16string_view name) { return std::nullopt; }
    virtual std::unique_ptr<TextLayout> CreateTextLayout() = 0;
    // The system's default user-interface font.
    virtual Font DefaultFont() const = 0;
    // The display's scale factor.
    virtual float ScreenScale() const = 0;
};

// The process's drawing services, installed by the host at start-up (nullptr before).
Graphics* GetGraphics();
void SetGraphics(Graphics* graphics);

// Process-wide objects made with the drawing services (a shared off-screen bitmap, a cached text layout) must
// not outlive them. Their owner registers a hook that frees them; SetGraphics runs every hook, in the order of
// registration, before it installs other services. Registering a hook again does nothing.
using GraphicsResetHook = void (*)();
void AddGraphicsResetHook(GraphicsResetHook hook);

}  // namespace ui
