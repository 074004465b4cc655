#include "platform/win32/window/layered_window.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <fstream>
#include <functional>
#include <memory>

#include "platform/system.h"
#include "platform/win32/graphics/d2d_frame.h"
#include "platform/win32/graphics/d2d_graphics.h"
#include "platform/win32/window/win32_animation_clock.h"
#include "ui/animation_timer.h"
#include "ui/form.h"
#include "ui/glow_effect.h"
#include "ui/stream.h"

namespace platform::win32 {
namespace {

// A plain control that fills itself with one colour.
class Swatch : public ui::Control {
public:
    explicit Swatch(ui::AlphaColor color) : color_(color) {}
    void Paint(ui::Canvas& canvas) override {
        canvas.Fill().kind = ui::BrushKind::Solid;
        canvas.Fill().color = color_;
        canvas.FillRect(LocalRect(), 0, 0, ui::kCornerNone, AbsoluteOpacity());
    }
    int clicks = 0;
    void Click() override {
        ++clicks;
        ui::Control::Click();
    }

private:
    ui::AlphaColor color_;
};

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

uint32_t PixelAt(const D2DFrame& frame, int x, int y) { return frame.Pixels().At(x, y); }

// How many tool tip windows of this thread are on screen.
int VisibleToolTips() {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            wchar_t name[64]{};
            GetClassNameW(window, name, 64);
            if (lstrcmpiW(name, TOOLTIPS_CLASSW) == 0 && IsWindowVisible(window)) ++*reinterpret_cast<int*>(found);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

class LayeredWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnablePerMonitorDpiAwareness(); }

    void SetUp() override {
        graphics = std::make_unique<D2DGraphics>();
        ui::SetGraphics(graphics.get());
        form = std::make_unique<ui::Form>();
        form->SetClientWidth(656);
        form->SetClientHeight(376);
        form->SetCaption(u"Install Velnix");
        background = form->CreateComponent<Swatch>(0xFF2F2F2F);
        background->SetParent(form.get());
        background->SetBounds(8, 8, 640, 360);
        auto* glow = form->CreateComponent<ui::GlowEffect>();
        glow->SetGlowColor(0xFF000000);
        glow->SetOpacity(0.5f);
        glow->SetParent(background);
        button = form->CreateComponent<Swatch>(0xFF0092CA);
        button->SetParent(background);
        button->SetBounds(120, 233, 160, 50);
        window = std::make_unique<LayeredWindow>(*form, *graphics);
    }
    void TearDown() override {
        window.reset();
        form.reset();
        ui::SetGraphics(nullptr);
        graphics.reset();
    }

    std::unique_ptr<D2DGraphics> graphics;
    std::unique_ptr<ui::Form> form;
    std::unique_ptr<LayeredWindow> window;
    Swatch* background = nullptr;
    Swatch* button = nullptr;
};

TEST_F(LayeredWindowTest, ShowsATopmostLayeredPopupCentredAtTheFormsSize) {
    window->Show();
    PumpMessages();
    const HWND handle = window->Handle();
    ASSERT_NE(handle, nullptr);
    EXPECT_TRUE(IsWindowVisible(handle));
    const LONG exStyle = GetWindowLongW(handle, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_LAYERED);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_APPWINDOW);
    EXPECT_TRUE(GetWindowLongW(handle, GWL_STYLE) & WS_POPUP);

    RECT rect{};
    GetWindowRect(handle, &rect);
    const float scale = window->Scale();
    EXPECT_EQ(rect.right - rect.left, static_cast<LONG>(656 * scale));
    EXPECT_EQ(rect.bottom - rect.top, static_cast<LONG>(376 * scale));
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(rect.left, (screenWidth - (rect.right - rect.left)) / 2);
    EXPECT_EQ(rect.top, (screenHeight - (rect.bottom - rect.top)) / 2);

    wchar_t caption[64]{};
    GetWindowTextW(handle, caption, 64);
    EXPECT_STREQ(caption, L"Install Velnix");
    form->SetCaption(u"Update Velnix");
    GetWindowTextW(handle, caption, 64);
    EXPECT_STREQ(caption, L"Update Velnix");
}

TEST_F(LayeredWindowTest, TheFrameHoldsTheFormWithATransparentMarginAndASoftShadow) {
    window->Show();
    PumpMessages();
    const D2DFrame& frame = *window->Frame();
    const float s = window->Scale();
    auto at = [&](float x, float y) { return PixelAt(frame, static_cast<int>(x * s), static_cast<int>(y * s)); };
    EXPECT_EQ(at(300, 100), 0xFF2F2F2Fu) << "background";
    EXPECT_EQ(at(200, 258), 0xFF0092CAu) << "button at 8 + 120, 8 + 233";
    EXPECT_EQ(at(0, 0) >> 24, 0u) << "the corner of the margin is clear";
    const uint32_t shadow = at(5, 200) >> 24;
    EXPECT_GT(shadow, 0u) << "the glow shows in the margin";
    EXPECT_LT(shadow, 0x80u) << "at most half opaque";
    EXPECT_EQ(at(5, 200) & 0x00FFFFFF, 0u) << "a black glow";

    // Kept beside the test for a look by eye.
    ui::MemoryStream png;
    frame.SaveToPng(png);
    std::ofstream(platform::ExecutablePath().parent_path() / "layered_window_frame.png", std::ios::binary)
        .write(reinterpret_cast<const char*>(png.Bytes().data()), static_cast<std::streamsize>(png.Bytes().size()));
}

TEST_F(LayeredWindowTest, RepaintsWhatChangedOnTheNextLoopTurn) {
    window->Show();
    PumpMessages();
    button->SetOpacity(0);
    PumpMessages();
    const float s = window->Scale();
    EXPECT_EQ(PixelAt(*window->Frame(), static_cast<int>(200 * s), static_cast<int>(258 * s)), 0xFF2F2F2Fu);
}

TEST_F(LayeredWindowTest, ClicksArriveInLogicalCoordinates) {
    window->Show();
    PumpMessages();
    const float s = window->Scale();
    const LPARAM at = MAKELPARAM(static_cast<int>(200 * s), static_cast<int>(258 * s));
    SendMessageW(window->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(window->Handle(), WM_LBUTTONUP, 0, at);
    EXPECT_EQ(button->clicks, 1);
    const LPARAM outside = MAKELPARAM(static_cast<int>(50 * s), static_cast<int>(50 * s));
    SendMessageW(window->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(window->Handle(), WM_LBUTTONUP, 0, outside);
    EXPECT_EQ(button->clicks, 1) << "released elsewhere: no click";
}

TEST_F(LayeredWindowTest, TheToolTipGoesOnPressLeaveDeactivationAndAModalDialog) {
    button->SetHint(u"Install");
    button->SetShowHint(true);
    window->Show();
    PumpMessages();
    const HWND handle = window->Handle();
    const float s = window->Scale();
    const LPARAM onButton = MAKELPARAM(static_cast<int>(200 * s), static_cast<int>(258 * s));
    const LPARAM onBackground = MAKELPARAM(static_cast<int>(300 * s), static_cast<int>(100 * s));
    const LPARAM elsewhereOnButton = MAKELPARAM(static_cast<int>(210 * s), static_cast<int>(260 * s));
    const struct {
        const char* what;
        std::function<void()> event;
        // Whether the tool tip shows again when the pointer then moves on the button.
        bool showsAgain;
    } cases[] = {
        {"a press",
         [&] {
             SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, onButton);
             SendMessageW(handle, WM_LBUTTONUP, 0, onButton);
         },
         false},
        {"the pointer leaves the window", [&] { SendMessageW(handle, WM_MOUSELEAVE, 0, 0); }, true},
        {"the window loses the activation", [&] { SendMessageW(handle, WM_ACTIVATE, WA_INACTIVE, 0); }, false},
        {"another application is activated", [&] { SendMessageW(handle, WM_ACTIVATEAPP, FALSE, 0); }, false},
        {"a modal dialog disables the window", [&] { EnableWindow(handle, FALSE); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SendMessageW(handle, WM_MOUSEMOVE, 0, onBackground);
        SendMessageW(handle, WM_MOUSEMOVE, 0, onButton);
        ASSERT_EQ(VisibleToolTips(), 1) << "no tool tip on the button";
        c.event();
        EXPECT_EQ(VisibleToolTips(), 0);
        // The pointer still on the button afterwards (the dialog closed, the window enabled again): the tool tip
        // stays away until the pointer has been elsewhere.
        EnableWindow(handle, TRUE);
        SendMessageW(handle, WM_MOUSEMOVE, 0, elsewhereOnButton);
        EXPECT_EQ(VisibleToolTips(), c.showsAgain ? 1 : 0);
        PumpMessages();
    }
}

TEST(Win32AnimationClockTest, TicksOnTheMainThreadUntilStopped) {
    Win32AnimationClock clock;
    int ticks = 0;
    const double start = clock.Now();
    clock.SetTickHandler([&] {
        if (++ticks == 5) clock.SetTickHandler(nullptr);
    });
    MSG message;
    while (ticks < 5 && clock.Now() - start < 10 && GetMessageW(&message, nullptr, 0, 0)) DispatchMessageW(&message);
    EXPECT_EQ(ticks, 5);
    EXPECT_GT(clock.Now(), start);
}

}  // namespace
}  // namespace platform::win32
