#include "platform/win32/graphics/d2d_canvas.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "platform/win32/graphics/d2d_bitmap.h"
#include "platform/win32/graphics/d2d_factories.h"
#include "platform/win32/graphics/d2d_pixels.h"
#include "platform/win32/graphics/hresult_log.h"
#include "ui/text.h"

namespace platform::win32 {

namespace {

// Saved states kept without growing; deeper nesting still works, it only allocates.
constexpr size_t kSavedStates = 64;
// The box of a one-line measurement.
constexpr float kUnbounded = 1e6f;

D2D1_RECT_F ToD2D(const ui::RectF& r) { return D2D1::RectF(r.left, r.top, r.right, r.bottom); }
ui::RectF FromD2D(const D2D1_RECT_F& r) { return {r.left, r.top, r.right, r.bottom}; }

// Whether the value lies on a whole pixel (within what float arithmetic leaves over).
bool Whole(float v) { return std::fabs(v - std::round(v)) < 1e-3f; }

// Whether a brush of the colour at the opacity leaves every pixel as it is (blending nothing in).
bool Clear(ui::AlphaColor color, float opacity) { return (color >> 24) == 0 || opacity <= 0; }

// The same for a fill: only a solid colour is looked at (a gradient with fewer than two stops is one).
bool ClearFill(const ui::FillBrush& fill, float opacity) {
    const bool solid = fill.kind == ui::BrushKind::Solid ||
                       (fill.kind == ui::BrushKind::Gradient && fill.gradient.stops.size() < 2);
    return opacity <= 0 || (solid && Clear(fill.color, opacity));
}

// The target's pixels in device coordinates.
ui::RectF PixelArea(D2D1_SIZE_U size) {
    return {0, 0, static_cast<float>(size.width), static_cast<float>(size.height)};
}

}  // namespace

D2DCanvas::D2DCanvas(D2DFactories& factories, DWriteTextFormats& formats, ID2D1Bitmap1* target, float scale)
    : factories_(factories),
      context_(factories.CreateDeviceContext()),
      target_(target),
      scale_(scale > 0 ? scale : 1),
      brushes_(context_.Get()),
      geometries_(factories.D2D()),
      layouts_(formats) {
    if (target_) context_->SetTarget(target_.Get());
    saved_.reserve(kSavedStates);
    clips_.reserve(kSavedStates);
}

D2DCanvas::~D2DCanvas() {
    if (sceneDepth_ > 0) {
        sceneDepth_ = 1;
        EndScene();
    }
}

bool D2DCanvas::Drawing(const char16_t* operation) {
    if (sceneDepth_ > 0) return true;
    LogGraphics(std::u16string(operation) + u" called outside a scene; nothing drawn");
    return false;
}

ui::Matrix D2DCanvas::DeviceMatrix() const { return matrix_.Then(ui::Matrix::Scaling(scale_, scale_)); }

void D2DCanvas::ApplyTransform() {
    const ui::Matrix m = DeviceMatrix();
    context_->SetTransform(D2D1::Matrix3x2F(m.m11, m.m12, m.m21, m.m22, m.dx, m.dy));
}

void D2DCanvas::PopClips(size_t depth) {
    while (clips_.size() > depth) {
        context_->PopAxisAlignedClip();
        clips_.pop_back();
    }
}

bool D2DCanvas::BeginScene() {
    if (!target_) return false;
    if (sceneDepth_++ > 0) return true;
    ++scenes_;
    matrix_ = {};
    saved_.clear();
    clips_.clear();
    transparent_ = touched_ = {};
    context_->BeginDraw();
    ApplyTransform();
    return true;
}

void D2DCanvas::EndScene() {
    if (sceneDepth_ == 0) {
        LogGraphics(u"EndScene without BeginScene");
        return;
    }
    if (--sceneDepth_ > 0) return;
    PopClips(0);
    saved_.clear();
    transparent_ = touched_ = {};
    LogIfFailed(context_->EndDraw(), u"ID2D1RenderTarget::EndDraw");
}

bool D2DCanvas::Flush() {
    if (sceneDepth_ == 0) return true;
    const HRESULT hr = context_->Flush();
    if (hr == E_NOTIMPL) {
        // Wine's device contexts do not batch: what was drawn is in the target already.
        if (!flushLogged_) LogGraphics(u"ID2D1RenderTarget::Flush is not implemented; drawing is not batched here");
        flushLogged_ = true;
        return true;
    }
    return LogIfFailed(hr, u"ID2D1RenderTarget::Flush");
}

ui::Canvas::StateId D2DCanvas::SaveState() {
    saved_.push_back({matrix_, clips_.size()});
    return static_cast<StateId>(saved_.size() - 1);
}

void D2DCanvas::RestoreState(StateId state) {
    if (state < 0 || static_cast<size_t>(state) >= saved_.size()) {
        LogGraphics(u"RestoreState of a state that was not saved");
        return;
    }
    const Saved saved = saved_[static_cast<size_t>(state)];
    saved_.resize(static_cast<size_t>(state));
    if (sceneDepth_ > 0) PopClips(saved.clipDepth);
    matrix_ = saved.matrix;
    if (sceneDepth_ > 0) ApplyTransform();
}

void D2DCanvas::IntersectClipRect(const ui::RectF& rect) {
    if (!Drawing(u"IntersectClipRect")) return;
    D2D1_RECT_F clip = ToD2D(rect);
    clip.right = std::max(clip.right, clip.left);
    clip.bottom = std::max(clip.bottom, clip.top);
    context_->PushAxisAlignedClip(clip, D2D1_ANTIALIAS_MODE_ALIASED);

    const ui::Matrix m = DeviceMatrix();
    const bool unrotated = m.m12 == 0 && m.m21 == 0;
    DeviceClip device{ui::RectF::FromCorners(m.Apply({clip.left, clip.top}), m.Apply({clip.right, clip.bottom})),
                      unrotated, unrotated};
    device.exact = device.exact && Whole(device.rect.left) && Whole(device.rect.top) && Whole(device.rect.right) &&
                   Whole(device.rect.bottom);
    if (!clips_.empty()) {
        const DeviceClip& outer = clips_.back();
        device.rect = device.rect.Intersect(outer.rect);
        device.exact = device.exact && outer.exact;
        if (!device.bounded) device.rect = outer.rect;
        device.bounded = device.bounded || outer.bounded;
    }
    clips_.push_back(device);
}

void D2DCanvas::SetMatrix(const ui::Matrix& matrix) {
    matrix_ = matrix;
    if (sceneDepth_ > 0) ApplyTransform();
}

bool D2DCanvas::RectVisible(const ui::RectF& rect) const {
    if (sceneDepth_ == 0 || !target_) return true;
    return DeviceRectVisible(DeviceMatrix().MapRect(rect));
}

bool D2DCanvas::DeviceRectVisible(const ui::RectF& device) const {
    if (sceneDepth_ == 0 || !target_) return true;
    if (!std::isfinite(device.left) || !std::isfinite(device.top) || !std::isfinite(device.right) ||
        !std::isfinite(device.bottom)) {
        return true;
    }
    // Whole device pixels on both sides: an aliased clip keeps every pixel whose centre it holds, and a shape
    // partly covering a pixel changes it.
    ui::RectF area = PixelArea(target_->GetPixelSize());
    if (!clips_.empty() && clips_.back().bounded) {
        const ui::RectF& clip = clips_.back().rect;
        area = area.Intersect(
            {std::floor(clip.left), std::floor(clip.top), std::ceil(clip.right), std::ceil(clip.bottom)});
    }
    return !area.Intersect({std::floor(device.left), std::floor(device.top), std::ceil(device.right),
                            std::ceil(device.bottom)})
                .IsEmpty();
}

void D2DCanvas::SetTransparentArea(const D2D1_RECT_F& device) {
    if (sceneDepth_ != 1) {
        LogGraphics(u"SetTransparentArea outside the outermost scene; ignored");
        return;
    }
    transparent_ = FromD2D(device);
    touched_ = {};
}

void D2DCanvas::Touch(const ui::RectF* bounds, float margin) {
    if (transparent_.IsEmpty()) return;
    const ui::Matrix m = DeviceMatrix();
    if (!bounds || m.m12 != 0 || m.m21 != 0) {
        TouchDevice(nullptr);
        return;
    }
    const ui::RectF widened = bounds->Inflate(margin);
    const ui::RectF device =
        ui::RectF::FromCorners(m.Apply(widened.TopLeft()), m.Apply({widened.right, widened.bottom}));
    TouchDevice(&device);
}

void D2DCanvas::TouchDevice(const ui::RectF* device) {
    if (transparent_.IsEmpty()) return;
    ui::RectF area = PixelArea(target_->GetPixelSize());
    if (!clips_.empty() && clips_.back().bounded) area = area.Intersect(clips_.back().rect);
    if (device) {
        // A pixel partly covered (antialiased edges) is drawn on as well.
        area = area.Intersect(
            {std::floor(device->left), std::floor(device->top), std::ceil(device->right), std::ceil(device->bottom)});
    }
    if (area.IsEmpty()) return;
    touched_ = touched_.Union(area);
}

ID2D1Brush* D2DCanvas::StrokeBrush(float opacity) { return brushes_.Solid(Stroke().color, opacity); }

ID2D1StrokeStyle* D2DCanvas::StrokeStyle() const {
    return Stroke().dash == ui::DashStyle::Dash ? factories_.DashStyle() : nullptr;
}

void D2DCanvas::FillRect(const ui::RectF& r, float rx, float ry, unsigned corners, float opacity) {
    // Nothing to blend in, or nothing of it inside the clip: the call is left out (it would still cost its set-up).
    if (!Drawing(u"FillRect") || r.IsEmpty() || ClearFill(Fill(), opacity) || !RectVisible(r)) return;
    const D2D1_RECT_F rect = ToD2D(r);
    ID2D1Brush* brush = brushes_.Fill(Fill(), rect, opacity);
    if (!brush) return;
    Touch(&r);
    corners &= ui::kCornersAll;
    if (rx <= 0 || ry <= 0 || corners == ui::kCornerNone) {
        context_->FillRectangle(rect, brush);
    } else if (corners == ui::kCornersAll) {
        context_->FillRoundedRectangle(
            D2D1::RoundedRect(rect, std::min(rx, r.Width() / 2), std::min(ry, r.Height() / 2)), brush);
    } else if (ID2D1Geometry* shape = geometries_.RoundedRect(r, rx, ry, corners)) {
        context_->FillGeometry(shape, brush);
    }
}

void D2DCanvas::DrawRect(const ui::RectF& r, float rx, float ry, unsigned corners, float opacity) {
    if (!Drawing(u"DrawRect") || r.Width() < 0 || r.Height() < 0 || Stroke().thickness <= 0) return;
    if (Clear(Stroke().color, opacity) || !RectVisible(r.Inflate(Stroke().thickness))) return;
    const D2D1_RECT_F rect = ToD2D(r);
    ID2D1Brush* brush = StrokeBrush(opacity);
    if (!brush) return;
    const float width = Stroke().thickness;
    Touch(&r, width);
    corners &= ui::kCornersAll;
    if (rx <= 0 || ry <= 0 || corners == ui::kCornerNone) {
        context_->DrawRectangle(rect, brush, width, StrokeStyle());
    } else if (corners == ui::kCornersAll) {
        context_->DrawRoundedRectangle(
            D2D1::RoundedRect(rect, std::min(rx, r.Width() / 2), std::min(ry, r.Height() / 2)), brush, width,
            StrokeStyle());
    } else if (ID2D1Geometry* shape = geometries_.RoundedRect(r, rx, ry, corners)) {
        context_->DrawGeometry(shape, brush, width, StrokeStyle());
    }
}

void D2DCanvas::DrawRectSides(const ui::RectF& r, unsigned sides, float opacity) {
    if (!Drawing(u"DrawRectSides") || r.Width() < 0 || r.Height() < 0 || Stroke().thickness <= 0) return;
    if (Clear(Stroke().color, opacity) || !RectVisible(r.Inflate(Stroke().thickness))) return;
    sides &= ui::kSidesAll;
    if (sides == ui::kSideNone) return;
    ID2D1Brush* brush = StrokeBrush(opacity);
    if (!brush) return;
    Touch(&r, Stroke().thickness);
    if (sides == ui::kSidesAll) {
        context_->DrawRectangle(ToD2D(r), brush, Stroke().thickness, StrokeStyle());
    } else if (ID2D1Geometry* shape = geometries_.RectSides(r, sides)) {
        context_->DrawGeometry(shape, brush, Stroke().thickness, StrokeStyle());
    }
}

void D2DCanvas::FillPath(const ui::PathData& path, float opacity, ui::FillRule rule) {
    if (!Drawing(u"FillPath") || path.Empty() || Fill().kind == ui::BrushKind::None) return;
    ID2D1Geometry* shape = geometries_.Path(path, rule);
    if (!shape) return;
    D2D1_RECT_F bounds{};
    if (!LogIfFailed(shape->GetBounds(nullptr, &bounds), u"ID2D1Geometry::GetBounds")) return;
    Touch();
    if (ID2D1Brush* brush = brushes_.Fill(Fill(), bounds, opacity)) context_->FillGeometry(shape, brush);
}

void D2DCanvas::DrawPath(const ui::PathData& path, float opacity) {
    if (!Drawing(u"DrawPath") || path.Empty() || Stroke().thickness <= 0) return;
    ID2D1Geometry* shape = geometries_.Path(path, ui::FillRule::NonZero);
    ID2D1Brush* brush = StrokeBrush(opacity);
    Touch();
    if (shape && brush) context_->DrawGeometry(shape, brush, Stroke().thickness, StrokeStyle());
}

void D2DCanvas::DrawLine(ui::PointF from, ui::PointF to, float opacity) {
    if (!Drawing(u"DrawLine") || Stroke().thickness <= 0) return;
    Touch();
    if (ID2D1Brush* brush = StrokeBrush(opacity)) {
        context_->DrawLine(D2D1::Point2F(from.x, from.y), D2D1::Point2F(to.x, to.y), brush, Stroke().thickness,
                           StrokeStyle());
    }
}

void D2DCanvas::DrawBitmap(const ui::Bitmap& bitmap, const ui::RectF& source, const ui::RectF& dest, float opacity,
                           ui::BitmapSampling sampling) {
    if (!Drawing(u"DrawBitmap")) return;
    // Pieces of no or negative size (a stretch margin wider than the picture) draw nothing.
    if (source.IsEmpty() || dest.IsEmpty() || opacity <= 0) return;
    // Drawing calls wholly clipped away still cost their set-up: left out.
    if (!RectVisible(dest)) return;
    const auto* picture = dynamic_cast<const D2DBitmap*>(&bitmap);
    if (!picture) {
        LogGraphics(u"DrawBitmap of a bitmap that was not made by the Direct2D drawing services");
        return;
    }
    ID2D1Bitmap1* native = picture->Native();
    if (!native) return;
    if (native == target_.Get()) {
        LogGraphics(u"DrawBitmap of a bitmap onto its own canvas");
        return;
    }
    if (opacity >= 1 && CopyBitmap(native, picture->IsOpaque(), source, dest)) return;
    if (opacity < 1 && CopyFaded(*picture, opacity, source, dest)) return;
    Touch(&dest);
    const D2D1_RECT_F from = ToD2D(source);
    // The Direct2D 1.0 call: its two interpolation modes are the ones every runtime implements.
    static_cast<ID2D1RenderTarget*>(context_.Get())
        ->DrawBitmap(native, ToD2D(dest), std::clamp(opacity, 0.0f, 1.0f),
                     sampling == ui::BitmapSampling::NearestNeighbor ? D2D1_BITMAP_INTERPOLATION_MODE_NEAREST_NEIGHBOR
                                                                     : D2D1_BITMAP_INTERPOLATION_MODE_LINEAR,
                     &from);
}

std::optional<D2DCanvas::CopyPlace> D2DCanvas::PlaceCopy(D2D1_SIZE_U size, bool opaque, const ui::RectF& source,
                                                         const ui::RectF& dest) const {
    if (!opaque && transparent_.IsEmpty()) return std::nullopt;
    const ui::Matrix m = DeviceMatrix();
    if (m.m12 != 0 || m.m21 != 0 || m.m11 <= 0 || m.m22 <= 0) return std::nullopt;
    if (!clips_.empty() && !clips_.back().exact) return std::nullopt;
    if (!Whole(source.left) || !Whole(source.top) || !Whole(source.right) || !Whole(source.bottom) || source.left < 0 ||
        source.top < 0 || source.right > size.width || source.bottom > size.height) {
        return std::nullopt;
    }
    const ui::PointF a = m.Apply(dest.TopLeft()), b = m.Apply({dest.right, dest.bottom});
    if (!Whole(a.x) || !Whole(a.y) || !Whole(b.x) || !Whole(b.y)) return std::nullopt;
    const long sx = std::lround(source.left), sy = std::lround(source.top);
    long left = std::lround(a.x), top = std::lround(a.y), right = std::lround(b.x), bottom = std::lround(b.y);
    if (right - left != std::lround(source.right) - sx || bottom - top != std::lround(source.bottom) - sy) {
        return std::nullopt;
    }

    // Cut to the target and the clip; the source moves along.
    const D2D1_SIZE_U bounds = target_->GetPixelSize();
    long clipLeft = 0, clipTop = 0, clipRight = static_cast<long>(bounds.width),
         clipBottom = static_cast<long>(bounds.height);
    if (!clips_.empty()) {
        const ui::RectF& c = clips_.back().rect;
        clipLeft = std::max(clipLeft, std::lround(c.left));
        clipTop = std::max(clipTop, std::lround(c.top));
        clipRight = std::min(clipRight, std::lround(c.right));
        clipBottom = std::min(clipBottom, std::lround(c.bottom));
    }
    const long cutLeft = std::max(left, clipLeft) - left, cutTop = std::max(top, clipTop) - top;
    right = std::min(right, clipRight);
    bottom = std::min(bottom, clipBottom);
    left += cutLeft;
    top += cutTop;
    CopyPlace place{left, top, right, bottom, sx + cutLeft, sy + cutTop};
    if (right <= left || bottom <= top) return place;  // wholly clipped away
    const ui::RectF area{static_cast<float>(left), static_cast<float>(top), static_cast<float>(right),
                         static_cast<float>(bottom)};
    if (!opaque && (!transparent_.Contains(area) || !touched_.Intersect(area).IsEmpty())) return std::nullopt;
    return place;
}

bool D2DCanvas::CopyBitmap(ID2D1Bitmap1* bitmap, bool opaque, const ui::RectF& source, const ui::RectF& dest) {
    const std::optional<CopyPlace> place = PlaceCopy(bitmap->GetPixelSize(), opaque, source, dest);
    if (!place) return false;
    if (place->right <= place->left || place->bottom <= place->top) return true;  // wholly clipped away
    Touch(&dest);

    // What was drawn before must be in the target before the copy lands on it.
    if (!Flush()) return false;
    const D2D1_POINT_2U at = D2D1::Point2U(static_cast<UINT32>(place->left), static_cast<UINT32>(place->top));
    const D2D1_RECT_U from = D2D1::RectU(static_cast<UINT32>(place->sourceX), static_cast<UINT32>(place->sourceY),
                                         static_cast<UINT32>(place->sourceX + (place->right - place->left)),
                                         static_cast<UINT32>(place->sourceY + (place->bottom - place->top)));
    return LogIfFailed(target_->CopyFromBitmap(&at, bitmap, &from), u"ID2D1Bitmap::CopyFromBitmap");
}

bool D2DCanvas::CopyFaded(const D2DBitmap& bitmap, float opacity, const ui::RectF& source, const ui::RectF& dest) {
    // Only pixels still transparent get a copy: anywhere else the faded pixels would be rounded twice.
    ID2D1Bitmap1* native = bitmap.Native();
    // Only a draw that could be a copy is looked at, so that other faded draws (a picture fading in over the
    // background) do not take the kept copy's place.
    if (!PlaceCopy(native->GetPixelSize(), false, source, dest)) return false;
    const uint64_t generation = bitmap.Generation();
    if (faded_.source.Get() != native || faded_.generation != generation || faded_.opacity != opacity) {
        // The first draw of this bitmap at this opacity: blended; a fade in progress never gets a copy.
        faded_ = {native, generation, opacity, nullptr};
        return false;
    }
    if (!faded_.pixels) {
        // The faded copy: the bitmap blended at the opacity onto transparent pixels, one to one, as the target gets it.
        const D2D1_SIZE_U size = native->GetPixelSize();
        try {
            faded_.pixels = CreateDeviceBitmap(factories_.ResourceContext(), static_cast<int>(size.width),
                                               static_cast<int>(size.height), D2D1_BITMAP_OPTIONS_TARGET, nullptr);
        } catch (const std::exception& e) {
            LogGraphics(u"cannot make the faded copy of a bitmap: " + ui::Utf8ToUtf16(e.what()));
            faded_.source.Reset();
            return false;
        }
        ID2D1DeviceContext* context = factories_.TextContext();
        context->SetTarget(faded_.pixels.Get());
        context->BeginDraw();
        context->SetTransform(D2D1::Matrix3x2F::Identity());
        context->Clear(D2D1::ColorF(0, 0, 0, 0));
        const D2D1_RECT_F all = D2D1::RectF(0, 0, static_cast<float>(size.width), static_cast<float>(size.height));
        static_cast<ID2D1RenderTarget*>(context)->DrawBitmap(native, all, std::clamp(opacity, 0.0f, 1.0f),
                                                              D2D1_BITMAP_INTERPOLATION_MODE_LINEAR, &all);
        const HRESULT hr = context->EndDraw();
        context->SetTarget(nullptr);
        if (!LogIfFailed(hr, u"ID2D1RenderTarget::EndDraw (faded bitmap)")) {
            faded_.source.Reset();
            faded_.pixels.Reset();
            return false;
        }
    }
    return CopyBitmap(faded_.pixels.Get(), false, source, dest);
}

void D2DCanvas::FillText(const ui::RectF& rect, std::u16string_view text, ui::TextWrap wrap, float opacity,
                         ui::TextAlign horizontal, ui::TextAlign vertical) {
    if (!Drawing(u"FillText") || text.empty()) return;
    const DWriteLayoutCache::Layout found = layouts_.Get(
        {text, &CanvasFont(), std::max(rect.Width(), 0.0f), std::max(rect.Height(), 0.0f), wrap, horizontal, vertical});
    if (!found.layout) return;
    // A gradient of fewer than two stops fills in the fill's colour as well.
    const bool solid = Fill().kind == ui::BrushKind::Solid ||
                       (Fill().kind == ui::BrushKind::Gradient && Fill().gradient.stops.size() < 2);
    if (solid) {
        DrawTextLayout(found.layout, rect.TopLeft(), Fill().color, opacity, found.bitmap);
    } else if (ID2D1Brush* brush = brushes_.Fill(Fill(), ToD2D(rect), opacity)) {
        // A gradient runs across the text's box: drawn directly.
        Touch();
        context_->DrawTextLayout(D2D1::Point2F(rect.left, rect.top), found.layout, brush, D2D1_DRAW_TEXT_OPTIONS_NONE);
    }
}

DWRITE_TEXT_METRICS D2DCanvas::Measure(std::u16string_view text) {
    DWRITE_TEXT_METRICS metrics{};
    IDWriteTextLayout* layout = layouts_
                                    .Get({text, &CanvasFont(), kUnbounded, kUnbounded, ui::TextWrap::None,
                                          ui::TextAlign::Leading, ui::TextAlign::Leading})
                                    .layout;
    if (layout) LogIfFailed(layout->GetMetrics(&metrics), u"IDWriteTextLayout::GetMetrics");
    return metrics;
}

float D2DCanvas::TextWidth(std::u16string_view text) {
    return text.empty() ? 0.0f : Measure(text).widthIncludingTrailingWhitespace;
}

float D2DCanvas::TextHeight(std::u16string_view text) { return Measure(text).height; }

void D2DCanvas::DrawTextLayout(IDWriteTextLayout* layout, ui::PointF origin, ui::AlphaColor color, float opacity,
                               D2DTextBitmap* bitmap) {
    if (!Drawing(u"RenderLayout") || !layout) return;
    if (bitmap && textBitmaps_ && bitmap->Draw(*this, layout, origin, color, opacity)) return;
    Touch();
    if (ID2D1Brush* brush = brushes_.Solid(color, opacity)) {
        context_->DrawTextLayout(D2D1::Point2F(origin.x, origin.y), layout, brush, D2D1_DRAW_TEXT_OPTIONS_NONE);
    }
}

void D2DCanvas::DrawDeviceBitmap(ID2D1Bitmap* bitmap, const D2D1_RECT_F& dest, const D2D1_RECT_F& source,
                                 float opacity) {
    if (!Drawing(u"DrawBitmap") || !bitmap) return;
    // Only the part on the target is drawn, the source cut along (a scaled draw cuts by the same ratio):
    // Direct2D need not sample a bitmap whose destination reaches past the target's edge the same way.
    // A part on the target means the destination has a size: the ratios below divide by it.
    const ui::RectF to = FromD2D(dest).Intersect(PixelArea(target_->GetPixelSize()));
    if (to.IsEmpty() || !DeviceRectVisible(to)) return;
    const float sx = (source.right - source.left) / (dest.right - dest.left);
    const float sy = (source.bottom - source.top) / (dest.bottom - dest.top);
    const D2D1_RECT_F from =
        D2D1::RectF(source.left + (to.left - dest.left) * sx, source.top + (to.top - dest.top) * sy,
                    source.right - (dest.right - to.right) * sx, source.bottom - (dest.bottom - to.bottom) * sy);
    TouchDevice(&to);
    context_->SetTransform(D2D1::Matrix3x2F::Identity());
    // Whole pixels onto whole pixels: nearest neighbour copies them exactly.
    static_cast<ID2D1RenderTarget*>(context_.Get())
        ->DrawBitmap(bitmap, ToD2D(to), std::clamp(opacity, 0.0f, 1.0f),
                     D2D1_BITMAP_INTERPOLATION_MODE_NEAREST_NEIGHBOR, &from);
    ApplyTransform();
}

}  // namespace platform::win32
