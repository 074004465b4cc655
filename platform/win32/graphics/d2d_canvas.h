#pragma once

#include <d2d1_1.h>
#include <dwrite.h>
#include <wrl/client.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/win32/graphics/d2d_brushes.h"
#include "platform/win32/graphics/d2d_geometry_cache.h"
#include "platform/win32/graphics/d2d_text_bitmap.h"
#include "platform/win32/graphics/dwrite_layout_cache.h"
#include "ui/canvas.h"

namespace platform::win32 {

class D2DBitmap;
class D2DFactories;
class DWriteTextFormats;

// The canvas on a Direct2D bitmap (a frame of the window or an off-screen bitmap). Logical pixels are mapped to
// device pixels by the scale, which is part of the context's transform. Clips are axis-aligned clips and
// opacity is the brush's; layers are never used. Brushes, shapes and text layouts are kept between paints, so
// painting the same things again does not allocate; texts are kept as rendered bitmaps (D2DTextBitmap), so
// painting the same text again does not rasterise its glyphs again.
class D2DCanvas final : public ui::Canvas {
public:
    // target has the TARGET option; nullptr makes a canvas that cannot begin a scene (an empty bitmap's).
    D2DCanvas(D2DFactories& factories, DWriteTextFormats& formats, ID2D1Bitmap1* target, float scale);
    D2DCanvas(const D2DCanvas&) = delete;
    D2DCanvas& operator=(const D2DCanvas&) = delete;
    ~D2DCanvas() override;

    StateId SaveState() override;
    void RestoreState(StateId state) override;
    void IntersectClipRect(const ui::RectF& rect) override;
    ui::Matrix GetMatrix() const override { return matrix_; }
    void SetMatrix(const ui::Matrix& matrix) override;
    bool RectVisible(const ui::RectF& rect) const override;
    float Scale() const override { return scale_; }
    // Scenes nest: only the outermost begins and ends drawing. The outermost begins with the identity transform
    // and no clip; ending it drops every clip and saved state.
    bool BeginScene() override;
    void EndScene() override;

    void FillRect(const ui::RectF& rect, float rx, float ry, unsigned corners, float opacity) override;
    void DrawRect(const ui::RectF& rect, float rx, float ry, unsigned corners, float opacity) override;
    void DrawRectSides(const ui::RectF& rect, unsigned sides, float opacity) override;
    void FillPath(const ui::PathData& path, float opacity, ui::FillRule rule) override;
    void DrawPath(const ui::PathData& path, float opacity) override;
    void DrawLine(ui::PointF from, ui::PointF to, float opacity) override;
    void DrawBitmap(const ui::Bitmap& bitmap, const ui::RectF& source, const ui::RectF& dest, float opacity,
                    ui::BitmapSampling sampling) override;
    void FillText(const ui::RectF& rect, std::u16string_view text, ui::TextWrap wrap, float opacity,
                  ui::TextAlign horizontal, ui::TextAlign vertical) override;
    float TextWidth(std::u16string_view text) override;
    float TextHeight(std::u16string_view text) override;

    // Draws a laid-out text with its top-left corner at origin in the colour (alpha included) and opacity;
    // through its rendered bitmap when one is given (owned by the caller, invalidated by it when the layout
    // changes) and the canvas keeps texts as bitmaps.
    void DrawTextLayout(IDWriteTextLayout* layout, ui::PointF origin, ui::AlphaColor color, float opacity,
                        D2DTextBitmap* bitmap = nullptr);
    // Draws the source rectangle of a bitmap of the device onto the destination rectangle in device pixels,
    // whatever the transform (clips still apply), with the opacity.
    void DrawDeviceBitmap(ID2D1Bitmap* bitmap, const D2D1_RECT_F& dest, const D2D1_RECT_F& source, float opacity);
    // Whether texts are drawn through their rendered bitmaps (on by default); off, every text is rasterised on
    // every draw, which tests compare against.
    void SetTextBitmaps(bool on) { textBitmaps_ = on; }
    // The transform from logical to device pixels: the canvas's matrix, then the scale.
    ui::Matrix DeviceMatrix() const;
    D2DFactories& Factories() const { return factories_; }
    bool InScene() const { return sceneDepth_ > 0; }
    // How many scenes were begun on the canvas (a bitmap's pixels may have changed with each).
    uint64_t SceneCount() const { return scenes_; }
    // Tells the canvas, in its outermost scene, that the target's pixels in the device rectangle are transparent
    // (its owner has just cleared them). Until something is drawn over them, a bitmap drawn one to one onto
    // whole pixels there is copied instead of blended: blending onto transparent pixels gives the bitmap's own.
    // The scene's end forgets it.
    void SetTransparentArea(const D2D1_RECT_F& device);
    // Sends what was drawn so far to the target, so that its pixels can be read or copied during a scene.
    // False (logged) when that failed.
    bool Flush();
    ID2D1Bitmap1* Target() const { return target_.Get(); }

private:
    struct Saved {
        ui::Matrix matrix;
        size_t clipDepth = 0;
    };
    // A pushed clip in device pixels, intersected with the ones below it; bounded when it was pushed without
    // rotation (then nothing is drawn outside the rectangle), exact when it also lies on whole pixels (then it
    // is exactly what Direct2D clips to).
    struct DeviceClip {
        ui::RectF rect;
        bool exact = true;
        bool bounded = true;
    };

    // RectVisible for a rectangle in device pixels.
    bool DeviceRectVisible(const ui::RectF& device) const;
    // Whether drawing calls may be made now (logs when not).
    bool Drawing(const char16_t* operation);
    void ApplyTransform();
    void PopClips(size_t depth);
    // Copies a bitmap drawn one to one onto whole device pixels instead of blending it when that gives the same
    // pixels (the bitmap is opaque, or the pixels below are still transparent): far less work on a software
    // rasteriser. False when the draw is not such a copy.
    bool CopyBitmap(ID2D1Bitmap1* bitmap, bool opaque, const ui::RectF& source, const ui::RectF& dest);
    // Where such a copy of a bitmap of the size lands (device pixels, cut to the target and the clip; empty when
    // wholly clipped away) and where its pixels come from; nothing when the draw is not such a copy.
    struct CopyPlace {
        long left, top, right, bottom;
        long sourceX, sourceY;
    };
    std::optional<CopyPlace> PlaceCopy(D2D1_SIZE_U size, bool opaque, const ui::RectF& source,
                                       const ui::RectF& dest) const;
    // The same for a bitmap drawn at an opacity below 1: once the same bitmap has been drawn at the same opacity
    // twice in a row, a copy of it faded to that opacity is kept and copied onto pixels that are still
    // transparent (what blending it there gives; a window's shadow is such a bitmap). False when not copied.
    bool CopyFaded(const D2DBitmap& bitmap, float opacity, const ui::RectF& source, const ui::RectF& dest);
    // Notes that a primitive is drawn: within the clip and, when given, the logical bounds widened by the margin
    // (logical pixels). Only kept while a transparent area is known.
    void Touch(const ui::RectF* bounds = nullptr, float margin = 0);
    // The same with bounds in device pixels.
    void TouchDevice(const ui::RectF* device);
    ID2D1Brush* StrokeBrush(float opacity);
    ID2D1StrokeStyle* StrokeStyle() const;
    DWRITE_TEXT_METRICS Measure(std::u16string_view text);

    D2DFactories& factories_;
    Microsoft::WRL::ComPtr<ID2D1DeviceContext> context_;
    Microsoft::WRL::ComPtr<ID2D1Bitmap1> target_;
    float scale_;
    ui::Matrix matrix_;
    int sceneDepth_ = 0;
    uint64_t scenes_ = 0;
    std::vector<Saved> saved_;
    std::vector<DeviceClip> clips_;
    bool flushLogged_ = false;
    bool textBitmaps_ = true;
    // The device pixels known to be transparent in this scene and the bounds of what was drawn since then.
    ui::RectF transparent_;
    ui::RectF touched_;
    // The bitmap last drawn faded (held, so that its address is not reused), its pixels' generation, the opacity
    // and, from its second draw on, the faded copy.
    struct Faded {
        Microsoft::WRL::ComPtr<ID2D1Bitmap1> source;
        uint64_t generation = 0;
        float opacity = 0;
        Microsoft::WRL::ComPtr<ID2D1Bitmap1> pixels;
    };
    Faded faded_;
    D2DBrushes brushes_;
    D2DGeometryCache geometries_;
    DWriteLayoutCache layouts_;
};

}  // namespace platform::win32
