// Times one full window frame on the Direct2D drawing services (656 x 376 at scale 1: the 640 x 360 picture, a
// dozen rounded rectangles, text layouts, a progress bar of picture pieces) against presenting an already
// painted frame with UpdateLayeredWindow, and counts the heap allocations a paint makes once warmed up.
// Direct2D needs a display under Wine: bench/run-windows runs this inside a virtual one.

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include "platform/win32/graphics/d2d_canvas.h"
#include "platform/win32/graphics/d2d_frame.h"
#include "platform/win32/graphics/d2d_graphics.h"
#include "ui/bitmap.h"
#include "ui/canvas.h"
#include "ui/canvas_state_saver.h"
#include "ui/text_layout.h"

#include "bench/counted_allocations.h"
#include "bench/layered_present.h"

namespace {

using Clock = std::chrono::steady_clock;
using platform::win32::D2DFrame;
using platform::win32::D2DGraphics;

constexpr int kWidth = 656;
constexpr int kHeight = 376;
constexpr int kWarmUp = 5;
constexpr int kRuns = 40;

const ui::GradientStop kGreen[] = {{0xFF32D296, 0}, {0xFF1E9E6E, 1}};

std::unique_ptr<ui::Bitmap> Picture(D2DGraphics& graphics) {
    auto picture = graphics.CreateBitmap(640, 360, 1);
    const ui::BitmapPixels px = picture->Map(ui::MapAccess::ReadWrite);
    for (int y = 0; y < px.height; ++y) {
        for (int x = 0; x < px.width; ++x) {
            const uint32_t r = 20 + x * 40 / 640, g = 30 + y * 40 / 360, b = 60 + (x + y) * 60 / 1000;
            px.At(x, y) = 0xFF000000u | (r << 16) | (g << 8) | b;
        }
    }
    picture->Unmap();
    return picture;
}

std::unique_ptr<ui::Bitmap> Track(D2DGraphics& graphics) {
    auto track = graphics.CreateBitmap(20, 4, 1);
    const ui::BitmapPixels px = track->Map(ui::MapAccess::ReadWrite);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 20; ++x) px.At(x, y) = 0xFF32D296;
    }
    track->Unmap();
    return track;
}

// The soft shadow around the picture as a glow effect keeps it: a translucent bitmap of the whole frame.
std::unique_ptr<ui::Bitmap> Shadow(D2DGraphics& graphics) {
    auto shadow = graphics.CreateBitmap(kWidth, kHeight, 1);
    ui::Canvas& c = shadow->GetCanvas();
    if (c.BeginScene()) {
        c.Fill().kind = ui::BrushKind::Solid;
        c.Fill().color = 0xFF000000;
        for (int i = 0; i < 8; ++i) {
            c.FillRect({8.0f - i, 8.0f - i, 648.0f + i, 368.0f + i}, 4.0f + i, 4.0f + i, ui::kCornersAll, 0.06f);
        }
        c.EndScene();
    }
    return shadow;
}

// The window's painted state: pictures and the text layouts its text parameters keep between paints.
struct Window {
    std::unique_ptr<ui::Bitmap> shadow;
    std::unique_ptr<ui::Bitmap> picture;
    std::unique_ptr<ui::Bitmap> track;
    std::unique_ptr<ui::TextLayout> texts[4];
    float progress = 0.5f;
    // The part being repainted (logical pixels); controls outside it are skipped, as the framework does.
    ui::RectF dirty{0, 0, kWidth, kHeight};
    bool text = true;
    // Draws only the shadow's edges that the opaque picture leaves visible.
    bool shadowEdges = false;
    // Whether every control clips to its bounds, as the framework does; off only to see what the clips cost.
    bool clips = true;
};

// What a text parameter does on every draw: rewrite every setting inside an update, then render.
void DrawText(ui::Canvas& canvas, ui::TextLayout& layout, const char16_t* text, const ui::RectF& rect, float size,
              unsigned style, ui::AlphaColor color, ui::TextAlign horizontal) {
    layout.BeginUpdate();
    ui::TextLayoutSettings& s = layout.Edit();
    s.topLeft = rect.TopLeft();
    s.maxSize = {rect.Width(), rect.Height()};
    s.text = text;
    s.opacity = 1;
    s.trimming = ui::TextTrimming::None;
    s.font.family = u"Segoe UI";
    s.font.size = size;
    s.font.style = style;
    s.color = color;
    s.horizontalAlign = horizontal;
    s.verticalAlign = ui::TextAlign::Center;
    s.wrap = ui::TextWrap::None;
    layout.EndUpdate();
    layout.RenderLayout(canvas);
}

// One control as the framework paints it: its own state, clip and offset; only when it meets the dirty part.
template <typename F>
void Control(ui::Canvas& canvas, const Window& w, const ui::RectF& bounds, F&& paint) {
    if (bounds.Intersect(w.dirty).IsEmpty()) return;
    const ui::CanvasStateSaver saver(canvas);
    if (w.clips) canvas.IntersectClipRect(bounds);
    canvas.SetMatrix(ui::Matrix::Translation(bounds.left, bounds.top));
    paint(ui::RectF{0, 0, bounds.Width(), bounds.Height()});
}

void Paint(ui::Canvas& c, Window& w) {
    c.Fill().kind = ui::BrushKind::Solid;
    if (w.shadowEdges) {
        const ui::RectF edges[] = {{0, 0, kWidth, 8}, {0, 368, kWidth, kHeight}, {0, 8, 8, 368}, {648, 8, kWidth, 368}};
        for (const ui::RectF& e : edges) c.DrawBitmap(*w.shadow, e, e, 1, ui::BitmapSampling::Linear);
    } else {
        c.DrawBitmap(*w.shadow, {0, 0, kWidth, kHeight}, {0, 0, kWidth, kHeight}, 1, ui::BitmapSampling::Linear);
    }
    Control(c, w, {8, 8, 648, 368}, [&](const ui::RectF& r) {
        c.DrawBitmap(*w.picture, {0, 0, 640, 360}, r, 1, ui::BitmapSampling::Linear);
    });
    Control(c, w, {40, 40, 400, 120}, [&](const ui::RectF& r) {
        if (!w.text) return;
        DrawText(c, *w.texts[0], u"Velnix Setup", {r.left, r.top, r.right, r.top + 40}, 28, ui::fsBold, 0xFFFFFFFF,
                 ui::TextAlign::Leading);
        DrawText(c, *w.texts[1], u"Operate your phone from the PC", {r.left, r.top + 44, r.right, r.bottom}, 14,
                 ui::fsNone, 0xCCFFFFFF, ui::TextAlign::Leading);
    });
    Control(c, w, {40, 150, 330, 180}, [&](const ui::RectF& r) {  // folder combo box
        c.Fill().kind = ui::BrushKind::Solid;
        c.Fill().color = 0xFF2F2F2F;
        c.FillRect(r, 6, 6, ui::kCornerTopRight | ui::kCornerBottomRight, 1);
        c.Stroke().color = 0xFF5A5A5A;
        c.Stroke().thickness = 1;
        c.DrawRect(r.Inflate(-0.5f), 6, 6, ui::kCornerTopRight | ui::kCornerBottomRight, 1);
        c.CanvasFont().family = u"Segoe UI";
        c.CanvasFont().size = 13;
        c.Fill().color = 0xFFE0E0E0;
        if (w.text)
            c.FillText({10, 0, r.right - 30, r.bottom}, u"C:\\Users\\me\\AppData\\Roaming\\Velnix", ui::TextWrap::None,
                       1, ui::TextAlign::Leading, ui::TextAlign::Center);
    });
    Control(c, w, {40, 200, 200, 244}, [&](const ui::RectF& r) {  // install button
        c.Fill().kind = ui::BrushKind::Gradient;
        c.Fill().color = 0xFF32D296;
        c.Fill().gradient = {{0, 0}, {0, 1}, kGreen};
        c.FillRect(r, 22, 22, ui::kCornersAll, 1);
        c.Fill().kind = ui::BrushKind::Solid;
        if (w.text) DrawText(c, *w.texts[2], u"Install", r, 16, ui::fsBold, 0xFFFFFFFF, ui::TextAlign::Center);
    });
    Control(c, w, {220, 200, 330, 244}, [&](const ui::RectF& r) {  // custom button
        c.Stroke().color = 0xFFFFFFFF;
        c.Stroke().thickness = 2;
        c.DrawRect({1, 1, r.right - 1, r.bottom - 1}, 21, 21, ui::kCornersAll, 0.5f);
        if (w.text) DrawText(c, *w.texts[3], u"Custom", r, 16, ui::fsBold, 0x80FFFFFF, ui::TextAlign::Center);
    });
    for (int i = 0; i < 3; ++i) {  // switch bar: three segments, outer corners rounded
        const unsigned corners = i == 0   ? ui::kCornerTopLeft | ui::kCornerBottomLeft
                                 : i == 2 ? ui::kCornerTopRight | ui::kCornerBottomRight
                                          : ui::kCornerNone;
        Control(c, w, {40.0f + i * 60, 270, 100.0f + i * 60, 296}, [&](const ui::RectF& r) {
            c.Fill().color = i == 1 ? 0xFF32D296 : 0xFF3A3A3A;
            c.FillRect(r, 8, 8, corners, 1);
        });
    }
    Control(c, w, {612, 16, 636, 40}, [&](const ui::RectF& r) {  // close button
        c.Fill().color = 0x40FFFFFF;
        c.FillRect(r, 12, 12, ui::kCornersAll, 1);
    });
    Control(c, w, {9, 362, 647, 366}, [&](const ui::RectF& r) {  // progress bar: track and three-part fill
        c.Fill().color = 0x40FFFFFF;
        c.FillRect(r, 2, 2, ui::kCornersAll, 1);
        const float right = std::max(16.0f, r.Width() * w.progress);
        c.DrawBitmap(*w.track, {0, 0, 8, 4}, {0, 0, 8, 4}, 1, ui::BitmapSampling::Linear);
        c.DrawBitmap(*w.track, {8, 0, 12, 4}, {8, 0, right - 8, 4}, 1, ui::BitmapSampling::Linear);
        c.DrawBitmap(*w.track, {12, 0, 20, 4}, {right - 8, 0, right, 4}, 1, ui::BitmapSampling::Linear);
    });
}

template <typename F>
double MedianMilliseconds(F&& run) {
    std::vector<double> times;
    times.reserve(kRuns);
    for (int i = 0; i < kRuns; ++i) {
        const auto start = Clock::now();
        run();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + kRuns / 2, times.end());
    return times[kRuns / 2];
}

}  // namespace

int main() {
    try {
        D2DGraphics graphics;
        auto frame = graphics.CreateFrame(kWidth, kHeight, 1);
        Window window;
        window.shadow = Shadow(graphics);
        window.picture = Picture(graphics);
        window.track = Track(graphics);
        for (auto& text : window.texts) text = graphics.CreateTextLayout();

        bench::LayeredWindow layered(kWidth, kHeight);
        if (!layered.hwnd) {
            std::printf("graphics_frame_bench: cannot create a layered window (error %lu)\n", GetLastError());
            return 1;
        }

        auto paint = [&] {
            Paint(frame->BeginPaint(), window);
            frame->EndPaint();
        };
        for (int i = 0; i < kWarmUp; ++i) {
            window.progress = 0.1f * i;
            paint();
            bench::Present(layered.hwnd, *frame);
        }

        const long long before = bench::allocations.load();
        int step = 0;
        const double full = MedianMilliseconds([&] {
            window.progress = 0.2f + 0.01f * (step++ % 50);  // the bar moves, as while installing
            paint();
            bench::Present(layered.hwnd, *frame);
        });
        const long long perPaint = (bench::allocations.load() - before) / kRuns;

        const double present = MedianMilliseconds([&] { bench::Present(layered.hwnd, *frame); });
        const double paintOnly = MedianMilliseconds(paint);
        const double empty = MedianMilliseconds([&] {
            frame->BeginPaint();
            frame->EndPaint();
        });
        window.text = false;
        const double noText = MedianMilliseconds(paint);
        window.text = true;
        auto& canvas = dynamic_cast<platform::win32::D2DCanvas&>(frame->GetCanvas());
        canvas.SetTextBitmaps(false);
        const double directText = MedianMilliseconds(paint);
        canvas.SetTextBitmaps(true);
        window.shadowEdges = true;
        const double shadowEdges = MedianMilliseconds(paint);
        window.shadowEdges = false;
        window.clips = false;
        const double noClips = MedianMilliseconds(paint);
        window.clips = true;
        // A control's own state, clip and offset with nothing drawn, many times in one scene: what the state
        // changes cost by themselves.
        constexpr int kControls = 1000;
        ui::Canvas& scene = frame->BeginPaint();
        auto states = [&] {
            for (int i = 0; i < kControls; ++i) Control(scene, window, {40, 150, 330, 180}, [](const ui::RectF&) {});
        };
        const double stateChanges = MedianMilliseconds(states) * 1000 / kControls;
        window.clips = false;
        const double stateChangesNoClip = MedianMilliseconds(states) * 1000 / kControls;
        window.clips = true;
        // The same with a combo box's two shapes drawn: whether a clip makes the drawing itself dearer.
        constexpr int kShapes = 20;
        auto shapes = [&] {
            for (int i = 0; i < kShapes; ++i) {
                Control(scene, window, {40, 150, 330, 180}, [&](const ui::RectF& r) {
                    scene.Fill().color = 0xFF2F2F2F;
                    scene.FillRect(r, 6, 6, ui::kCornerTopRight | ui::kCornerBottomRight, 1);
                    scene.Stroke().color = 0xFF5A5A5A;
                    scene.Stroke().thickness = 1;
                    scene.DrawRect({0.5f, 0.5f, r.right - 0.5f, r.bottom - 0.5f}, 6, 6,
                                   ui::kCornerTopRight | ui::kCornerBottomRight, 1);
                });
            }
        };
        const double shapesClipped = MedianMilliseconds(shapes) * 1000 / kShapes;
        window.clips = false;
        const double shapesUnclipped = MedianMilliseconds(shapes) * 1000 / kShapes;
        window.clips = true;
        frame->EndPaint();
        window.dirty = {0, 356, kWidth, kHeight};
        const double progressOnly = MedianMilliseconds([&] {
            window.progress = 0.2f + 0.01f * (step++ % 50);
            Paint(frame->BeginPaint(RECT{0, 356, kWidth, kHeight}), window);
            frame->EndPaint();
            bench::Present(layered.hwnd, *frame);
        });

        std::printf("graphics_frame_bench: %dx%d frame, median of %d runs\n", kWidth, kHeight, kRuns);
        std::printf("  frame (paint + read back + present)   %8.3f ms\n", full);
        std::printf("  present of a painted frame (ULW)      %8.3f ms\n", present);
        std::printf("  ratio frame / present                 %8.1f\n", full / present);
        std::printf("  paint + read back, no present         %8.3f ms\n", paintOnly);
        std::printf("  empty frame (clear + read back)       %8.3f ms\n", empty);
        std::printf("  paint + read back without the texts   %8.3f ms\n", noText);
        std::printf("  paint + read back, texts not kept     %8.3f ms\n", directText);
        std::printf("  paint + read back, shadow edges only  %8.3f ms\n", shadowEdges);
        std::printf("  paint + read back, no control clips   %8.3f ms\n", noClips);
        std::printf("  one control: state + clip, no drawing %8.2f us\n", stateChanges);
        std::printf("  one control: state only, no drawing   %8.2f us\n", stateChangesNoClip);
        std::printf("  one control: 2 shapes, clipped        %8.2f us\n", shapesClipped);
        std::printf("  one control: 2 shapes, not clipped    %8.2f us\n", shapesUnclipped);
        std::printf("  progress strip (dirty 656x20) + ULW   %8.3f ms\n", progressOnly);
        std::printf("  heap allocations per frame (warm)     %8lld\n", perPaint);
        return 0;
    } catch (const std::exception& e) {
        std::printf("graphics_frame_bench: %s\n", e.what());
        return 1;
    }
}
