#include "ui/control.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/glow_effect.h"
#include "ui/testing/headless_host.h"
#include "ui/testing/recording_canvas.h"
#include "ui/text.h"

namespace ui {
namespace {

// Journals its mouse, focus and paint callbacks as readable lines.
class Probe : public Control {
public:
    explicit Probe(std::vector<std::string>* journal) : journal_(journal) {}

    void MouseDown(MouseButton button, ShiftState shift, float x, float y) override {
        Log("down", x, y);
        Control::MouseDown(button, shift, x, y);
    }
    void MouseMove(ShiftState shift, float x, float y) override {
        Log("move", x, y);
        Control::MouseMove(shift, x, y);
    }
    void MouseUp(MouseButton button, ShiftState shift, float x, float y) override {
        Log("up", x, y);
        Control::MouseUp(button, shift, x, y);
    }
    void Click() override {
        journal_->push_back(Utf16ToUtf8(Name()) + " click");
        Control::Click();
    }
    void DoMouseEnter() override {
        journal_->push_back(Utf16ToUtf8(Name()) + " enter");
        Control::DoMouseEnter();
    }
    void DoMouseLeave() override {
        journal_->push_back(Utf16ToUtf8(Name()) + " leave");
        Control::DoMouseLeave();
    }
    void DoEnter() override {
        journal_->push_back(Utf16ToUtf8(Name()) + " focus");
        Control::DoEnter();
    }
    void DoExit() override {
        journal_->push_back(Utf16ToUtf8(Name()) + " unfocus");
        Control::DoExit();
    }
    void Paint(Canvas& canvas) override { canvas.FillRect(LocalRect(), 0, 0, kCornersAll, AbsoluteOpacity()); }

private:
    void Log(const char* what, float x, float y) {
        char text[96];
        std::snprintf(text, sizeof text, " %s %g,%g", what, static_cast<double>(x), static_cast<double>(y));
        journal_->push_back(Utf16ToUtf8(Name()) + text);
    }

    std::vector<std::string>* journal_;
};

// The shape of the installer window: a clipping background with mouse-ignoring pictures, labels and panels
// over it and buttons among them.
class ControlTest : public ::testing::Test {
protected:
    ControlTest() {
        form.SetBounds(0, 0, 656, 376);
        bg = Add(&form, u"Bg", 8, 8, 640, 360);
        bg->SetClipChildren(true);
        brand = Add(bg, u"Brand", 170, 223, 300, 78, false);
        close = Add(bg, u"Close", 599, 8, 33, 33);
        icon = Add(bg, u"Icon", 270, 100, 100, 158, false);
        Add(icon, u"Icon2", 0, 0, 100, 158, false);
        panel = Add(bg, u"Panel", 0, 368, 640, 65, false);
        browse = Add(panel, u"Browse", 577, 16, 34, 34);
        controls = Add(bg, u"Controls", 0, 20, 640, 360, false);
        install = Add(controls, u"Install", 120, 233, 160, 50);
        Add(controls, u"Intro", 28, 167, 345, 41, false);
    }

    Probe* Add(Control* parent, std::u16string_view name, float x, float y, float w, float h, bool hitTest = true) {
        auto* control = form.CreateComponent<Probe>(&journal);
        control->SetName(name);
        control->SetBounds(x, y, w, h);
        control->SetHitTest(hitTest);
        control->SetParent(parent);
        return control;
    }

    std::string NameAt(float x, float y) {
        Control* hit = form.ObjectAtPoint({x, y});
        return hit == nullptr ? "none" : Utf16ToUtf8(hit->Name());
    }

    std::vector<std::string> journal;
    Form form;
    HeadlessHost host{form};
    Probe* bg;
    Probe* brand;
    Probe* close;
    Probe* icon;
    Probe* panel;
    Probe* browse;
    Probe* controls;
    Probe* install;
};

TEST_F(ControlTest, MouseIgnoringControlsLetPressesFallThrough) {
    form.SetName(u"Form");
    const struct {
        float x, y;
        const char* expected;
    } cases[] = {
        {8 + 320, 8 + 130, "Bg"},            // on the logo and its second picture, which ignore the mouse
        {8 + 200, 8 + 250, "Bg"},            // on the brand picture
        {8 + 50, 8 + 20 + 180, "Bg"},        // on the intro label inside the mouse-ignoring control panel
        {8 + 130, 8 + 20 + 240, "Install"},  // a button inside it still takes the mouse
        {8 + 610, 8 + 20, "Close"},
        {8 + 640, 8 + 20, "Form"},  // just right of the background (its right edge is outside)
        {2, 2, "Form"},             // the transparent margin
        {8 + 590, 380, "none"},     // outside the window
    };
    for (const auto& c : cases) EXPECT_EQ(NameAt(c.x, c.y), c.expected) << c.x << "," << c.y;

    // Half slid into view: the browse button takes presses inside the background only, since the background
    // clips its children; the panel itself ignores the mouse.
    panel->Position().SetY(340);
    EXPECT_EQ(NameAt(8 + 590, 8 + 359), "Browse");
    EXPECT_EQ(NameAt(8 + 590, 8 + 362), "Form");
    EXPECT_EQ(NameAt(8 + 10, 8 + 345), "Bg");

    // Disabled and invisible controls take nothing; neither do their children.
    install->SetEnabled(false);
    EXPECT_EQ(NameAt(8 + 130, 8 + 20 + 240), "Bg");
    install->SetEnabled(true);
    controls->SetVisible(false);
    EXPECT_EQ(NameAt(8 + 130, 8 + 20 + 240), "Bg");
    controls->SetVisible(true);
    controls->SetEnabled(false);
    EXPECT_EQ(NameAt(8 + 130, 8 + 20 + 240), "Bg");
    EXPECT_FALSE(install->AbsoluteEnabled());
}

TEST_F(ControlTest, ClickNeedsTheReleaseOverThePressedControl) {
    int clicks = 0;
    close->OnClick = [&](Object* sender) {
        EXPECT_EQ(sender, close);
        ++clicks;
    };
    const PointF on{8 + 610, 8 + 20};
    const PointF off{8 + 300, 8 + 30};  // the background

    host.MouseDown(on.x, on.y);
    host.MouseUp(on.x, on.y);
    EXPECT_EQ(clicks, 1);

    // Dragged off before release: the release still reaches the pressed control (capture), no click.
    host.MouseDown(on.x, on.y);
    host.MouseMove(off.x, off.y);
    host.MouseUp(off.x, off.y);
    EXPECT_EQ(clicks, 1);

    // Dragged off and back: a click.
    host.MouseDown(on.x, on.y);
    host.MouseMove(off.x, off.y);
    host.MouseMove(on.x, on.y);
    host.MouseUp(on.x, on.y);
    EXPECT_EQ(clicks, 2);

    // Pressed elsewhere and released over the button: no click.
    host.MouseDown(off.x, off.y);
    host.MouseUp(on.x, on.y);
    EXPECT_EQ(clicks, 2);

    // The right button does not click.
    host.MouseDown(on.x, on.y, MouseButton::Right);
    host.MouseUp(on.x, on.y, MouseButton::Right);
    EXPECT_EQ(clicks, 2);

    // A control disabled while pressed is not clicked.
    close->OnMouseDown = [&](Object*, MouseButton, ShiftState, float, float) { close->SetEnabled(false); };
    host.MouseDown(on.x, on.y);
    host.MouseUp(on.x, on.y);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ControlTest, CapturedControlGetsMovesAndReleaseInItsOwnCoordinates) {
    host.MouseMove(8 + 610, 8 + 20);
    journal.clear();
    host.MouseDown(8 + 610, 8 + 20);
    EXPECT_TRUE(host.mouseCaptured);
    EXPECT_TRUE(close->IsCaptured());
    EXPECT_TRUE(close->IsPressed());
    host.MouseMove(700, -5);  // outside the window
    host.MouseUp(700, -5);
    EXPECT_FALSE(host.mouseCaptured);
    EXPECT_FALSE(close->IsPressed());
    // The pointer is over nothing of the window after the release.
    EXPECT_EQ(journal,
              (std::vector<std::string>{"Close down 11,12", "Close move 93,-21", "Close up 93,-21", "Close leave"}));
}

TEST_F(ControlTest, EnterLeaveAndHintFollowThePointer) {
    browse->SetHint(u"Browse");
    browse->SetShowHint(true);
    close->SetHint(u"Close");  // not shown as a tool tip
    panel->Position().SetY(295);

    host.MouseMove(8 + 590, 8 + 295 + 20);
    EXPECT_EQ(host.hint, u"Browse");
    EXPECT_TRUE(browse->IsMouseOver());
    host.MouseMove(8 + 610, 8 + 20);
    EXPECT_EQ(host.hint, u"");
    host.MouseMove(8 + 611, 8 + 21);  // still on Close: no new enter
    host.MouseLeave();
    EXPECT_FALSE(close->IsMouseOver());
    EXPECT_EQ(journal, (std::vector<std::string>{"Browse enter", "Browse move 13,4", "Browse leave", "Close enter",
                                                 "Close move 11,12", "Close move 12,13", "Close leave"}));
}

TEST_F(ControlTest, APressOrADeactivationPutsTheHintAwayUntilThePointerMovesToAnotherControl) {
    browse->SetHint(u"Browse");
    browse->SetShowHint(true);
    panel->Position().SetY(295);
    const PointF onBrowse{8 + 590, 8 + 295 + 20};
    const PointF elsewhereOnBrowse{8 + 595, 8 + 295 + 25};
    const PointF onClose{8 + 610, 8 + 20};
    // A click handler that opens a modal dialog: the window loses the activation while the dialog is up.
    browse->OnClick = [&](Object*) { form.HandleDeactivate(); };

    const struct {
        const char* what;
        std::function<void()> steps;
        const char16_t* hint;
    } cases[] = {
        {"resting on the button", [] {}, u"Browse"},
        {"pressed", [&] { host.MouseDown(onBrowse.x, onBrowse.y); }, u""},
        {"pressed and released", [&] { host.Click(onBrowse.x, onBrowse.y); }, u""},
        {"clicked, moving on the button",
         [&] {
             host.Click(onBrowse.x, onBrowse.y);
             host.MouseMove(elsewhereOnBrowse.x, elsewhereOnBrowse.y);
         },
         u""},
        {"clicked, the hint text changed",
         [&] {
             host.Click(onBrowse.x, onBrowse.y);
             browse->SetHint(u"Browse for a folder");
         },
         u""},
        {"window deactivated", [&] { form.HandleDeactivate(); }, u""},
        {"window deactivated, moving on the button",
         [&] {
             form.HandleDeactivate();
             host.MouseMove(elsewhereOnBrowse.x, elsewhereOnBrowse.y);
         },
         u""},
        {"pointer left the window", [&] { host.MouseLeave(); }, u""},
        {"clicked, then to another control and back",
         [&] {
             host.Click(onBrowse.x, onBrowse.y);
             host.MouseMove(onClose.x, onClose.y);
             host.MouseMove(onBrowse.x, onBrowse.y);
         },
         u"Browse"},
        {"deactivated, left the window and came back",
         [&] {
             form.HandleDeactivate();
             host.MouseLeave();
             host.MouseMove(onBrowse.x, onBrowse.y);
         },
         u"Browse"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        browse->SetHint(u"Browse");
        host.MouseMove(onClose.x, onClose.y);
        host.MouseMove(onBrowse.x, onBrowse.y);
        ASSERT_EQ(host.hint, u"Browse");
        c.steps();
        EXPECT_EQ(Utf16ToUtf8(host.hint), Utf16ToUtf8(c.hint));
        if (form.Captured() != nullptr) host.MouseUp(onClose.x, onClose.y);  // a press the case left
    }
}

TEST_F(ControlTest, WheelBubblesToParentsUntilHandled) {
    std::vector<std::string> seen;
    install->OnMouseWheel = [&](Object*, ShiftState, int delta, bool&) { seen.push_back("Install"); };
    controls->OnMouseWheel = [&](Object*, ShiftState, int delta, bool& handled) {
        seen.push_back("Controls " + std::to_string(delta));
        handled = true;
    };
    bg->OnMouseWheel = [&](Object*, ShiftState, int, bool&) { seen.push_back("Bg"); };
    host.Wheel(8 + 130, 8 + 20 + 240, -120);
    EXPECT_EQ(seen, (std::vector<std::string>{"Install", "Controls -120"}));
}

TEST_F(ControlTest, FocusNeedsCanFocusAndLeavesHiddenControls) {
    EXPECT_FALSE(install->SetFocus());
    install->SetCanFocus(true);
    close->SetCanFocus(true);
    EXPECT_TRUE(install->SetFocus());
    EXPECT_TRUE(close->SetFocus());
    EXPECT_EQ(form.Focused(), close);

    std::vector<std::string> keys;
    close->OnKeyDown = [&](Object*, uint16_t& key, char16_t&, ShiftState) {
        keys.push_back("Close " + std::to_string(key));
        if (key == 13) key = 0;  // consumed
    };
    form.OnKeyDown = [&](Object*, uint16_t& key, char16_t&, ShiftState) {
        keys.push_back("Form " + std::to_string(key));
    };
    EXPECT_EQ(host.KeyDown(13), 0);
    host.KeyDown(27);
    EXPECT_EQ(keys, (std::vector<std::string>{"Close 13", "Close 27", "Form 27"}));

    bg->SetVisible(false);
    EXPECT_EQ(form.Focused(), nullptr);
    EXPECT_FALSE(close->SetFocus());
    EXPECT_EQ(journal, (std::vector<std::string>{"Install focus", "Install unfocus", "Close focus", "Close unfocus"}));
}

TEST_F(ControlTest, BottomAlignedControlsFollowTheParentsSize) {
    auto* bar = Add(bg, u"Bar", 0, 0, 10, 4);
    bar->Margins().SetRect({1, 0, 1, 1});
    bar->SetAlign(AlignLayout::Bottom);
    EXPECT_EQ(bar->BoundsRect(), (RectF{1, 355, 639, 359}));

    int resized = 0;
    bg->OnResize = [&](Object*) { ++resized; };
    bg->SetSize(400, 200);
    EXPECT_EQ(resized, 1);
    EXPECT_EQ(bar->BoundsRect(), (RectF{1, 195, 399, 199}));

    // A second one stacks above the first; a hidden one takes no room.
    auto* status = Add(bg, u"Status", 0, 0, 10, 20);
    status->Margins().SetBottom(2);
    status->SetAlign(AlignLayout::Bottom);
    EXPECT_EQ(status->BoundsRect(), (RectF{0, 193 - 20, 400, 193}));
    bar->SetVisible(false);
    EXPECT_EQ(status->BoundsRect(), (RectF{0, 178, 400, 198}));

    // Moving an aligned control by hand does not stick; its height does.
    status->Position().SetY(5);
    EXPECT_EQ(status->Y(), 178);
    status->SetHeight(30);
    EXPECT_EQ(status->BoundsRect(), (RectF{0, 168, 400, 198}));
}

TEST_F(ControlTest, AbsoluteOpacityMultipliesTheAncestors) {
    controls->SetOpacity(0.5f);
    bg->SetOpacity(0.8f);
    install->SetOpacity(2);  // clamped
    EXPECT_EQ(install->Opacity(), 1);
    EXPECT_FLOAT_EQ(install->AbsoluteOpacity(), 0.4f);
}

TEST_F(ControlTest, PaintsChildrenInOrderTranslatedAndClipped) {
    controls->SetOpacity(0);  // skipped with its children
    icon->SetVisible(false);
    RecordingCanvas canvas;
    host.Paint(canvas);
    std::vector<std::string> fills;
    for (const std::string& call : canvas.calls) {
        if (call.rfind("FillRect", 0) == 0 || call.rfind("Clip", 0) == 0 || call.rfind("SetMatrix", 0) == 0) {
            fills.push_back(call.substr(0, call.find(" r=")));
        }
    }
    EXPECT_EQ(fills, (std::vector<std::string>{
                         "SetMatrix 1,0,0,1,8,8",
                         "FillRect 0,0,640,360",  // Bg
                         "Clip 0,0,640,360",      // Bg clips its children
                         "SetMatrix 1,0,0,1,178,231",
                         "FillRect 0,0,300,78",
                         "SetMatrix 1,0,0,1,607,16",
                         "FillRect 0,0,33,33",
                         "SetMatrix 1,0,0,1,8,376",  // Panel, wholly below the clip: left out with its children
                     }));
}

// Children whose paint cannot reach the canvas's clip (the part of the window being painted, or a clipping
// parent) are left out with their subtrees; anything that may reach it is painted, as before.
TEST(ControlPaint, ChildrenOutsideTheClipAreLeftOut) {
    // The installer window's background with some of its children (each case starts from a new one).
    struct Scene {
        std::vector<std::string> journal;
        Form form;
        HeadlessHost host{form};
        std::vector<std::string> painted;
        Control* bg = Add(&form, u"Bg", 8, 8, 640, 360);
        Control* brand = Add(bg, u"Brand", 170, 223, 300, 78);
        Control* close = Add(bg, u"Close", 599, 8, 33, 33);
        Control* icon = Add(bg, u"Icon", 270, 100, 100, 158);
        Control* icon2 = Add(icon, u"Icon2", 0, 0, 100, 158);
        Control* panel = Add(bg, u"Panel", 0, 368, 640, 65);
        Control* browse = Add(panel, u"Browse", 577, 16, 34, 34);
        Scene() {
            form.SetBounds(0, 0, 656, 376);
            bg->SetClipChildren(true);
        }
        Control* Add(Control* parent, std::u16string_view name, float x, float y, float w, float h) {
            auto* control = form.CreateComponent<Probe>(&journal);
            control->SetName(name);
            control->SetBounds(x, y, w, h);
            control->SetParent(parent);
            control->OnPainting = [this](Object* sender, Canvas&, const RectF&) {
                painted.push_back(Utf16ToUtf8(static_cast<Control*>(sender)->Name()));
            };
            return control;
        }
    };
    struct Case {
        const char* name;
        std::function<void(Scene&)> set;
        RectF clip;  // the painted part of the window
        std::vector<std::string> painted;
    };
    const Case cases[] = {
        {"whole window", [](Scene&) {}, {0, 0, 656, 376}, {"Bg", "Brand", "Close", "Icon", "Icon2"}},
        {"only the close button's corner", [](Scene&) {}, {610, 20, 620, 30}, {"Bg", "Close"}},
        {"a strip between the brand and the close button", [](Scene&) {}, {500, 100, 560, 120}, {"Bg"}},
        {"next to an edge: a stroke on it may reach over", [](Scene&) {}, {641, 50, 645, 60}, {"Bg", "Close"}},
        {"the panel moved half into the clip", [](Scene& s) { s.panel->Position().SetY(330); }, {0, 0, 656, 376},
         {"Bg", "Brand", "Close", "Icon", "Icon2", "Panel", "Browse"}},
        {"a glow reaches into the clip from a control outside it",
         [](Scene& s) {
             auto* glow = s.form.CreateComponent<GlowEffect>();
             glow->SetParent(s.close);
         },
         {596, 52, 600, 56}, {"Bg", "Close"}},
        {"an unclipped child reaches out of its parent into the clip",
         [](Scene& s) { s.Add(s.brand, u"Badge", 300, 70, 40, 40); }, {500, 320, 510, 330},
         {"Bg", "Brand", "Badge"}},
        {"a turned control is tested by its turned box", [](Scene& s) { s.brand->SetRotationAngle(90); },
         {320, 330, 330, 340}, {"Bg", "Brand"}},
    };
    for (const Case& c : cases) {
        Scene scene;
        c.set(scene);
        RecordingCanvas canvas;
        canvas.IntersectClipRect(c.clip);
        scene.host.Paint(canvas);
        EXPECT_EQ(scene.painted, c.painted) << c.name;
    }
}

TEST_F(ControlTest, PaintEventsSurroundTheControlsOwnPaintAndGlowGoesToTheHost) {
    std::vector<std::string> order;
    bg->OnPainting = [&](Object*, Canvas&, const RectF& r) {
        order.push_back("painting " + std::to_string(int(r.right)));
    };
    bg->OnPaint = [&](Object*, Canvas&, const RectF&) { order.push_back("paint"); };
    auto* glow = form.CreateComponent<GlowEffect>();
    glow->SetParent(bg);
    RecordingCanvas canvas;
    host.Paint(canvas);
    EXPECT_EQ(order, (std::vector<std::string>{"painting 640", "paint"}));
    EXPECT_EQ(host.glowsPainted, std::vector<std::u16string>{u"Bg"});
    EXPECT_EQ(GlowEffect::Find(*bg), glow);
    glow->SetEnabled(false);
    EXPECT_EQ(GlowEffect::Find(*bg), nullptr);
}

TEST_F(ControlTest, RepaintRequestsCoverOldAndNewPlaceWithinClips) {
    host.invalidated.clear();
    brand->Position().SetPoint({50, 70});
    EXPECT_EQ(host.invalidated, (std::vector<RectF>{{178, 231, 478, 309}, {58, 78, 358, 156}}));

    // A child partly outside a clipping parent is cut to it; one wholly outside asks for nothing.
    host.invalidated.clear();
    panel->Position().SetY(300);
    EXPECT_EQ(host.invalidated, (std::vector<RectF>{{8, 308, 648, 368}}));  // from 368 nothing was visible
    host.invalidated.clear();
    close->SetOpacity(0.5f);
    EXPECT_EQ(host.invalidated, (std::vector<RectF>{{607, 16, 640, 49}}));

    // A glow widens the area by its extent (softness 0.4: 8 pixels) within the window.
    host.invalidated.clear();
    auto* glow = form.CreateComponent<GlowEffect>();
    glow->SetParent(bg);
    EXPECT_EQ(host.invalidated.back(), (RectF{0, 0, 656, 376}));
}

TEST_F(ControlTest, ControlsThatGoAwayAreForgottenByTheForm) {
    close->SetCanFocus(true);
    close->SetFocus();
    host.MouseMove(8 + 610, 8 + 20);
    host.MouseDown(8 + 610, 8 + 20);
    ASSERT_EQ(form.Captured(), close);
    form.FreeComponent(close);
    EXPECT_EQ(form.Captured(), nullptr);
    EXPECT_EQ(form.Hovered(), nullptr);
    EXPECT_EQ(form.Focused(), nullptr);
    EXPECT_FALSE(host.mouseCaptured);
    host.MouseUp(8 + 610, 8 + 20);  // reaches the background now
    EXPECT_EQ(form.Hovered(), bg);

    // Freeing a parent leaves its children in the form's ownership, without a parent.
    form.FreeComponent(controls);
    EXPECT_EQ(install->ParentControl(), nullptr);
    EXPECT_EQ(install->RootForm(), nullptr);
}

TEST_F(ControlTest, WindowDragTakesOverThePress) {
    bg->OnMouseDown = [&](Object*, MouseButton, ShiftState, float, float) { form.StartWindowDrag(); };
    int clicks = 0;
    bg->OnClick = [&](Object*) { ++clicks; };
    host.MouseDown(8 + 300, 8 + 30, MouseButton::Right);
    EXPECT_EQ(host.windowDrags, 1);
    EXPECT_FALSE(host.mouseCaptured);
    host.MouseDown(8 + 300, 8 + 30);
    host.MouseUp(8 + 300, 8 + 30);
    EXPECT_EQ(host.windowDrags, 2);
    EXPECT_EQ(clicks, 0);
}

TEST_F(ControlTest, CoordinatesConvertThroughTheTreeAndTheHost) {
    host.screenOrigin = {312, 212};
    EXPECT_EQ(install->LocalToAbsolute({1, 2}), (PointF{8 + 120 + 1, 8 + 20 + 233 + 2}));
    EXPECT_EQ(install->LocalToScreen({0, 0}), (PointF{312 + 128, 212 + 261}));
    EXPECT_EQ(install->ScreenToLocal({312 + 128, 212 + 261}), (PointF{0, 0}));
    EXPECT_EQ(form.ClientToScreen({0, 0}), (PointF{312, 212}));
}

}  // namespace
}  // namespace ui
