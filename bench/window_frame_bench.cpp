// Times a full frame of the installer's window on the Direct2D drawing services, built from the layout the
// program carries: paint + read back + present against presenting an already painted frame, with the heap
// allocations of a warm frame. The window is put where the intro leaves it, with the folder chooser up and the
// progress bar half way, so every control is on screen. Direct2D needs a display under Wine: bench/run-windows
// runs this inside a virtual one.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <regex>
#include <string>
#include <vector>

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

}  // namespace

int main() {
    try {
        platform::win32::D2DGraphics graphics;
        ui::SetGraphics(&graphics);
        skin::SetScreenScale(1);

        ui::ClassRegistry classes;
        ui::RegisterFrameworkClasses(classes);
        app::RegisterWindowClasses(classes);
        BenchForm form;
        form.LoadLayout(LayoutText(graphics, u"MainForm"), classes);
        form.SetSize(kWidth, kHeight);
        ShowEverything(form);

        const auto frame = graphics.CreateFrame(kWidth, kHeight, 1);
        bench::LayeredWindow layered(kWidth, kHeight);
        if (!layered.hwnd) {
            std::printf("window_frame_bench: cannot create a layered window (error %lu)\n", GetLastError());
            return 1;
        }
        auto paint = [&] {
            form.PaintTo(frame->BeginPaint());
            frame->EndPaint();
        };
        for (int i = 0; i < kWarmUp; ++i) {
            paint();
            bench::Present(layered.hwnd, *frame);
        }
        const long long before = bench::allocations.load();
        const double full = MedianMilliseconds([&] {
            paint();
            bench::Present(layered.hwnd, *frame);
        });
        const long long perFrame = (bench::allocations.load() - before) / kRuns;
        const double present = MedianMilliseconds([&] { bench::Present(layered.hwnd, *frame); });
        const double paintOnly = MedianMilliseconds(paint);

        std::printf("window_frame_bench: the installer window %dx%d at scale 1, median of %d frames\n", kWidth, kHeight,
                    kRuns);
        std::printf("  frame (paint + read back + present)   %8.3f ms\n", full);
        std::printf("  present of a painted frame (ULW)      %8.3f ms\n", present);
        std::printf("  ratio frame / present                 %8.1f\n", full / present);
        std::printf("  paint + read back, no present         %8.3f ms\n", paintOnly);
        std::printf("  heap allocations per frame (warm)     %8lld\n", perFrame);
        ui::SetGraphics(nullptr);
        return 0;
    } catch (const std::exception& e) {
        std::printf("window_frame_bench: %s\n", e.what());
        return 1;
    }
}
