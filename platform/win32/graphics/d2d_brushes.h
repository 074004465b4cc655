#pragma once

#include <d2d1_1.h>
#include <wrl/client.h>

#include <cstdint>
#include <vector>

#include "ui/brush.h"

namespace platform::win32 {

// The brushes of one canvas: one solid brush recoloured for every primitive, and linear gradient brushes kept
// by their stops (the least recently used is replaced when the cache is full).
class D2DBrushes {
public:
    explicit D2DBrushes(ID2D1DeviceContext* context);

    // The solid brush in the colour, with the primitive's opacity.
    ID2D1Brush* Solid(ui::AlphaColor color, float opacity);
    // The brush that fills the bounds (logical pixels; gradients run relative to them) with the opacity; nullptr
    // for no fill.
    ID2D1Brush* Fill(const ui::FillBrush& fill, const D2D1_RECT_F& bounds, float opacity);

    static D2D1_COLOR_F Color(ui::AlphaColor color);

private:
    struct Gradient {
        std::vector<ui::GradientStop> stops;
        Microsoft::WRL::ComPtr<ID2D1LinearGradientBrush> brush;
        uint64_t lastUse = 0;
    };

    ID2D1LinearGradientBrush* FindGradient(const ui::FillBrush& fill);

    ID2D1DeviceContext* context_;
    Microsoft::WRL::ComPtr<ID2D1SolidColorBrush> solid_;
    std::vector<Gradient> gradients_;
    std::vector<D2D1_GRADIENT_STOP> scratch_;
    uint64_t clock_ = 0;
};

}  // namespace platform::win32
