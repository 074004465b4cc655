#include "platform/win32/graphics/d2d_brushes.h"

#include <algorithm>

#include "platform/win32/graphics/hresult_log.h"

namespace platform::win32 {

namespace {

constexpr size_t kMaxGradients = 24;

// The stops of a gradient fill: the fill's colour replaces the first stop's.
bool SameStops(const std::vector<ui::GradientStop>& kept, const ui::FillBrush& fill) {
    const auto& stops = fill.gradient.stops;
    if (kept.size() != stops.size()) return false;
    for (size_t i = 0; i < stops.size(); ++i) {
        const ui::AlphaColor color = i == 0 ? fill.color : stops[i].color;
        if (kept[i].color != color || kept[i].offset != stops[i].offset) return false;
    }
    return true;
}

}  // namespace

D2D1_COLOR_F D2DBrushes::Color(ui::AlphaColor c) {
    return D2D1::ColorF(((c >> 16) & 0xFF) / 255.0f, ((c >> 8) & 0xFF) / 255.0f, (c & 0xFF) / 255.0f,
                        ((c >> 24) & 0xFF) / 255.0f);
}

D2DBrushes::D2DBrushes(ID2D1DeviceContext* context) : context_(context) {
    LogIfFailed(context_->CreateSolidColorBrush(D2D1::ColorF(0, 0, 0, 1), &solid_),
                u"ID2D1RenderTarget::CreateSolidColorBrush");
    gradients_.reserve(kMaxGradients);
}

ID2D1Brush* D2DBrushes::Solid(ui::AlphaColor color, float opacity) {
    if (!solid_) return nullptr;
    solid_->SetColor(Color(color));
    solid_->SetOpacity(std::clamp(opacity, 0.0f, 1.0f));
    return solid_.Get();
}

ID2D1LinearGradientBrush* D2DBrushes::FindGradient(const ui::FillBrush& fill) {
    ++clock_;
    for (Gradient& g : gradients_) {
        if (SameStops(g.stops, fill)) {
            g.lastUse = clock_;
            return g.brush.Get();
        }
    }
    const auto& stops = fill.gradient.stops;
    scratch_.clear();
    for (size_t i = 0; i < stops.size(); ++i) {
        scratch_.push_back({stops[i].offset, Color(i == 0 ? fill.color : stops[i].color)});
    }
    Microsoft::WRL::ComPtr<ID2D1GradientStopCollection> collection;
    if (!LogIfFailed(context_->CreateGradientStopCollection(scratch_.data(), static_cast<UINT32>(scratch_.size()),
                                                            D2D1_GAMMA_2_2, D2D1_EXTEND_MODE_CLAMP, &collection),
                     u"ID2D1RenderTarget::CreateGradientStopCollection")) {
        return nullptr;
    }
    Microsoft::WRL::ComPtr<ID2D1LinearGradientBrush> brush;
    if (!LogIfFailed(context_->CreateLinearGradientBrush(
                         D2D1::LinearGradientBrushProperties(D2D1::Point2F(0, 0), D2D1::Point2F(0, 1)),
                         collection.Get(), &brush),
                     u"ID2D1RenderTarget::CreateLinearGradientBrush")) {
        return nullptr;
    }
    Gradient* slot = nullptr;
    if (gradients_.size() < kMaxGradients) {
        slot = &gradients_.emplace_back();
    } else {
        slot = &*std::min_element(gradients_.begin(), gradients_.end(),
                                  [](const Gradient& a, const Gradient& b) { return a.lastUse < b.lastUse; });
    }
    slot->stops.assign(stops.begin(), stops.end());
    slot->stops.front().color = fill.color;
    slot->brush = std::move(brush);
    slot->lastUse = clock_;
    return slot->brush.Get();
}

ID2D1Brush* D2DBrushes::Fill(const ui::FillBrush& fill, const D2D1_RECT_F& bounds, float opacity) {
    switch (fill.kind) {
        case ui::BrushKind::None:
            return nullptr;
        case ui::BrushKind::Solid:
            return Solid(fill.color, opacity);
        case ui::BrushKind::Gradient:
            break;
    }
    // A gradient needs two stops; with fewer the fill's colour is all there is.
    if (fill.gradient.stops.size() < 2) return Solid(fill.color, opacity);
    ID2D1LinearGradientBrush* brush = FindGradient(fill);
    if (!brush) return nullptr;
    const float width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
    const ui::PointF a = fill.gradient.startPoint, b = fill.gradient.endPoint;
    brush->SetStartPoint(D2D1::Point2F(bounds.left + a.x * width, bounds.top + a.y * height));
    brush->SetEndPoint(D2D1::Point2F(bounds.left + b.x * width, bounds.top + b.y * height));
    brush->SetOpacity(std::clamp(opacity, 0.0f, 1.0f));
    return brush;
}

}  // namespace platform::win32
