#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/bitmap.h"
#include "ui/canvas.h"
#include "ui/graphics.h"

namespace ui {

// A canvas that draws nothing and writes one readable line per call, for tests:
//   "FillRect 0,0,100,40 r=50,20 c=15 o=1 fill=solid:FF2F2F2F"
// Clip and transform are tracked so tests can look at them.
class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(float scale = 1) : scale_(scale) {}

    std::vector<std::string> calls;
    // The clip in canvas coordinates; unbounded at start.
    RectF clip{-1e9f, -1e9f, 1e9f, 1e9f};

    StateId SaveState() override;
    void RestoreState(StateId state) override;
    void IntersectClipRect(const RectF& rect) override;
    Matrix GetMatrix() const override { return matrix_; }
    void SetMatrix(const Matrix& matrix) override;
    float Scale() const override { return scale_; }
    // Against the tracked clip (translation and scaling honoured, as for the clip).
    bool RectVisible(const RectF& rect) const override;
    bool BeginScene() override;
    void EndScene() override;

    void FillRect(const RectF& rect, float rx, float ry, unsigned corners, float opacity) override;
    void DrawRect(const RectF& rect, float rx, float ry, unsigned corners, float opacity) override;
    void DrawRectSides(const RectF& rect, unsigned sides, float opacity) override;
    void DrawRoundRectSides(const RectF& rect, float rx, float ry, unsigned corners, unsigned sides,
                            float opacity) override;
    void FillPath(const PathData& path, float opacity, FillRule rule) override;
    void DrawPath(const PathData& path, float opacity) override;
    void DrawLine(PointF from, PointF to, float opacity) override;
    void DrawBitmap(const Bitmap& bitmap, const RectF& source, const RectF& dest, float opacity,
                    BitmapSampling sampling) override;
    void FillText(const RectF& rect, std::u16string_view text, TextWrap wrap, float opacity, TextAlign horizontal,
                  TextAlign vertical) override;
    // Deterministic metrics: 0.5 x font size per character, 1.25 x font size per line.
    float TextWidth(std::u16string_view text) override;
    float TextHeight(std::u16string_view text) override;

    // Text of the current fill and stroke brushes as the lines write them.
    std::string FillDescription() const;
    std::string StrokeDescription() const;

private:
    struct Saved {
        RectF clip;
        Matrix matrix;
    };
    float scale_;
    Matrix matrix_;
    std::vector<Saved> saved_;
};

// An in-memory bitmap whose canvas records; its pixels are real, so pixel work can be tested.
class MemoryBitmap : public Bitmap {
public:
    MemoryBitmap(int width, int height, float scale);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    float BitmapScale() const override { return scale_; }
    Canvas& GetCanvas() override { return canvas_; }
    BitmapPixels Map(MapAccess access) override { return {pixels_.data(), width_, height_, width_}; }
    void Unmap() override {}
    // Writes the test image format (see RecordingGraphics) followed by the pixels; DecodeBitmap reads it back.
    void SaveToPng(Stream& stream) override;

    RecordingCanvas& Recorder() { return canvas_; }

private:
    int width_;
    int height_;
    float scale_;
    std::vector<uint32_t> pixels_;
    RecordingCanvas canvas_;
};

// A text layout with the recording canvas's metrics; RenderLayout writes a "TextLayout ..." line.
class RecordingTextLayout : public TextLayout {
public:
    void RenderLayout(Canvas& canvas) override;
    // Longest line x 0.5 x size; a word-wrapped text is broken at the maximum width.
    float TextWidth() override;
    // Lines x 1.25 x size.
    float TextHeight() override;
};

// Drawing services for native tests: memory bitmaps and recording layouts. Bitmaps "decode" from a tiny
// test format: "IMG" followed by the width and height as two bytes each (little-endian).
class RecordingGraphics : public Graphics {
public:
    std::unique_ptr<Bitmap> CreateBitmap(int width, int height, float scale) override;
    std::unique_ptr<Bitmap> CreateBitmapFromPixels(const BitmapPixels& pixels, float scale) override;
    std::unique_ptr<Bitmap> CopyBitmap(Bitmap& source) override;
    // Also decodes the first frame of the test frame format (below) as an image of the canvas's size.
    std::unique_ptr<Bitmap> DecodeBitmap(std::span<const std::byte> encoded) override;
    // Frames in the test frame format: "GIFtst", the canvas width and height, the frame count and the frames
    // (see EncodeTestFrames).
    std::optional<ImageFrames> DecodeFrames(std::span<const std::byte> encoded) override;
    std::unique_ptr<Bitmap> LoadBitmapFromFile(const std::filesystem::path& path) override;
    std::unique_ptr<Bitmap> LoadBitmapFromResource(std::u16string_view name) override;
    // Raw resources by name, letter case ignored.
    std::optional<std::vector<std::byte>> LoadResourceData(std::u16string_view name) override;
    std::unique_ptr<TextLayout> CreateTextLayout() override;
    Font DefaultFont() const override { return {u"Test Sans", 12, fsNone}; }
    float ScreenScale() const override { return screenScale; }

    float screenScale = 1;
    // Resources by name, in the test format.
    std::vector<std::pair<std::u16string, std::vector<std::byte>>> resources;

    // The bytes of a test-format image of the given size.
    static std::vector<std::byte> EncodeTestImage(int width, int height);

    // One frame of the test frame format: a rectangle of one colour (premultiplied 0xAARRGGBB).
    struct TestFrame {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        int delayMs = 0;
        FrameDisposal disposal = FrameDisposal::Keep;
        uint32_t color = 0;
    };
    // The bytes of frames in the test frame format; they start with "GIF", so pictures keep them as GIF data.
    static std::vector<std::byte> EncodeTestFrames(int width, int height, const std::vector<TestFrame>& frames);
};

}  // namespace ui
