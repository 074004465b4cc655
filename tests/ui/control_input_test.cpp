// Transforms and the input area of controls, and what the form makes of presses, moves and releases beyond
// plain mouse events: double clicks, focus hand-over, the pointer shape, actions, popup menus and drags.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ui/action.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/popup_menu.h"
#include "ui/testing/headless_host.h"
#include "ui/testing/recording_canvas.h"
#include "ui/text.h"
#include "ui/virtual_keys.h"

namespace ui {
namespace {

class Painted : public Control {
public:
    void Paint(Canvas& canvas) override { canvas.FillRect(LocalRect(), 0, 0, kCornersAll, 1); }
};

class ControlInputTest : public ::testing::Test {
protected:
    void SetUp() override { form.SetSize(400, 300); }

    template <class T = Control>
    T* Add(Control* parent, std::u16string_view name, RectF bounds) {
        auto* control = form.CreateComponent<T>();
        control->SetName(name);
        control->SetParent(parent != nullptr ? parent : &form);
        control->SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
        return control;
    }

    std::string NameAt(float x, float y) {
        Control* hit = form.ObjectAtPoint({x, y});
        return hit == nullptr || hit == &form ? "-" : Utf16ToUtf8(hit->Name());
    }

    Form form;
    HeadlessHost host{form};
};

// --- transform and input area

TEST_F(ControlInputTest, HitTestingFollowsRotationScaleAndExpansion) {
    struct Case {
        const char* what;
        float angle;
        PointF scale;
        PointF center;
        RectF expansion;
        PointF point;
        bool hit;
    };
    // The control lies at (100, 100) and is 100 x 20; its middle is (150, 110).
    const Case cases[] = {
        {"plain: inside", 0, {1, 1}, {0.5f, 0.5f}, {}, {105, 105}, true},
        {"plain: below", 0, {1, 1}, {0.5f, 0.5f}, {}, {150, 125}, false},
        {"quarter turn: the long side stands upright", 90, {1, 1}, {0.5f, 0.5f}, {}, {150, 150}, true},
        {"quarter turn: a former corner is empty", 90, {1, 1}, {0.5f, 0.5f}, {}, {105, 105}, false},
        {"quarter turn about the top-left corner", 90, {1, 1}, {0, 0}, {}, {90, 150}, true},
        {"quarter turn about the top-left corner: right of it", 90, {1, 1}, {0, 0}, {}, {105, 105}, false},
        {"45 degrees: the middle", 45, {1, 1}, {0.5f, 0.5f}, {}, {150, 110}, true},
        {"45 degrees: the unturned corner is outside", 45, {1, 1}, {0.5f, 0.5f}, {}, {101, 101}, false},
        {"scaled twice about the middle: beyond the old edge", 0, {2, 2}, {0.5f, 0.5f}, {}, {60, 125}, true},
        {"scaled twice: beyond the new edge", 0, {2, 2}, {0.5f, 0.5f}, {}, {45, 110}, false},
        {"scaled to half: the old corner is outside", 0, {0.5f, 0.5f}, {0.5f, 0.5f}, {}, {102, 102}, false},
        {"scaled to nothing takes no input", 0, {0, 0}, {0.5f, 0.5f}, {}, {150, 110}, false},
        {"expansion: left margin", 0, {1, 1}, {0.5f, 0.5f}, {10, 0, 0, 0}, {92, 110}, true},
        {"expansion: beyond the margin", 0, {1, 1}, {0.5f, 0.5f}, {10, 0, 0, 0}, {89, 110}, false},
        {"expansion: bottom margin", 0, {1, 1}, {0.5f, 0.5f}, {0, 0, 0, 8}, {150, 127}, true},
        {"negative expansion shrinks", 0, {1, 1}, {0.5f, 0.5f}, {-5, 0, 0, 0}, {102, 110}, false},
        {"expansion turns with the control", 90, {1, 1}, {0.5f, 0.5f}, {0, 0, 0, 10}, {135, 110}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Control* control = Add(nullptr, u"C", {100, 100, 200, 120});
        control->SetRotationAngle(c.angle);
        control->Scale().SetPoint(c.scale);
        control->RotationCenter().SetPoint(c.center);
        control->TouchTargetExpansion().SetRect(c.expansion);
        EXPECT_EQ(NameAt(c.point.x, c.point.y), c.hit ? "C" : "-");
        form.FreeComponent(control);
    }
}

TEST_F(ControlInputTest, ChildrenOfATurnedControlTurnWithItAndGetLocalPoints) {
    Control* parent = Add(nullptr, u"P", {100, 100, 200, 200});
    parent->SetRotationAngle(90);  // about (150, 150): the parent's (x, y) shows at (200 - y, 100 + x)
    Control* child = Add(parent, u"Child", {0, 0, 20, 10});
    EXPECT_EQ(NameAt(195, 105), "Child");
    EXPECT_EQ(NameAt(105, 105), "P");
    std::vector<PointF> presses;
    child->OnMouseDown = [&](Object*, MouseButton, ShiftState, float x, float y) { presses.push_back({x, y}); };
    host.Click(195, 105);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_NEAR(presses[0].x, 5, 1e-4);
    EXPECT_NEAR(presses[0].y, 5, 1e-4);
    const PointF back = child->LocalToAbsolute({5, 5});
    EXPECT_NEAR(back.x, 195, 1e-4);
    EXPECT_NEAR(back.y, 105, 1e-4);
}

TEST_F(ControlInputTest, PaintingGoesThroughTheControlsTransform) {
    auto* control = Add<Painted>(nullptr, u"C", {100, 100, 200, 120});
    control->SetRotationAngle(180);
    control->Scale().SetPoint({2, 1});
    RecordingCanvas canvas;
    host.Paint(canvas);
    // About the middle (150, 110): x' = 150 - 2 (x - 50), y' = 110 - (y - 10).
    const Matrix expected = control->LocalMatrix();
    EXPECT_EQ(expected.Apply({0, 0}), (PointF{250, 120}));
    EXPECT_EQ(expected.Apply({100, 20}), (PointF{50, 100}));
    bool found = false;
    for (const std::string& call : canvas.calls) {
        found = found || (call.starts_with("SetMatrix -2,0,") && call.ends_with(",-1,250,120"));
    }
    EXPECT_TRUE(found) << ::testing::PrintToString(canvas.calls);
    // A changed transform repaints the area the control may have covered.
    host.invalidated.clear();
    control->SetRotationAngle(0);
    ASSERT_FALSE(host.invalidated.empty());
    EXPECT_TRUE(host.invalidated.back().Contains(RectF{50, 100, 250, 120}));
}

// --- double clicks

TEST_F(ControlInputTest, ASecondPressSoonAndNearIsADoubleClick) {
    struct Case {
        const char* what;
        std::optional<uint32_t> first;
        std::optional<uint32_t> second;
        PointF secondPoint;
        ShiftState secondShift;
        bool twice;
    };
    const Case cases[] = {
        {"at once, same place", 1000, 1100, {50, 50}, {}, true},
        {"at the time limit", 1000, 1500, {50, 50}, {}, true},
        {"too late", 1000, 1501, {50, 50}, {}, false},
        {"within half the area", 1000, 1100, {52, 48}, {}, true},
        {"too far right", 1000, 1100, {53, 50}, {}, false},
        {"across the clock's wrap-around", 0xFFFFFF00u, 0x50u, {50, 50}, {}, true},
        {"no clock: not unless the host says so", std::nullopt, std::nullopt, {50, 50}, {}, false},
        {"no clock, the host says so", std::nullopt, std::nullopt, {50, 50}, {ShiftKey::Double}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Control* control = Add(nullptr, u"C", {0, 0, 100, 100});
        std::vector<std::string> journal;
        control->OnClick = [&](Object*) { journal.push_back("click"); };
        control->OnDblClick = [&](Object*) { journal.push_back("dblclick"); };
        control->OnMouseDown = [&](Object*, MouseButton, ShiftState shift, float, float) {
            journal.push_back(shift.Contains(ShiftKey::Double) ? "down double" : "down");
        };
        host.inputTime = c.first;
        host.Click(50, 50);
        host.inputTime = c.second;
        host.MouseDown(c.secondPoint.x, c.secondPoint.y, MouseButton::Left, c.secondShift);
        host.MouseUp(c.secondPoint.x, c.secondPoint.y);
        if (c.twice) {
            EXPECT_EQ(journal, (std::vector<std::string>{"down", "click", "down double", "dblclick", "click"}));
        } else {
            EXPECT_EQ(journal, (std::vector<std::string>{"down", "click", "down", "click"}));
        }
        form.FreeComponent(control);
    }
}

TEST_F(ControlInputTest, ADoubleClickNeedsTheSameControlAndStartsOverAfterwards) {
    Control* a = Add(nullptr, u"A", {0, 0, 50, 50});
    Control* b = Add(nullptr, u"B", {50, 0, 100, 50});
    b->TouchTargetExpansion().SetRect({5, 0, 0, 0});  // B takes (48, 10) too
    host.doubleClickSize = {20, 20};
    int doubles = 0;
    a->OnDblClick = [&](Object*) { ++doubles; };
    b->OnDblClick = [&](Object*) { ++doubles; };
    host.inputTime = 10;
    host.Click(44, 10);
    host.inputTime = 20;
    host.Click(48, 10);  // near, but on B
    EXPECT_EQ(doubles, 0);
    host.inputTime = 30;
    host.Click(48, 10);
    EXPECT_EQ(doubles, 1);
    host.inputTime = 40;
    host.Click(48, 10);  // a third press starts a new pair
    EXPECT_EQ(doubles, 1);
    host.inputTime = 45;
    host.Click(48, 10, MouseButton::Right);  // another button in between breaks the pair
    host.inputTime = 50;
    host.Click(48, 10);
    EXPECT_EQ(doubles, 1);
}

// --- focus

TEST_F(ControlInputTest, OnCanFocusMayRefuseAndPressesHandTheFocusToAParent) {
    Control* outer = Add(nullptr, u"Outer", {0, 0, 300, 300});
    Control* inner = Add(outer, u"Inner", {10, 10, 200, 200});
    Control* leaf = Add(inner, u"Leaf", {10, 10, 50, 50});
    outer->SetCanFocus(true);
    inner->SetCanFocus(true);
    bool innerAllows = false;
    int asked = 0;
    inner->OnCanFocus = [&](Object*, bool& allow) {
        ++asked;
        allow = innerAllows;
    };

    EXPECT_FALSE(inner->SetFocus());
    EXPECT_EQ(form.Focused(), nullptr);
    EXPECT_EQ(asked, 1);

    // Without CanParentFocus a press on the leaf moves no focus.
    host.Click(30, 30);
    EXPECT_EQ(form.Focused(), nullptr);

    // With it, the nearest ancestor that takes the focus gets it: Inner refuses, so Outer.
    leaf->SetCanParentFocus(true);
    host.Click(30, 30);
    EXPECT_EQ(form.Focused(), outer);

    innerAllows = true;
    host.Click(30, 30);
    EXPECT_EQ(form.Focused(), inner);
    const int askedBefore = asked;
    EXPECT_TRUE(inner->SetFocus());  // already focused: not asked again
    EXPECT_EQ(asked, askedBefore);

    // A leaf that takes the focus itself keeps it from its parents (the framework gives it none on a press).
    form.SetFocusedControl(nullptr);
    leaf->SetCanFocus(true);
    host.Click(30, 30);
    EXPECT_EQ(form.Focused(), nullptr);
}

// --- pointer shape

TEST_F(ControlInputTest, TheHostShowsThePointerShapeOfTheControlUnderThePointer) {
    Control* panel = Add(nullptr, u"Panel", {0, 0, 200, 200});
    Control* button = Add(panel, u"Button", {10, 10, 60, 40});
    Control* plain = Add(panel, u"Plain", {100, 10, 150, 40});
    panel->SetCursor(CursorShape::Cross);
    button->SetCursor(CursorShape::HandPoint);
    struct Step {
        PointF at;
        CursorShape shape;
    };
    const Step steps[] = {
        {{20, 20}, CursorShape::HandPoint}, {{120, 20}, CursorShape::Cross},   // Plain takes its parent's
        {{5, 150}, CursorShape::Cross},     {{300, 250}, CursorShape::Default},  // the form names none
        {{20, 20}, CursorShape::HandPoint},
    };
    for (const Step& step : steps) {
        host.MouseMove(step.at.x, step.at.y);
        EXPECT_EQ(host.cursor, step.shape) << step.at.x << "," << step.at.y;
    }
    // A change under the pointer shows at once; one elsewhere does not.
    plain->SetCursor(CursorShape::IBeam);
    EXPECT_EQ(host.cursor, CursorShape::HandPoint);
    button->SetCursor(CursorShape::Default);
    EXPECT_EQ(host.cursor, CursorShape::Cross);
    // The control leaving the tree under the pointer hands the shape back.
    host.MouseMove(120, 20);
    EXPECT_EQ(host.cursor, CursorShape::IBeam);
    form.FreeComponent(plain);
    EXPECT_EQ(host.cursor, CursorShape::Default);
}

// --- actions

TEST_F(ControlInputTest, ALinkedControlExecutesTheActionAndFollowsIt) {
    auto* action = form.CreateComponent<Action>();
    action->SetName(u"Act");
    int executed = 0;
    action->OnExecute = [&](Object* sender) {
        EXPECT_EQ(sender, action);
        ++executed;
    };
    Control* a = Add(nullptr, u"A", {0, 0, 50, 50});
    Control* b = Add(nullptr, u"B", {50, 0, 100, 50});
    a->SetAction(action);
    b->SetAction(action);
    EXPECT_EQ(action->Clients().size(), 2u);

    host.Click(10, 10);
    EXPECT_EQ(executed, 1);

    action->SetEnabled(false);
    EXPECT_FALSE(a->Enabled());
    EXPECT_FALSE(b->Enabled());
    EXPECT_FALSE(action->Execute());
    host.Click(10, 10);
    EXPECT_EQ(executed, 1);
    action->SetEnabled(true);
    action->SetVisible(false);
    EXPECT_TRUE(a->Enabled());
    EXPECT_FALSE(a->Visible());
    action->SetVisible(true);

    // A control's own OnClick handler runs instead of the action.
    int clicked = 0;
    a->OnClick = [&](Object*) { ++clicked; };
    host.Click(10, 10);
    EXPECT_EQ(clicked, 1);
    EXPECT_EQ(executed, 1);

    // Unlinked, destroyed: each side forgets the other.
    b->SetAction(nullptr);
    EXPECT_EQ(action->Clients(), (std::vector<Control*>{a}));
    form.FreeComponent(a);
    EXPECT_TRUE(action->Clients().empty());
    b->SetAction(action);
    form.FreeComponent(action);
    EXPECT_EQ(b->Action(), nullptr);
    host.Click(60, 10);  // clicks nothing gone
}

// --- popup menus

TEST_F(ControlInputTest, ARightClickOpensThePopupMenuThroughTheHost) {
    host.screenOrigin = {1000, 500};
    auto* menu = form.CreateComponent<PopupMenu>();
    menu->SetName(u"Menu");
    auto* item = form.CreateComponent<MenuItem>();
    item->SetParent(menu);
    int chosen = 0;
    item->OnClick = [&](Object*) { ++chosen; };
    int popups = 0;
    menu->OnPopup = [&](Object*) { ++popups; };
    Control* control = Add(nullptr, u"C", {10, 10, 110, 60});
    control->SetPopupMenu(menu);

    host.Click(20, 20);  // the left button opens nothing
    EXPECT_TRUE(host.menusShown.empty());
    host.MouseDown(30, 40, MouseButton::Right);
    EXPECT_TRUE(host.menusShown.empty());  // it opens on the release
    host.MouseUp(30, 40, MouseButton::Right);
    ASSERT_EQ(host.menusShown.size(), 1u);
    EXPECT_EQ(host.menusShown[0].menu, menu);
    EXPECT_EQ(host.menusShown[0].screenPoint, (PointF{1030, 540}));
    EXPECT_EQ(menu->PopupComponent(), control);
    EXPECT_EQ(popups, 1);
    ASSERT_EQ(menu->Items().size(), 1u);
    menu->Items()[0]->Click();
    EXPECT_EQ(chosen, 1);
    item->SetEnabled(false);
    item->Click();
    EXPECT_EQ(chosen, 1);

    // Released elsewhere, or on a control without a menu: nothing opens.
    host.MouseDown(30, 40, MouseButton::Right);
    host.MouseUp(300, 200, MouseButton::Right);
    host.Click(300, 200, MouseButton::Right);
    EXPECT_EQ(host.menusShown.size(), 1u);

    form.FreeComponent(menu);
    EXPECT_EQ(control->PopupMenu(), nullptr);
    host.Click(30, 40, MouseButton::Right);
    EXPECT_EQ(host.menusShown.size(), 1u);
}

// --- drags

class DragJournal {
public:
    void Watch(Control* control, DragOperation answer = DragOperation::None) {
        const std::string name = Utf16ToUtf8(control->Name());
        control->OnDragEnter = [this, name](Object*, const DragObject& data, PointF p) {
            Log(name + " enter " + Source(data) + " " + Point(p));
        };
        control->OnDragOver = [this, name, answer](Object*, const DragObject& data, PointF p, DragOperation& op) {
            EXPECT_EQ(op, DragOperation::None);
            op = answer;
            Log(name + " over " + Source(data) + " " + Point(p));
        };
        control->OnDragDrop = [this, name](Object*, const DragObject& data, PointF p) {
            Log(name + " drop " + Source(data) + " " + Point(p));
        };
        control->OnDragLeave = [this, name](Object*) { Log(name + " leave"); };
        control->OnDragEnd = [this, name](Object*) { Log(name + " end"); };
        control->OnClick = [this, name](Object*) { Log(name + " click"); };
    }
    std::vector<std::string> lines;

private:
    void Log(std::string line) { lines.push_back(std::move(line)); }
    static std::string Source(const DragObject& data) {
        auto* c = dynamic_cast<Component*>(data.Source);
        return c != nullptr ? Utf16ToUtf8(c->Name()) : "?";
    }
    static std::string Point(PointF p) {
        return std::to_string(static_cast<int>(std::lround(p.x))) + "," +
               std::to_string(static_cast<int>(std::lround(p.y)));
    }
};

TEST_F(ControlInputTest, AnAutomaticDragFiresTheDragEventsInOrder) {
    Control* source = Add(nullptr, u"Src", {0, 0, 50, 50});
    Control* refuses = Add(nullptr, u"No", {100, 0, 150, 50});
    Control* accepts = Add(nullptr, u"Yes", {200, 0, 250, 50});
    source->SetDragMode(DragMode::Automatic);
    DragJournal journal;
    journal.Watch(source);
    journal.Watch(refuses);
    journal.Watch(accepts, DragOperation::Move);

    host.MouseDown(10, 10);
    host.MouseMove(12, 12);  // below the threshold: no drag yet
    EXPECT_TRUE(journal.lines.empty());
    EXPECT_EQ(form.DragSource(), nullptr);
    host.MouseMove(15, 10);
    EXPECT_EQ(form.DragSource(), source);
    host.MouseMove(110, 20);
    host.MouseMove(112, 20);
    host.MouseMove(210, 30);
    host.MouseUp(215, 30);
    EXPECT_EQ(journal.lines, (std::vector<std::string>{
                                 "Src enter Src 15,10", "Src over Src 15,10", "Src leave", "No enter Src 10,20",
                                 "No over Src 10,20", "No over Src 12,20", "No leave", "Yes enter Src 10,30",
                                 "Yes over Src 10,30", "Yes drop Src 15,30", "Src end"}));
    EXPECT_EQ(form.DragSource(), nullptr);
    EXPECT_FALSE(host.mouseCaptured);

    // Released over a target that refuses: it is left, nothing dropped; no click either way.
    journal.lines.clear();
    host.MouseDown(10, 10);
    host.MouseMove(110, 20);
    host.MouseUp(110, 20);
    EXPECT_EQ(journal.lines, (std::vector<std::string>{"No enter Src 10,20", "No over Src 10,20", "No leave",
                                                       "Src end"}));

    // Escape cancels: the accepting target is left without a drop.
    journal.lines.clear();
    host.MouseDown(10, 10);
    host.MouseMove(210, 20);
    EXPECT_EQ(host.KeyDown(vk::kEscape), 0);
    host.MouseUp(210, 20);
    EXPECT_EQ(journal.lines, (std::vector<std::string>{"Yes enter Src 10,20", "Yes over Src 10,20", "Yes leave",
                                                       "Src end"}));

    // A manual control only clicks, unless it starts the drag itself.
    journal.lines.clear();
    source->SetDragMode(DragMode::Manual);
    host.MouseDown(10, 10);
    host.MouseMove(30, 10);
    host.MouseUp(30, 10);
    EXPECT_EQ(journal.lines, (std::vector<std::string>{"Src click"}));
    journal.lines.clear();
    source->OnMouseDown = [&](Object*, MouseButton, ShiftState, float, float) { source->BeginDrag(); };
    host.MouseDown(10, 10);
    host.MouseUp(210, 20);
    EXPECT_EQ(journal.lines, (std::vector<std::string>{"Src enter Src 10,10", "Src over Src 10,10", "Src leave",
                                                       "Src end"}));
}

TEST_F(ControlInputTest, ADragWhoseTargetOrSourceGoesAwayEndsQuietly) {
    Control* source = Add(nullptr, u"Src", {0, 0, 50, 50});
    Control* target = Add(nullptr, u"T", {100, 0, 150, 50});
    source->SetDragMode(DragMode::Automatic);
    DragJournal journal;
    journal.Watch(source);
    journal.Watch(target, DragOperation::Copy);
    host.MouseDown(10, 10);
    host.MouseMove(110, 10);
    form.FreeComponent(target);
    host.MouseMove(120, 10);
    host.MouseUp(120, 10);
    EXPECT_EQ(journal.lines, (std::vector<std::string>{"T enter Src 10,10", "T over Src 10,10", "Src end"}));

    Control* other = Add(nullptr, u"O", {100, 0, 150, 50});
    journal.Watch(other, DragOperation::Copy);
    journal.lines.clear();
    host.MouseDown(10, 10);
    host.MouseMove(110, 10);
    form.FreeComponent(source);
    EXPECT_EQ(form.DragSource(), nullptr);
    host.MouseUp(110, 10);
    EXPECT_EQ(journal.lines, (std::vector<std::string>{"O enter Src 10,10", "O over Src 10,10"}));
}

// --- anchors and size

TEST_F(ControlInputTest, AnchoredChildrenFollowTheirParentsSize) {
    Control* parent = Add(nullptr, u"P", {0, 0, 200, 100});
    struct Case {
        Anchors anchors;
        RectF after;
    };
    const Case cases[] = {
        {kDefaultAnchors, {10, 10, 60, 30}},
        {{AnchorKind::Left, AnchorKind::Top, AnchorKind::Right}, {10, 10, 110, 30}},
        {{AnchorKind::Right, AnchorKind::Bottom}, {60, 30, 110, 50}},
        {{AnchorKind::Top}, {35, 10, 85, 30}},
        {{AnchorKind::Left, AnchorKind::Top, AnchorKind::Right, AnchorKind::Bottom}, {10, 10, 110, 50}},
    };
    for (const Case& c : cases) {
        parent->SetSize(200, 100);
        Control* child = Add(parent, u"Child", {10, 10, 60, 30});
        child->SetAnchors(c.anchors);
        parent->SetSize(250, 120);
        EXPECT_EQ(child->BoundsRect(), c.after) << c.anchors.Bits();
        form.FreeComponent(child);
    }
    parent->Size().SetWidth(80);
    EXPECT_EQ(parent->Width(), 80);
    EXPECT_EQ(parent->Size().Height(), 120);
}

}  // namespace
}  // namespace ui
