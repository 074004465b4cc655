// Times a picture drawn by its parameter through the draw canvas (DrawSkinPicture) on Direct2D (nine-patch, three-part,
// aspect fit) per call, as a ratio to a plain bitmap draw of the same destination size in the same run, and counts the
// heap allocations the drawing makes once warmed up (none expected). Direct2D needs a display under Wine:
// bench/run-windows runs this inside a virtual one.

#include <windows.h>

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
#include "skin/draw/draw_picture_param.h"
#include "skin/draw/fire_monkey_draw_canvas.h"
#include "ui/bitmap.h"
#include "ui/canvas.h"

#include "bench/counted_allocations.h"

namespace {

using Clock = std::chrono::steady_clock;
using platform::win32::D2DGraphics;

constexpr int kDrawsPerPaint = 200;
constexpr int kWarmUp = 3;
constexpr int kRuns = 15;
constexpr ui::RectF kDest{10, 10, 330, 70};  // 320 x 60, a wide button or progress track

std::unique_ptr<ui::Bitmap> Striped(D2DGraphics& graphics, int width, int height) {
    auto picture = graphics.CreateBitmap(width, height, 1);
    const ui::BitmapPixels px = picture->Map(ui::MapAccess::ReadWrite);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) px.At(x, y) = (x / 4 + y / 4) % 2 ? 0xFF32D296 : 0xFF2F2F2F;
    }
    picture->Unmap();
    return picture;
}

struct Result {
    double microsPerDraw;
    long long allocationsPerDraw;
};

// Paints kDrawsPerPaint draws per frame; the median frame time over the draws, and the allocations of the draws
// (not of the frame's begin and end) once warmed up.
Result Measure(platform::win32::D2DFrame& frame, const std::function<void(ui::Canvas&)>& draw) {
    std::vector<double> times;
    long long drawAllocations = 0;
    for (int run = 0; run < kWarmUp + kRuns; ++run) {
        const auto start = Clock::now();
        ui::Canvas& canvas = frame.BeginPaint();
        const long long before = bench::allocations.load();
        for (int i = 0; i < kDrawsPerPaint; ++i) draw(canvas);
        const long long after = bench::allocations.load();
        frame.EndPaint();
        const double micros = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
        if (run >= kWarmUp) {
            times.push_back(micros / kDrawsPerPaint);
            drawAllocations += after - before;
        }
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], drawAllocations / (kRuns * static_cast<long long>(kDrawsPerPaint))};
}

}  // namespace

int main() {
    auto graphics = std::make_unique<D2DGraphics>();
    auto frame = graphics->CreateFrame(340, 80, 1);
    auto patch = Striped(*graphics, 32, 32);
    auto track = Striped(*graphics, 20, 20);
    auto logo = Striped(*graphics, 96, 96);
    auto plain = Striped(*graphics, 320, 60);

    skin::TDrawPictureParam ninePatch(u"NinePatch", u"nine-patch");
    ninePatch.SetIsStretch(true);
    ninePatch.SetStretchStyle(skin::TPictureStretchStyle::issSquare);
    skin::TDrawPictureParam threePart(u"ThreePart", u"three-part");
    threePart.SetIsStretch(true);
    threePart.SetStretchStyle(skin::TPictureStretchStyle::issThreePartHorz);
    skin::TDrawPictureParam fitted(u"Fitted", u"fitted");
    fitted.SetIsStretch(true);
    fitted.SetIsAutoFit(true);
    fitted.SetPictureHorzAlign(skin::TPictureHorzAlign::phaCenter);
    fitted.SetPictureVertAlign(skin::TPictureVertAlign::pvaCenter);
    fitted.DrawRectSetting().SetEnabled(false);

    const auto sampling = ui::BitmapSampling::Linear;
    const Result baseline = Measure(*frame, [&](ui::Canvas& c) {
        c.DrawBitmap(*plain, {0, 0, 320, 60}, kDest, 1, sampling);
    });
    // A plain draw stretching a small picture over the same destination: one scaled draw, the unit the stretch
    // styles are made of (the plain same-size draw above is a pixel copy on this canvas).
    const Result stretched = Measure(*frame, [&](ui::Canvas& c) {
        c.DrawBitmap(*patch, {0, 0, 32, 32}, kDest, 1, sampling);
    });
    struct Case {
        const char* name;
        const ui::Bitmap& picture;
        const skin::TDrawPictureParam& param;
    };
    const Case cases[] = {
        {"nine-patch 32x32 -> 320x60", *patch, ninePatch},
        {"three-part 20x20 -> 320x60", *track, threePart},
        {"aspect fit 96x96 -> 60x60 in 320x60", *logo, fitted},
    };
    std::printf("picture_draw_bench: per draw, %d draws per frame, median of %d frames\n", kDrawsPerPaint, kRuns);
    std::printf("  %-40s %8.2f us  (baseline) allocations/draw %lld\n", "plain bitmap draw 320x60",
                baseline.microsPerDraw, baseline.allocationsPerDraw);
    std::printf("  %-40s %8.2f us  ratio %.2f  (second baseline)\n", "plain stretched draw 32x32 -> 320x60",
                stretched.microsPerDraw, stretched.microsPerDraw / baseline.microsPerDraw);
    int status = 0;
    for (const Case& c : cases) {
        skin::TFireMonkeyDrawCanvas drawCanvas;
        const Result r = Measure(*frame, [&](ui::Canvas& canvas) {
            if (drawCanvas.Canvas() != &canvas) drawCanvas.Prepare(canvas);
            drawCanvas.DrawSkinPicture(c.param, &c.picture, kDest);
        });
        std::printf("  %-40s %8.2f us  ratio %.2f  to the stretched draw %.2f  allocations/draw %lld\n", c.name,
                    r.microsPerDraw, r.microsPerDraw / baseline.microsPerDraw,
                    r.microsPerDraw / stretched.microsPerDraw, r.allocationsPerDraw);
        if (r.allocationsPerDraw != 0) status = 1;
    }
    return status;
}
