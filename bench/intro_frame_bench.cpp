// The installer window's intro as it reaches the screen: the real window host (a layered window at the monitor's
// scale, repaints gathered per message-loop turn) shows the window built from the program's layout, and the
// shared animation timer runs the intro on its real 10 ms clock. Every presented frame is recorded (paint start,
// pixels ready, present done) with every tick of the timer, and the figures are printed: frames on screen, the
// share of the timer's ticks while the intro moves that produced a frame, frame times (paint + read back +
// present) and the present part of the same frames, against a bare present of the whole finished frame measured
// afterwards in the same run. Direct2D needs a display under Wine: bench/run-windows runs this inside a virtual
// one.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "app/window/window_classes.h"
#include "bench/counted_allocations.h"
#include "bench/wine_bench_support.h"
#include "platform/win32/graphics/d2d_frame.h"
#include "platform/win32/graphics/d2d_graphics.h"
#include "platform/win32/graphics/program_resource.h"
#include "platform/win32/window/frame_listener.h"
#include "platform/win32/window/layered_window.h"
#include "platform/win32/window/win32_animation_clock.h"
#include "skin/controls/skin_image.h"
#include "ui/animation.h"
#include "ui/animation_timer.h"
#include "ui/class_registry.h"
#include "ui/form.h"
#include "ui/handler_table.h"
#include "ui/int_animation.h"
#include "ui/tick_client.h"

namespace {

using platform::win32::PresentedFrame;

constexpr int kBarePresents = 41;
constexpr double kProgressSeconds = 2;
constexpr int kWarmFrames = 5;

// The window with the per-frame handlers the intro needs (repaint the background with all its children, as
// the program's window does); the layout's other events are left out, they need the setup application.
class IntroForm : public ui::Form {
public:
    std::u16string_view ClassName() const override { return u"TMainForm"; }
    const ui::HandlerTable& PublishedHandlers() const override {
        static const ui::HandlerTable table = ui::HandlerTableBuilder<IntroForm>()
                                                  .Add(u"Ani1YProcess", &IntroForm::RepaintBackground)
                                                  .Add(u"Ani2YProcess", &IntroForm::RepaintBackground)
                                                  .Add(u"Ani4YProcess", &IntroForm::RepaintBackground)
                                                  .Add(u"AniYProcess", &IntroForm::RepaintBackground)
                                                  .Build();
        return table;
    }
    void RepaintBackground(ui::Object*) {
        if (auto* background = dynamic_cast<ui::Control*>(FindComponent(u"BgImage"))) background->Repaint();
    }
};

std::string LayoutText() {
    const auto data = platform::win32::FindProgramResource(u"MainForm");
    if (data.empty()) throw std::runtime_error("no layout resource");
    std::string text(reinterpret_cast<const char*>(data.data()), data.size());
    // Keep OnProcess (the handlers above); drop the events of the setup application.
    return std::regex_replace(text, std::regex("\n *On(Create|Click|MouseDown|Change) = [A-Za-z0-9]+"), "");
}

// Frames and ticks as they happen; storage reserved up front so recording allocates nothing.
class Recorder final : public platform::win32::FrameListener, public ui::TickClient {
public:
    Recorder() {
        frames.reserve(4096);
        ticks.reserve(4096);
        allocationsAt.reserve(4096);
    }
    void FramePresented(const PresentedFrame& frame) override {
        frames.push_back(frame);
        allocationsAt.push_back(bench::allocations.load());
    }
    void ProcessTick(double) override { ticks.push_back(clock->Now()); }
    std::u16string TickClientName() const override { return u"intro recorder"; }

    platform::win32::Win32AnimationClock* clock = nullptr;
    std::vector<PresentedFrame> frames;
    std::vector<double> ticks;
    // The process's allocation count after each frame.
    std::vector<long long> allocationsAt;
};

double Percentile(std::vector<double> values, double share) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, static_cast<size_t>(share * static_cast<double>(values.size())));
    return values[index];
}

// Ticks and frames between from and to (performance-counter seconds), against a bare present.
void Summarise(const Recorder& recorder, double from, double to, const platform::win32::D2DFrame& frame,
               double barePresent) {
    const auto ticks = std::count_if(recorder.ticks.begin(), recorder.ticks.end(),
                                     [&](double t) { return t >= from && t < to; });
    std::vector<double> frameTimes;
    std::vector<double> presentTimes;
    std::vector<double> paintTimes;
    double dirtyShare = 0;
    const double area = static_cast<double>(frame.Width()) * frame.Height();
    for (const PresentedFrame& presented : recorder.frames) {
        if (presented.paintStart < from || presented.paintStart >= to) continue;
        frameTimes.push_back((presented.presented - presented.paintStart) * 1000);
        paintTimes.push_back((presented.painted - presented.paintStart) * 1000);
        presentTimes.push_back((presented.presented - presented.painted) * 1000);
        dirtyShare += presented.dirty.Width() * presented.dirty.Height() / area;
    }
    const auto frames = static_cast<double>(frameTimes.size());
    const double frameMedian = bench::Median(frameTimes);
    std::printf("  timer ticks                                %8lld  (%.0f at 10 ms)\n", static_cast<long long>(ticks),
                (to - from) * 100);
    std::printf("  frames presented                           %8.0f\n", frames);
    std::printf("  ticks producing a frame                    %7.1f %%  (%.1f %% of 10 ms ticks)\n",
                ticks > 0 ? 100.0 * frames / static_cast<double>(ticks) : 0.0, 100.0 * frames / ((to - from) * 100));
    std::printf("  painted share of the frame (mean)          %7.1f %%\n", frames > 0 ? 100 * dirtyShare / frames : 0.0);
    std::printf("  frame (paint + read back + present) median %8.3f ms\n", frameMedian);
    std::printf("  frame p95 / max                            %8.3f / %.3f ms\n", Percentile(frameTimes, 0.95),
                Percentile(frameTimes, 1.0));
    std::printf("  paint + read back median / p95             %8.3f / %.3f ms\n", bench::Median(paintTimes),
                Percentile(paintTimes, 0.95));
    std::printf("  present in the frame median / p95          %8.3f / %.3f ms\n", bench::Median(presentTimes),
                Percentile(presentTimes, 0.95));
    std::printf("  ratio frame / bare present (medians)       %8.2f\n", barePresent > 0 ? frameMedian / barePresent : 0.0);
}

void PumpUntil(platform::win32::Win32AnimationClock& clock, double deadline) {
    MSG message;
    for (double now = clock.Now(); now < deadline; now = clock.Now()) {
        const DWORD wait = static_cast<DWORD>(std::max(1.0, (deadline - now) * 1000));
        MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

}  // namespace

int main() {
    try {
        platform::win32::EnablePerMonitorDpiAwareness();
        platform::win32::D2DGraphics graphics;
        ui::SetGraphics(&graphics);
        platform::win32::Win32AnimationClock clock;
        ui::SharedAnimationTimer().SetClock(&clock);
        ui::ClassRegistry classes;
        ui::RegisterFrameworkClasses(classes);
        app::RegisterWindowClasses(classes);

        // A warm session: the same window shown and painted a few times first, then closed, so the device's
        // first-use costs are not counted in the intro.
        {
            IntroForm warm;
            platform::win32::LayeredWindow warmWindow(warm, graphics);
            warm.LoadLayout(LayoutText(), classes);
            warmWindow.Show();
            for (int i = 0; i < kWarmFrames; ++i) {
                warm.Invalidate(warm.LocalRect());
                warmWindow.PaintNow();
            }
            for (int i = 0; i < warm.ComponentCount(); ++i) {
                if (auto* animation = dynamic_cast<ui::Animation*>(warm.Components(i))) animation->SetEnabled(false);
            }
        }
        MSG pending;
        while (PeekMessageW(&pending, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&pending);

        IntroForm form;
        auto window = std::make_unique<platform::win32::LayeredWindow>(form, graphics);
        app::InitWindowSkin();
        Recorder recorder;
        recorder.clock = &clock;
        window->SetFrameListener(&recorder);

        // The intro's span: from the first animation's start to the last one's end, from the layout.
        const std::string layout = LayoutText();
        const double loaded = clock.Now();
        form.LoadLayout(layout, classes);
        double moveStart = 1e9;
        double moveEnd = 0;
        for (int i = 0; i < form.ComponentCount(); ++i) {
            if (auto* animation = dynamic_cast<ui::Animation*>(form.Components(i)); animation && animation->Running()) {
                moveStart = std::min(moveStart, animation->Delay());
                moveEnd = std::max(moveEnd, animation->Delay() + animation->Duration());
            }
        }
        if (moveEnd <= 0) throw std::runtime_error("the layout starts no intro animation");
        ui::SharedAnimationTimer().Attach(recorder);
        window->Show();
        PumpUntil(clock, loaded + moveEnd + 0.3);
        ui::SharedAnimationTimer().Detach(recorder);
        window->SetFrameListener(nullptr);

        // A bare present of the finished window's whole frame, in the same run: what the host did per frame before
        // it presented only the changed part.
        const auto* frame = window->Frame();
        std::vector<double> bare;
        const HWND hwnd = window->Handle();
        POINT source{0, 0};
        SIZE size{frame->Width(), frame->Height()};
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        for (int i = 0; i < kBarePresents; ++i) {
            const double start = clock.Now();
            UpdateLayeredWindow(hwnd, nullptr, nullptr, &size, frame->Dc(), &source, 0, &blend, ULW_ALPHA);
            bare.push_back((clock.Now() - start) * 1000);
        }
        const double barePresent = bench::Median(bare);

        std::printf("intro_frame_bench: the installer window, %dx%d device pixels, frames as they reach the screen\n",
                    frame->Width(), frame->Height());
        std::printf("  bare present of the whole frame (median)   %8.3f ms\n", barePresent);
        std::printf("the intro: %.1f s, moving from %.1f s to %.1f s\n", moveEnd, moveStart, moveEnd);
        std::printf("  frames presented (whole intro)             %8zu\n", recorder.frames.size());
        if (!recorder.frames.empty()) {
            const PresentedFrame& first = recorder.frames.front();
            std::printf("  first frame (shown %.3f s after the load)   %8.3f ms\n", first.paintStart - loaded,
                        (first.presented - first.paintStart) * 1000);
        }
        Summarise(recorder, loaded + moveStart, loaded + moveEnd, *frame, barePresent);
        // Warm frames: from the fifth frame to the last one.
        constexpr size_t kColdFrames = 5;
        const size_t frameCount = recorder.allocationsAt.size();
        const long long warmAllocations =
            frameCount > kColdFrames ? recorder.allocationsAt.back() - recorder.allocationsAt[kColdFrames - 1] : 0;
        std::printf("  heap allocations over the warm frames      %8lld  (%zu frames)\n", warmAllocations,
                    frameCount > kColdFrames ? frameCount - kColdFrames : 0);

        // The progress bar running as during an installation: a small part of the window changes per tick.
        auto* progress = form.CreateComponent<ui::IntAnimation>();
        progress->SetParent(form.FindComponent(u"ProgressBar"));
        progress->SetPropertyName(u"Properties.Position");
        progress->SetStartValue(0);
        progress->SetStopValue(99);
        progress->SetDuration(kProgressSeconds);
        recorder.frames.clear();
        recorder.ticks.clear();
        window->SetFrameListener(&recorder);
        ui::SharedAnimationTimer().Attach(recorder);
        const double progressStart = clock.Now();
        progress->Start();
        PumpUntil(clock, progressStart + kProgressSeconds + 0.2);
        ui::SharedAnimationTimer().Detach(recorder);
        window->SetFrameListener(nullptr);
        std::printf("the progress bar from 0 to 99 in %.1f s\n", kProgressSeconds);
        Summarise(recorder, progressStart, progressStart + kProgressSeconds, *frame, barePresent);

        // The same frame presented whole and with only the progress bar's part marked changed, taking turns.
        if (!recorder.frames.empty()) {
            const ui::RectF& part = recorder.frames.back().dirty;
            const RECT changed{static_cast<LONG>(part.left), static_cast<LONG>(part.top),
                               static_cast<LONG>(part.right), static_cast<LONG>(part.bottom)};
            UPDATELAYEREDWINDOWINFO info{};
            info.cbSize = sizeof(info);
            info.psize = &size;
            info.hdcSrc = frame->Dc();
            info.pptSrc = &source;
            info.pblend = &blend;
            info.dwFlags = ULW_ALPHA;
            std::vector<double> whole;
            std::vector<double> partial;
            for (int i = 0; i < kBarePresents; ++i) {
                info.prcDirty = nullptr;
                double start = clock.Now();
                UpdateLayeredWindowIndirect(hwnd, &info);
                whole.push_back((clock.Now() - start) * 1000);
                info.prcDirty = &changed;
                start = clock.Now();
                UpdateLayeredWindowIndirect(hwnd, &info);
                partial.push_back((clock.Now() - start) * 1000);
            }
            std::printf("  present of the whole frame / of the changed part (medians, taking turns) %.3f / %.3f ms\n",
                        bench::Median(whole), bench::Median(partial));
        }
        window.reset();
        ui::SharedAnimationTimer().SetClock(nullptr);
        ui::SetGraphics(nullptr);
        return 0;
    } catch (const std::exception& e) {
        std::printf("intro_frame_bench: %s\n", e.what());
        return 1;
    }
}
