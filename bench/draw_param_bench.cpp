// Times what the canvas asks of a drawing parameter on every frame: the drawn rectangle (CalcDrawRect) and
// the current effect values (CurrentEffect, alpha, fill and border colours, border width; font colour, size
// and style for a text parameter), for one parameter per call, cycling through the control states a button
// goes through (idle, hovered, pressed, and pressed while pushed, which rebuilds the mixed effect). A trivial
// rectangle copy in the same run is the baseline. operator new is counted to show that none of it allocates.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

#include "skin/draw/draw_rect_param.h"
#include "skin/draw/draw_text_param.h"

namespace {

size_t allocations = 0;

}  // namespace

void* operator new(size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void* operator new[](size_t size) { return ::operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }

namespace {

using Clock = std::chrono::steady_clock;
using S = skin::TDPEffectState;

constexpr int kCalls = 1'000'000;
constexpr int kRuns = 15;

template <class T>
void DoNotOptimize(const T& value) {
    asm volatile("" : : "r,m"(value) : "memory");
}

const skin::TDPEffectStates kStates[4] = {
    {},
    {S::dpstMouseOver},
    {S::dpstMouseOver, S::dpstMouseDown},
    {S::dpstPushed, S::dpstMouseDown, S::dpstMouseOver},
};
const ui::RectF kControls[4] = {{0, 0, 120, 40}, {1, 0, 121, 40}, {0, 1, 120, 41}, {1, 1, 121, 41}};

struct Result {
    double nsPerCall;
    double allocationsPerCall;
};

template <typename F>
Result Measure(F&& call) {
    std::vector<double> times;
    times.reserve(kRuns);
    const size_t before = allocations;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = Clock::now();
        for (int i = 0; i < kCalls; ++i) call(i & 3);
        const auto stop = Clock::now();
        times.push_back(std::chrono::duration<double, std::nano>(stop - start).count() / kCalls);
    }
    const double perCall = static_cast<double>(allocations - before) / (static_cast<double>(kCalls) * kRuns);
    std::nth_element(times.begin(), times.begin() + kRuns / 2, times.end());
    return {times[kRuns / 2], perCall};
}

void SetUpButton(skin::TDrawRectParam& back) {
    back.SetIsFill(true);
    back.FillColor().SetColor(0xFF0092CA);
    back.BorderColor().SetColor(0xFF0098D4);
    back.SetBorderWidth(1);
    back.DrawRectSetting().SetEnabled(true);
    back.DrawRectSetting().SetSizeType(skin::TDPSizeType::dpstPixel);
    back.DrawRectSetting().SetMargins(6, 6, 6, 6);
    back.DrawRectSetting().SetPositionHorzType(skin::TDPPositionHorzType::dpphtCenter);
    back.DrawRectSetting().SetPositionVertType(skin::TDPPositionVertType::dppvtCenter);
    skin::TDrawRectEffectSetting& effects = back.DrawEffectSetting();
    using E = skin::TDRPEffectType;
    effects.MouseOverEffect().FillColor().SetColor(0xFF0089BF);
    effects.MouseOverEffect().SetEffectTypes({E::drpetFillColorChange, E::drpetBorderColorChange});
    effects.MouseDownEffect().FillColor().SetColor(0xFF0077A6);
    effects.MouseDownEffect().SetEffectTypes({E::drpetFillColorChange, E::drpetBorderColorChange});
    effects.MouseDownEffect().SetCommonEffectTypes({skin::TDPCommonEffectType::dpcetOffsetChange});
    effects.PushedEffect().FillColor().SetColor(0xFF0092CA);
    effects.PushedEffect().SetEffectTypes({E::drpetFillColorChange, E::drpetBorderWidthChange});
    effects.PushedEffect().SetCommonEffectTypes({skin::TDPCommonEffectType::dpcetAlphaChange});
    effects.SetIsMixedMouseDownAndPushedEffect(true);
}

void SetUpCaption(skin::TDrawTextParam& caption) {
    caption.SetFontSize(20);
    caption.SetFontColor(0xFFFFFFFF);
    caption.SetFontHorzAlign(skin::TFontHorzAlign::fhaCenter);
    skin::TDrawTextEffectSetting& effects = caption.DrawEffectSetting();
    effects.MouseDownEffect().FontColor().SetColor(0xCEFFFFFF);
    effects.MouseDownEffect().SetEffectTypes({skin::TDTPEffectType::dtpetFontColorChange});
    effects.PushedEffect().SetEffectTypes({skin::TDTPEffectType::dtpetFontStyleChange});
    effects.SetIsMixedMouseDownAndPushedEffect(true);
}

}  // namespace

int main() {
    skin::TDrawRectParam back(u"DrawBackColorParam", u"背景颜色矩形绘制参数");
    skin::TDrawTextParam caption(u"DrawCaptionParam", u"标题绘制参数");
    SetUpButton(back);
    SetUpCaption(caption);

    const Result copy = Measure([&](int i) {
        ui::RectF r = kControls[i];
        DoNotOptimize(r);
    });

    auto rectFrame = [&](int i, skin::TDPEffectStates states) {
        back.SetStaticEffectStates(states);
        const skin::TDrawParamCommonEffect* effect = back.CurrentEffect();
        const ui::RectF r = back.CalcDrawRect(kControls[i]);
        const uint8_t alpha = back.CurrentEffectAlpha();
        const ui::AlphaColor fill = back.CurrentEffectFillDrawColor().Color();
        const ui::AlphaColor border = back.CurrentEffectBorderColor().Color();
        const double width = back.CurrentEffectBorderWidth();
        const bool isFill = back.CurrentEffectIsFill();
        DoNotOptimize(effect);
        DoNotOptimize(r);
        DoNotOptimize(alpha);
        DoNotOptimize(fill);
        DoNotOptimize(border);
        DoNotOptimize(width);
        DoNotOptimize(isFill);
    };
    const Result rect = Measure([&](int i) { rectFrame(i, kStates[i]); });
    const Result plain = Measure([&](int i) { rectFrame(i, kStates[i == 3 ? 2 : i]); });

    const Result text = Measure([&](int i) {
        caption.SetStaticEffectStates(kStates[i]);
        const ui::RectF r = caption.CalcDrawRect(kControls[i]);
        const uint8_t alpha = caption.CurrentEffectAlpha();
        const ui::AlphaColor color = caption.CurrentEffectFontColor().Color();
        const double size = caption.CurrentEffectFontSize();
        const skin::TFontStyles style = caption.CurrentEffectFontStyle();
        DoNotOptimize(r);
        DoNotOptimize(alpha);
        DoNotOptimize(color);
        DoNotOptimize(size);
        DoNotOptimize(style);
    });

    // CalcDrawRect with effect resolution alone, in the mixed state only (the dearest path: the mixed effect is
    // rebuilt on each CurrentEffect).
    const Result mixed = Measure([&](int i) {
        back.SetStaticEffectStates(kStates[3]);
        const ui::RectF r = back.CalcDrawRect(kControls[i]);
        const uint8_t alpha = back.CurrentEffectAlpha();
        DoNotOptimize(r);
        DoNotOptimize(alpha);
    });

    std::printf("draw_param_bench: %d calls x %d runs, median ns per call\n", kCalls, kRuns);
    std::printf("  rectangle copy (baseline)                     %8.2f ns\n", copy.nsPerCall);
    std::printf("  rectangle parameter: rect + effect values     %8.2f ns  %6.1fx  %.3f allocations/call\n",
                rect.nsPerCall, rect.nsPerCall / copy.nsPerCall, rect.allocationsPerCall);
    std::printf("  the same without the mixed state              %8.2f ns  %6.1fx  %.3f allocations/call\n",
                plain.nsPerCall, plain.nsPerCall / copy.nsPerCall, plain.allocationsPerCall);
    std::printf("  text parameter: rect + effect values          %8.2f ns  %6.1fx  %.3f allocations/call\n",
                text.nsPerCall, text.nsPerCall / copy.nsPerCall, text.allocationsPerCall);
    std::printf("  mixed state only: CalcDrawRect + alpha        %8.2f ns  %6.1fx  %.3f allocations/call\n",
                mixed.nsPerCall, mixed.nsPerCall / copy.nsPerCall, mixed.allocationsPerCall);
    const bool clean = rect.allocationsPerCall == 0 && plain.allocationsPerCall == 0 && text.allocationsPerCall == 0 &&
                       mixed.allocationsPerCall == 0;
    if (!clean) std::printf("  FAILED: the drawing layer allocated while drawing\n");
    return clean ? 0 : 1;
}
