#pragma once

#include <cstdint>
#include <string_view>

#include "ui/brush.h"
#include "ui/geometry.h"
#include "ui/path_data.h"
#include "ui/text_format.h"

namespace ui {

class Bitmap;

// Which corners of a rectangle are rounded.
enum Corners : unsigned {
    kCornerNone = 0,
    kCornerTopLeft = 1,
    kCornerTopRight = 2,
    kCornerBottomLeft = 4,
    kCornerBottomRight = 8,
    kCornersAll = 15,
};

// Which sides of a rectangle an outline draws.
enum Sides : unsigned {
    kSideNone = 0,
    kSideLeft = 1,
    kSideTop = 2,
    kSideRight = 4,
    kSideBottom = 8,
    kSidesAll = 15,
};

enum class FillRule { EvenOdd, NonZero };

// How a bitmap drawn at another size picks its pixels: blended from the nearest four, or the nearest one alone
// (faster, and exact for pixel art and one-to-one copies).
enum class BitmapSampling { Linear, NearestNeighbor };

// The vector canvas everything is painted on: the window's frame or an off-screen bitmap. Coordinates are
// logical pixels; Scale() tells how many device pixels one of them covers. Every primitive takes an opacity
// (0..1) that multiplies its brush. The brushes and the font are state of the canvas, set before drawing.
class Canvas {
public:
    using StateId = int;

    virtual ~Canvas() = default;

    // Saves clip and transform into a new slot; RestoreState(id) returns to it and drops later slots.
    virtual StateId SaveState() = 0;
    virtual void RestoreState(StateId state) = 0;
    // Narrows the clip to the rectangle (in current coordinates; axis-aligned).
    virtual void IntersectClipRect(const RectF& rect) = 0;
    virtual Matrix GetMatrix() const = 0;
    virtual void SetMatrix(const Matrix& matrix) = 0;
    // Device pixels per logical pixel.
    virtual float Scale() const = 0;
    // Whether drawing inside the rectangle (current coordinates) can change any pixel: false when it lies wholly
    // outside the clip or the target, so that the drawing may be left out. True when the canvas cannot tell.
    virtual bool RectVisible(const RectF& rect) const { return true; }
    // Start and end of drawing onto an off-screen bitmap; a window's frame is framed by its host.
    virtual bool BeginScene() = 0;
    virtual void EndScene() = 0;

    FillBrush& Fill() { return fill_; }
    const FillBrush& Fill() const { return fill_; }
    StrokeBrush& Stroke() { return stroke_; }
    const StrokeBrush& Stroke() const { return stroke_; }
    Font& CanvasFont() { return font_; }
    const Font& CanvasFont() const { return font_; }

    // Fills the rectangle; rx/ry round the corners in the set (0 for square corners).
    virtual void FillRect(const RectF& rect, float rx, float ry, unsigned corners, float opacity) = 0;
    // Outlines the rectangle along its edges (the stroke is centred on them).
    virtual void DrawRect(const RectF& rect, float rx, float ry, unsigned corners, float opacity) = 0;
    // Outlines only the chosen sides, with square corners.
    virtual void DrawRectSides(const RectF& rect, unsigned sides, float opacity) = 0;
    // Outlines only the chosen sides; the corners in the set are rounded with rx/ry where a drawn side meets
    // them (AddRectSidesOutline in ui/rect_outline.h). Drawn as a path on a scratch path kept by the canvas.
    virtual void DrawRoundRectSides(const RectF& rect, float rx, float ry, unsigned corners, unsigned sides,
                                    float opacity);
    virtual void FillPath(const PathData& path, float opacity, FillRule rule) = 0;
    virtual void DrawPath(const PathData& path, float opacity) = 0;
    virtual void DrawLine(PointF from, PointF to, float opacity) = 0;
    // Draws the source rectangle (bitmap pixels) into the destination (logical pixels).
    virtual void DrawBitmap(const Bitmap& bitmap, const RectF& source, const RectF& dest, float opacity,
                            BitmapSampling sampling) = 0;
    // Fills text into the rectangle with the canvas font and the fill brush's colour.
    virtual void FillText(const RectF& rect, std::u16string_view text, TextWrap wrap, float opacity,
                          TextAlign horizontal, TextAlign vertical) = 0;
    // Size of the text on one line in the canvas font.
    virtual float TextWidth(std::u16string_view text) = 0;
    virtual float TextHeight(std::u16string_view text) = 0;

private:
    FillBrush fill_;
    StrokeBrush stroke_;
    Font font_;
    PathData outline_;
};

}  // namespace ui
