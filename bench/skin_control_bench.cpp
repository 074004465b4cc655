// Times the paint of a window of 30 skinned panels (own material: a rounded bordered background and a caption)
// through the whole skin (control, control type, material, draw canvas) against making the same draw-canvas calls
// directly in the same run, per control, and counts the heap allocations of a warm paint. Direct2D needs a
// display under Wine: bench/run-windows runs this inside a virtual one.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "bench/counted_allocations.h"
#include "platform/win32/graphics/d2d_frame.h"
#include "platform/win32/graphics/d2d_graphics.h"
#include "skin/controls/register_skin_controls.h"
#include "skin/controls/skin_panel.h"
#include "skin/draw/draw_rect_param.h"
#include "skin/draw/draw_text_param.h"
#include "skin/draw/fire_monkey_draw_canvas.h"
#include "ui/canvas_state_saver.h"
#include "ui/form.h"
#include "ui/graphics.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kControls = 30;
constexpr int kWarmUp = 5;
constexpr int kRuns = 41;

struct Result {
    double usPerControl = 0;
    long long allocationsPerPaint = 0;
};

Result Measure(platform::win32::D2DFrame& frame, const std::function<void(ui::Canvas&)>& paint) {
    const auto once = [&] {
        ui::Canvas& canvas = frame.BeginPaint();
        paint(canvas);
        frame.EndPaint();
    };
    for (int i = 0; i < kWarmUp; ++i) once();
    std::vector<double> times;
    const long long before = bench::allocations.load();
    for (int i = 0; i < kRuns; ++i) {
        const auto start = Clock::now();
        once();
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    const long long made = bench::allocations.load() - before;
    std::nth_element(times.begin(), times.begin() + kRuns / 2, times.end());
    return {times[kRuns / 2] / kControls, made / kRuns};
}

void Style(skin::TDrawRectParam& back, skin::TDrawTextParam& caption) {
    back.SetIsFill(true);
    back.FillColor().SetColor(0xFF2F3640);
    back.SetIsRound(true);
    back.SetRoundWidth(6);
    back.SetRoundHeight(6);
    back.SetBorderWidth(1);
    back.BorderColor().SetColor(0xFF5A6270);
    caption.SetFontName(u"DejaVu Sans");
    caption.SetFontSize(13);
    caption.SetFontColor(0xFFFFFFFF);
}

ui::RectF Cell(int i) {
    const float x = 8 + static_cast<float>(i % 5) * 128;
    const float y = 8 + static_cast<float>(i / 5) * 60;
    return {x, y, x + 120, y + 52};
}

}  // namespace

int main() {
    try {
        platform::win32::D2DGraphics graphics;
        ui::SetGraphics(&graphics);
        skin::RegisterControlTypes();
        const auto frame = graphics.CreateFrame(656, 376, 1);

        ui::Form form;
        form.SetSize(656, 376);
        for (int i = 0; i < kControls; ++i) {
            auto* panel = form.CreateComponent<skin::TSkinFMXPanel>();
            panel->SetParent(&form);
            const ui::RectF cell = Cell(i);
            panel->SetBounds(cell.left, cell.top, cell.Width(), cell.Height());
            panel->Loaded();
            skin::TSkinPanelDefaultMaterial* material = panel->SelfOwnMaterialToDefault();
            material->SetIsTransparent(false);
            Style(material->DrawBackColorParam(), material->DrawCaptionParam());
            panel->SetCaption(u"Install now");
        }

        // The same draw-canvas calls, made directly: each control's clip and offset as the framework sets them.
        skin::TFireMonkeyDrawCanvas direct;
        skin::TDrawRectParam back(u"DrawBackColorParam", u"");
        skin::TDrawTextParam caption(u"DrawCaptionParam", u"");
        Style(back, caption);
        const Result baseline = Measure(*frame, [&](ui::Canvas& canvas) {
            for (int i = 0; i < kControls; ++i) {
                const ui::RectF cell = Cell(i);
                const ui::CanvasStateSaver saver(canvas);
                canvas.IntersectClipRect(cell);
                canvas.SetMatrix(ui::Matrix::Translation(cell.left, cell.top));
                direct.Prepare(canvas);
                const ui::RectF local{0, 0, cell.Width(), cell.Height()};
                direct.DrawRect(back, local);
                direct.DrawText(caption, u"Install now", local);
                direct.UnPrepare();
            }
        });
        const Result skinned = Measure(*frame, [&](ui::Canvas& canvas) { form.PaintTo(canvas); });

        std::printf(
            "skin_control_bench: %d skinned panels (rounded bordered background, caption), 656 x 376 at scale 1,"
            " median of %d paints\n",
            kControls, kRuns);
        std::printf("  %-44s %8.2f us/control  allocations/paint %lld\n", "draw-canvas calls made directly (baseline)",
                    baseline.usPerControl, baseline.allocationsPerPaint);
        std::printf("  %-44s %8.2f us/control  ratio %.2f  allocations/paint %lld\n",
                    "through control, type, material, canvas", skinned.usPerControl,
                    skinned.usPerControl / baseline.usPerControl, skinned.allocationsPerPaint);
        ui::SetGraphics(nullptr);
        return 0;
    } catch (const std::exception& e) {
        std::printf("skin_control_bench: %s\n", e.what());
        return 1;
    }
}
