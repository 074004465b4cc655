// Times the skin's draw canvas on the Direct2D drawing services, per call: a rounded bordered rectangle, a
// rounded outline of two sides, a fill with a round hole and a cached text, each against drawing a bitmap of the
// same size in the same run, and counts the heap allocations of a warm call. Direct2D needs a display under
// Wine: bench/run-windows runs this inside a virtual one.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <new>
#include <vector>

#include "platform/win32/graphics/d2d_frame.h"
#include "platform/win32/graphics/d2d_graphics.h"
#include "skin/draw/draw_rect_param.h"
#include "skin/draw/draw_text_param.h"
#include "skin/draw/fire_monkey_draw_canvas.h"
#include "ui/bitmap.h"
#include "ui/graphics.h"

#include "bench/counted_allocations.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kCallsPerPaint = 200;
constexpr int kRuns = 15;

struct Result {
    double usPerCall = 0;
    double allocationsPerCall = 0;
};

// Median time per call of paints that each make kCallsPerPaint calls, and the allocations of the warm paints.
Result Measure(platform::win32::D2DFrame& frame, skin::TFireMonkeyDrawCanvas& canvas,
               const std::function<void(int)>& draw) {
    const auto paint = [&] {
        canvas.Prepare(frame.BeginPaint());
        for (int i = 0; i < kCallsPerPaint; ++i) draw(i);
        canvas.UnPrepare();
        frame.EndPaint();
    };
    paint();
    paint();
    std::vector<double> times;
    const long long before = bench::allocations.load();
    for (int run = 0; run < kRuns; ++run) {
        const auto start = Clock::now();
        paint();
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count() / kCallsPerPaint);
    }
    const long long made = bench::allocations.load() - before;
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], static_cast<double>(made) / (static_cast<double>(kRuns) * kCallsPerPaint)};
}

}  // namespace

int main() {
    try {
        platform::win32::D2DGraphics graphics;
        ui::SetGraphics(&graphics);
        const auto frame = graphics.CreateFrame(400, 200, 1);
        skin::TFireMonkeyDrawCanvas canvas;
        const ui::RectF box{20, 20, 220, 60};

        const auto bitmap = graphics.CreateBitmap(200, 40, 1);
        bitmap->GetCanvas().BeginScene();
        bitmap->GetCanvas().Fill().color = 0xFF2060A0;
        bitmap->GetCanvas().FillRect({0, 0, 200, 40}, 0, 0, ui::kCornerNone, 1);
        bitmap->GetCanvas().EndScene();

        skin::TDrawRectParam rounded(u"R", u"r");
        rounded.SetIsFill(true);
        rounded.FillColor().SetColor(0xFF2060A0);
        rounded.SetIsRound(true);
        rounded.SetBorderWidth(1);
        rounded.BorderColor().SetColor(0xFFFFFFFF);
        skin::TDrawRectParam sides(u"S", u"s");
        sides.SetIsRound(true);
        sides.SetBorderWidth(1);
        sides.SetBorderEadges({skin::TDRPBorderEadge::beTop, skin::TDRPBorderEadge::beRight});
        skin::TDrawRectParam hole(u"H", u"h");
        hole.SetIsFill(true);
        hole.IsClipRound = true;
        hole.ClipRoundRectSetting().SetEnabled(true);
        hole.ClipRoundRectSetting().SetMargins(10, 10, 10, 10);
        skin::TDrawTextParam text(u"T", u"t");
        text.SetFontName(u"DejaVu Sans");
        text.SetFontSize(14);

        const Result base = Measure(*frame, canvas, [&](int) {
            canvas.Canvas()->DrawBitmap(*bitmap, {0, 0, 200, 40}, box, 1, ui::BitmapSampling::Linear);
        });
        const Result rect = Measure(*frame, canvas, [&](int) { canvas.DrawRect(rounded, box); });
        const Result side = Measure(*frame, canvas, [&](int) { canvas.DrawRect(sides, box); });
        const Result clip = Measure(*frame, canvas, [&](int) { canvas.DrawRect(hole, box); });
        const Result label = Measure(*frame, canvas, [&](int) { canvas.DrawText(text, u"Install now", box); });

        std::printf("draw_canvas_bench: 200 x 40 logical pixels at scale 1, median of %d paints of %d calls\n", kRuns,
                    kCallsPerPaint);
        const auto line = [&](const char* name, const Result& r) {
            std::printf("  %-38s %8.2f us  %6.2fx  %.3f allocations/call\n", name, r.usPerCall,
                        r.usPerCall / base.usPerCall, r.allocationsPerCall);
        };
        line("bitmap draw (baseline)", base);
        line("rounded bordered rectangle", rect);
        line("rounded outline of two sides (path)", side);
        line("fill with a round hole (even-odd path)", clip);
        line("cached text layout", label);
        ui::SetGraphics(nullptr);
        return 0;
    } catch (const std::exception& e) {
        std::printf("draw_canvas_bench: %s\n", e.what());
        return 1;
    }
}
