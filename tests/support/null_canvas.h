#pragma once

#include <string_view>

#include "ui/canvas.h"

namespace testing_support {

// A canvas at 150 % that draws nothing and keeps nothing but counts what it was asked to draw, so that only the
// drawing code's own allocations count.
class NullCanvas : public ui::Canvas {
public:
    StateId SaveState() override { return depth_++; }
    void RestoreState(StateId state) override { depth_ = state; }
    void IntersectClipRect(const ui::RectF&) override {}
    ui::Matrix GetMatrix() const override { return matrix_; }
    void SetMatrix(const ui::Matrix& matrix) override { matrix_ = matrix; }
    float Scale() const override { return 1.5f; }
    bool BeginScene() override { return true; }
    void EndScene() override {}
    void FillRect(const ui::RectF&, float, float, unsigned, float) override { ++primitives; }
    void DrawRect(const ui::RectF&, float, float, unsigned, float) override { ++primitives; }
    void DrawRectSides(const ui::RectF&, unsigned, float) override { ++primitives; }
    void FillPath(const ui::PathData&, float, ui::FillRule) override { ++primitives; }
    void DrawPath(const ui::PathData&, float) override { ++primitives; }
    void DrawLine(ui::PointF, ui::PointF, float) override { ++primitives; }
    void DrawBitmap(const ui::Bitmap&, const ui::RectF&, const ui::RectF&, float, ui::BitmapSampling) override {
        ++bitmaps;
    }
    void FillText(const ui::RectF&, std::u16string_view, ui::TextWrap, float, ui::TextAlign, ui::TextAlign) override {
        ++texts;
    }
    float TextWidth(std::u16string_view) override { return 0; }
    float TextHeight(std::u16string_view) override { return 0; }

    int primitives = 0;
    int bitmaps = 0;
    int texts = 0;

private:
    StateId depth_ = 0;
    ui::Matrix matrix_;
};

}  // namespace testing_support
