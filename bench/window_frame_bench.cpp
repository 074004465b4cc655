// Times a full frame of the installer's window on the Direct2D drawing services, built from the layout the
// program carries (the skinned controls) and from the layout of the stand-in controls it replaced, in one run,
// alternating: paint + read back + present against presenting an already painted frame. Both windows are put
// where the intro leaves them, with the folder chooser up and the progress bar half way, so every control is on
// screen. Direct2D needs a display under Wine: bench/run-windows runs this inside a virtual one.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "app/window/stand_ins/register_stand_ins.h"
#include "app/window/window_classes.h"
#include "bench/counted_allocations.h"
#include "bench/layered_present.h"
#include "platform/win32/graphics/d2d_frame.h"
#include "platform/win32/graphics/d2d_graphics.h"
#include "skin/picture/skin_image_list.h"
#include "ui/class_registry.h"
#include "ui/float_animation.h"
#include "ui/form.h"
#include "ui/property.h"
#include "ui/property_path.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWidth = 656;
constexpr int kHeight = 376;
constexpr int kWarmUp = 5;
constexpr int kRuns = 41;
constexpr int kRounds = 3;

// The window without its handlers: the layout names them on TMainForm, which needs the setup application.
class BenchForm : public ui::Form {
public:
    std::u16string_view ClassName() const override { return u"TMainForm"; }
};

std::string LayoutText(platform::win32::D2DGraphics& graphics, std::u16string_view resource) {
    const auto data = graphics.LoadResourceData(resource);
    if (!data) throw std::runtime_error("no layout resource");
    std::string text(reinterpret_cast<const char*>(data->data()), data->size());
    return std::regex_replace(text, std::regex("\n *On[A-Za-z]+ = [A-Za-z0-9]+"), "");
}

void SetByPath(ui::Persistent& object, std::u16string_view path, double value) {
    if (ui::PropertyTarget target = ui::ResolvePropertyPath(object, path, ui::PathResolution::SkipUnknown)) {
        if (target.property->Kind() == ui::PropertyKind::Integer) {
            target.property->SetInteger(*target.instance, static_cast<int64_t>(value));
        } else {
            target.property->SetFloat(*target.instance, value);
        }
    }
}

// Every float animation's end value, as after the intro and the folder chooser's slide; the bar half way.
void ShowEverything(ui::Form& form) {
    for (int i = 0; i < form.ComponentCount(); ++i) {
        auto* animation = dynamic_cast<ui::FloatAnimation*>(form.Components(i));
        if (animation != nullptr && animation->Parent() != nullptr) {
            SetByPath(*animation->Parent(), animation->PropertyName(), animation->StopValue());
        }
    }
    SetByPath(*form.FindComponent(u"ProgressBar"), u"Properties.Position", 50);
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

struct Window {
    const char* name;
    BenchForm form;
    std::vector<double> frames;
    long long allocationsPerFrame = 0;
};

}  // namespace

int main() {
    try {
        platform::win32::D2DGraphics graphics;
        ui::SetGraphics(&graphics);
        skin::SetScreenScale(1);

        ui::ClassRegistry standInClasses;
        ui::RegisterFrameworkClasses(standInClasses);
        skin::RegisterSkinPictureClasses(standInClasses);
        app::stand_ins::RegisterStandIns(standInClasses);
        ui::ClassRegistry skinClasses;
        ui::RegisterFrameworkClasses(skinClasses);
        app::RegisterWindowClasses(skinClasses);

        Window standIns{"stand-in controls"};
        standIns.form.LoadLayout(LayoutText(graphics, u"StandInForm"), standInClasses);
        Window skinned{"skinned controls (the program's layout)"};
        skinned.form.LoadLayout(LayoutText(graphics, u"MainForm"), skinClasses);

        const auto frame = graphics.CreateFrame(kWidth, kHeight, 1);
        bench::LayeredWindow layered(kWidth, kHeight);
        if (!layered.hwnd) {
            std::printf("window_frame_bench: cannot create a layered window (error %lu)\n", GetLastError());
            return 1;
        }
        for (Window* w : {&standIns, &skinned}) {
            w->form.SetSize(kWidth, kHeight);
            ShowEverything(w->form);
        }
        auto frameOf = [&](Window& w) {
            w.form.PaintTo(frame->BeginPaint());
            frame->EndPaint();
            bench::Present(layered.hwnd, *frame);
        };
        for (Window* w : {&standIns, &skinned}) {
            for (int i = 0; i < kWarmUp; ++i) frameOf(*w);
        }
        for (int round = 0; round < kRounds; ++round) {
            for (Window* w : {&standIns, &skinned}) {
                const long long before = bench::allocations.load();
                w->frames.push_back(MedianMilliseconds([&] { frameOf(*w); }));
                w->allocationsPerFrame = (bench::allocations.load() - before) / kRuns;
            }
        }
        const double present = MedianMilliseconds([&] { bench::Present(layered.hwnd, *frame); });

        std::printf(
            "window_frame_bench: the installer window %dx%d at scale 1, median of %d frames, %d rounds"
            " alternating\n",
            kWidth, kHeight, kRuns, kRounds);
        for (int round = 0; round < kRounds; ++round) {
            std::printf("  round %d: stand-ins %7.3f ms  skinned %7.3f ms  ratio skinned / stand-ins %5.2f\n",
                        round + 1, standIns.frames[round], skinned.frames[round],
                        skinned.frames[round] / standIns.frames[round]);
        }
        auto median = [](std::vector<double> v) {
            std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
            return v[v.size() / 2];
        };
        const double s = median(standIns.frames), k = median(skinned.frames);
        std::printf("  present of a painted frame (ULW)        %8.3f ms\n", present);
        std::printf("  %-40s %8.3f ms  frame / present %5.1f  allocations/frame %lld\n", standIns.name, s, s / present,
                    standIns.allocationsPerFrame);
        std::printf("  %-40s %8.3f ms  frame / present %5.1f  allocations/frame %lld\n", skinned.name, k, k / present,
                    skinned.allocationsPerFrame);
        std::printf("  ratio skinned / stand-ins (median of rounds) %5.2f\n", k / s);
        ui::SetGraphics(nullptr);
        return 0;
    } catch (const std::exception& e) {
        std::printf("window_frame_bench: %s\n", e.what());
        return 1;
    }
}
