#include "skin/core/skin_control.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/core/control_type_registry.h"
#include "skin/core/lang.h"
#include "skin/core/paint_lock.h"
#include "skin/core/skin_error.h"
#include "skin/draw/draw_rect_param.h"
#include "skin/draw/draw_text_param.h"
#include "tests/skin/core/skin_control_kinds.h"
#include "ui/form.h"
#include "ui/layout_reader.h"
#include "ui/testing/headless_host.h"
#include "ui/testing/recording_canvas.h"
#include "ui/text.h"

namespace skin {
namespace {

using testing::OtherMaterial;
using testing::TestMaterial;
using testing::TestType;
using testing::TTestSkinControl;

class SkinControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::RegisterTestKinds();
        TestType::Journal().clear();
        TestType::AutoSizeValue() = {-1, -1};
        form.SetSize(400, 300);
    }

    TTestSkinControl* AddControl(ui::Control* parent, std::u16string_view name, ui::RectF bounds) {
        auto* control = form.CreateComponent<TTestSkinControl>();
        control->SetName(name);
        control->SetParent(parent != nullptr ? parent : &form);
        control->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
        control->Loaded();
        return control;
    }

    ui::Form form;
    ui::HeadlessHost host{form};
};

TEST_F(SkinControlTest, LoadedControlUsesItsOwnMaterialOfTheRegisteredClass) {
    TTestSkinControl* control = AddControl(nullptr, u"C", {0, 0, 50, 20});
    TSkinControlMaterial* material = control->GetCurrentUseMaterial();
    ASSERT_NE(material, nullptr);
    EXPECT_EQ(material->ClassName(), u"TTestMaterial");
    EXPECT_EQ(material->Name(), u"Material");
    EXPECT_TRUE(material->IsSubComponent());
    EXPECT_EQ(material->Owner(), control);
    EXPECT_EQ(material, control->GetSelfOwnMaterial());
    EXPECT_EQ(material->RefControlCount(), 1);
    ASSERT_NE(control->GetSkinControlType(), nullptr);
    EXPECT_EQ(control->GetSkinControlType()->ClassName(), u"TTestType");
    EXPECT_EQ(control->GetSkinControlType()->SkinControl(), control);
}

TEST_F(SkinControlTest, MaterialUseKindKeepsOrFreesTheOwnMaterial) {
    for (const bool keep : {true, false}) {
        SCOPED_TRACE(keep ? "kept" : "not kept");
        TTestSkinControl* control = AddControl(nullptr, keep ? u"Kept" : u"Freed", {0, 0, 50, 20});
        auto* own = static_cast<TestMaterial*>(control->GetSelfOwnMaterial());
        own->caption->SetFontSize(31);
        auto* ref = form.CreateComponent<TestMaterial>();
        control->SetKeepSelfOwnMaterial(keep);
        control->SetMaterialUseKind(TMaterialUseKind::mukRef);
        control->SetRefMaterial(ref);
        EXPECT_EQ(control->GetCurrentUseMaterial(), ref);
        EXPECT_EQ(ref->RefControlCount(), 1);
        if (keep) {
            EXPECT_EQ(control->GetSelfOwnMaterial(), own);
            EXPECT_EQ(own->RefControlCount(), 0);
        } else {
            EXPECT_EQ(control->GetSelfOwnMaterial(), nullptr);
        }
        // Back to the own material: the reference is forgotten; a freed own material comes back fresh.
        control->SetMaterialUseKind(TMaterialUseKind::mukSelfOwn);
        EXPECT_EQ(control->GetRefMaterial(), nullptr);
        EXPECT_EQ(ref->RefControlCount(), 0);
        auto* now = static_cast<TestMaterial*>(control->GetCurrentUseMaterial());
        ASSERT_NE(now, nullptr);
        EXPECT_EQ(now->caption->FontSize(), keep ? 31 : TDrawTextParam(u"x", u"").FontSize());
        EXPECT_EQ(now->RefControlCount(), 1);
    }
}

TEST_F(SkinControlTest, ReferenceMaterialMustBeExactlyTheRegisteredClass) {
    TTestSkinControl* control = AddControl(nullptr, u"C", {0, 0, 50, 20});
    auto* wrong = form.CreateComponent<OtherMaterial>();
    wrong->SetName(u"PanelLook");
    auto* derived = form.CreateComponent<testing::DerivedTestMaterial>();
    derived->SetName(u"DerivedLook");
    try {
        control->SetRefMaterial(wrong);
        FAIL() << "no error";
    } catch (const SkinError& e) {
        EXPECT_EQ(std::string(e.what()), "PanelLook与此控件或此ComponentType匹配的Material类型不符");
    }
    EXPECT_THROW(control->SetRefMaterial(derived), SkinError);
    EXPECT_EQ(control->GetRefMaterial(), nullptr);
    EXPECT_EQ(control->GetCurrentUseMaterial(), control->GetSelfOwnMaterial());
}

TEST_F(SkinControlTest, ADestroyedMaterialIsForgottenAndTheNextReadResolvesAgain) {
    TTestSkinControl* control = AddControl(nullptr, u"C", {0, 0, 50, 20});
    auto* ref = form.CreateComponent<TestMaterial>();
    control->SetMaterialUseKind(TMaterialUseKind::mukRef);
    control->SetRefMaterial(ref);
    ASSERT_EQ(control->GetCurrentUseMaterial(), ref);
    form.FreeComponent(ref);
    EXPECT_EQ(control->GetRefMaterial(), nullptr);
    EXPECT_EQ(control->GetCurrentUseMaterial(), nullptr);
    ui::RecordingCanvas canvas;
    host.Paint(canvas);  // paints nothing of its own, and does not touch the freed material
    EXPECT_EQ(TestType::Journal(), std::vector<std::string>{});
}

TEST_F(SkinControlTest, ClearingTheReferenceLetsGoOfTheMaterialItNamed) {
    TTestSkinControl* control = AddControl(nullptr, u"C", {0, 0, 50, 20});
    auto* ref = form.CreateComponent<TestMaterial>();
    control->SetMaterialUseKind(TMaterialUseKind::mukRef);
    control->SetRefMaterial(ref);
    ASSERT_EQ(control->GetCurrentUseMaterial(), ref);
    control->SetRefMaterial(nullptr);
    EXPECT_EQ(ref->RefControlCount(), 0);
    form.FreeComponent(ref);
    EXPECT_EQ(control->GetCurrentUseMaterial(), nullptr);
}

TEST_F(SkinControlTest, StyleNameLookupRetriesAndSetsTheTypeName) {
    TTestSkinControl* control = AddControl(nullptr, u"C", {0, 0, 50, 20});
    control->SetMaterialUseKind(TMaterialUseKind::mukRefByStyleName);
    control->SetMaterialName(u"Night");
    EXPECT_EQ(control->GetCurrentUseMaterial(), nullptr);

    OtherMaterial night;  // found through the "Other" entry of the kind
    night.SetStyleName(u"NIGHT");
    control->SetMaterialName(u"Night");  // the same name again looks it up again
    EXPECT_EQ(control->GetCurrentUseMaterial(), &night);
    EXPECT_EQ(control->GetComponentTypeName(), u"Other");
    EXPECT_EQ(control->GetSkinControlType()->ClassName(), u"TOtherType");
    EXPECT_EQ(night.RefControlCount(), 1);
    control->SetMaterialUseKind(TMaterialUseKind::mukSelfOwn);
    EXPECT_EQ(night.RefControlCount(), 0);
}

TEST_F(SkinControlTest, UnknownTypeNameLeavesTheControlWithoutTypeOrMaterial) {
    auto* control = form.CreateComponent<TTestSkinControl>();
    control->SetParent(&form);
    control->SetComponentTypeName(u"other");  // type names are case-sensitive
    control->Loaded();
    EXPECT_EQ(control->GetSkinControlType(), nullptr);
    EXPECT_EQ(control->GetCurrentUseMaterial(), nullptr);
    EXPECT_EQ(control->GetUseComponentTypeName(), u"other");
    control->SetComponentTypeName(u"  ");
    EXPECT_EQ(control->GetUseComponentTypeName(), u"Default");
    EXPECT_NE(control->GetSkinControlType(), nullptr);
}

TEST_F(SkinControlTest, PaintWritesStatesAndOpacityIntoEveryParameter) {
    TTestSkinControl* control = AddControl(nullptr, u"C", {10, 10, 60, 30});
    auto* material = static_cast<TestMaterial*>(control->GetCurrentUseMaterial());
    material->caption->IsControlParam = false;
    control->SetOpacity(0.5f);
    control->SetIsMouseOver(true);
    control->SetIsMouseDown(true);
    ui::RecordingCanvas canvas;
    host.Paint(canvas);
    const TDPEffectStates mouse{TDPEffectState::dpstMouseDown, TDPEffectState::dpstMouseOver};
    EXPECT_EQ(material->DrawBackColorParam().StaticEffectStates(), mouse);
    EXPECT_EQ(material->caption->StaticEffectStates(), TDPEffectStates{});  // not a control parameter
    EXPECT_EQ(material->DrawBackColorParam().DrawAlpha, 128);               // ceil(255 * 0.5)
    EXPECT_EQ(TestType::Journal(), std::vector<std::string>{"paint TTestMaterial"});

    // Disabled wins over everything else.
    control->SetEnabled(false);
    host.Paint(canvas);
    EXPECT_EQ(material->DrawBackColorParam().StaticEffectStates(), TDPEffectStates{TDPEffectState::dpstDisabled});

    // A host's paint without interactive states still passes focus and disabled.
    TPaintData data;
    data.IsDrawInteractiveState = false;
    control->SetEnabled(true);
    control->GetSkinControlType()->ProcessMaterialEffectStates(material, data);
    EXPECT_EQ(material->DrawBackColorParam().StaticEffectStates(), TDPEffectStates{});
}

TEST_F(SkinControlTest, OpacityProductsRoundUpButNotFloatNoise) {
    TTestSkinControl* control = AddControl(nullptr, u"C", {0, 0, 50, 20});
    auto* material = control->GetCurrentUseMaterial();
    const struct {
        float opacity;
        int alpha;
    } cases[] = {{1, 255}, {0.5f, 128}, {0.2f, 51}, {0, 0}, {0.001f, 1}};
    for (const auto& c : cases) {
        control->SetOpacity(c.opacity);
        control->GetSkinControlType()->ProcessMaterialEffectStates(material, TPaintData{true, false, nullptr});
        EXPECT_EQ(material->DrawBackColorParam().DrawAlpha, c.alpha) << c.opacity;
    }
}

TEST_F(SkinControlTest, TransparentMaterialSkipsOnlyTheBackground) {
    TTestSkinControl* control = AddControl(nullptr, u"C", {10, 10, 60, 30});
    TSkinControlMaterial* material = control->GetCurrentUseMaterial();
    material->DrawBackColorParam().SetIsFill(true);
    material->DrawBackColorParam().FillColor().SetColor(0xFF00FF00);
    for (const bool transparent : {true, false}) {
        material->SetIsTransparent(transparent);
        ui::RecordingCanvas canvas;
        TestType::Journal().clear();
        host.Paint(canvas);
        bool filled = false;
        for (const std::string& call : canvas.calls) filled |= call.rfind("FillRect", 0) == 0;
        EXPECT_EQ(filled, !transparent);
        EXPECT_EQ(TestType::Journal(), std::vector<std::string>{"paint TTestMaterial"});
    }
}

TEST_F(SkinControlTest, MaterialChangesRepaintOnlyOutsideLoadingAndLocks) {
    TTestSkinControl* control = AddControl(nullptr, u"C", {10, 10, 60, 30});
    TSkinControlMaterial* material = control->GetCurrentUseMaterial();
    host.invalidated.clear();
    material->DrawBackColorParam().SetAlpha(100);
    EXPECT_EQ(host.invalidated.size(), 1u);
    {
        TPaintLock lock;
        material->DrawBackColorParam().SetAlpha(90);
    }
    EXPECT_EQ(host.invalidated.size(), 1u);
}

TEST_F(SkinControlTest, PressesRepaintOnlyWhenTheMaterialShowsThem) {
    TTestSkinControl* control = AddControl(nullptr, u"C", {10, 10, 60, 30});
    TSkinControlMaterial* material = control->GetCurrentUseMaterial();
    host.invalidated.clear();
    host.MouseDown(20, 20);
    host.MouseUp(20, 20);
    const size_t withoutEffect = host.invalidated.size();
    material->DrawBackColorParam().DrawEffectSetting().MouseDownEffect().SetCommonEffectTypes(
        {TDPCommonEffectType::dpcetAlphaChange});
    host.invalidated.clear();
    host.MouseDown(20, 20);
    EXPECT_TRUE(control->GetIsMouseDown());
    EXPECT_TRUE(SkinMouseIsDown);
    host.MouseUp(20, 20);
    EXPECT_FALSE(control->GetIsMouseDown());
    EXPECT_FALSE(SkinMouseIsDown);
    EXPECT_EQ(host.invalidated.size(), withoutEffect + 2);
}

struct ClickCase {
    const char* name;
    bool inScrollBox;
    ui::PointF moveTo;
    std::vector<std::string> events;
};

TEST_F(SkinControlTest, ClickAndStayClickTellAPressFromADrag) {
    const ClickCase cases[] = {
        {"stayed", false, {14, 13}, {"click", "stay"}},
        {"dragged", false, {15, 10}, {"click"}},
        {"stayed in a scroll box", true, {14, 13}, {"click", "stay"}},
        {"dragged in a scroll box", true, {10, 15}, {}},
    };
    for (const ClickCase& c : cases) {
        SCOPED_TRACE(c.name);
        ui::Control* parent = &form;
        if (c.inScrollBox) {
            auto* box = form.CreateComponent<testing::TTestScrollBox>();
            box->SetParent(&form);
            box->SetBounds(0, 0, 300, 200);
            parent = box;
        }
        TTestSkinControl* control = AddControl(parent, c.inScrollBox ? u"InBox" : u"Plain", {0, 0, 100, 100});
        std::vector<std::string> events;
        control->OnClick = [&](ui::Object*) { events.push_back("click"); };
        control->OnStayClick = [&](ui::Object*) { events.push_back("stay"); };
        host.MouseDown(10, 10);
        host.MouseMove(c.moveTo.x, c.moveTo.y);
        host.MouseUp(c.moveTo.x, c.moveTo.y);
        EXPECT_EQ(events, c.events);
        form.FreeComponent(control);
        if (c.inScrollBox) form.FreeComponent(parent);
    }
}

TEST_F(SkinControlTest, ClickWithoutAPressRaisesOnlyOnClick) {
    TTestSkinControl* control = AddControl(nullptr, u"C", {0, 0, 100, 100});
    std::vector<std::string> events;
    control->OnClick = [&](ui::Object*) { events.push_back("click"); };
    control->OnStayClick = [&](ui::Object*) { events.push_back("stay"); };
    control->Click();
    EXPECT_EQ(events, std::vector<std::string>{"click"});
}

TEST_F(SkinControlTest, ChildPressesReachTheEnclosingSkinnedControl) {
    TTestSkinControl* panel = AddControl(nullptr, u"Panel", {40, 20, 240, 220});
    TTestSkinControl* child = AddControl(panel, u"Child", {0, 0, 50, 50});
    std::vector<std::string> events;
    auto record = [&](const char* who) {
        return [&events, who](ui::Object*, ui::MouseButton, ui::ShiftState, float x, float y) {
            events.push_back(std::string(who) + " " + std::to_string(int(x)) + "," + std::to_string(int(y)));
        };
    };
    panel->OnCustomMouseDown = record("panel");
    child->OnCustomMouseDown = record("child");

    child->SetParentMouseEvent(true);
    host.MouseDown(45, 25);  // (5, 5) in the child
    EXPECT_EQ(events, (std::vector<std::string>{"child 5,5", "panel 5,5"}));
    TSkinControlType* panelType = panel->GetSkinControlType();
    EXPECT_EQ(panelType->MouseDownPt, (ui::PointF{5, 5}));
    EXPECT_TRUE(panelType->CurrentMouseEventIsChildOwn);
    EXPECT_EQ(panelType->CurrentMouseEventChild, child);
    host.MouseUp(45, 25);

    // Not forwarded: the child's own rule says no, also inside a scroll box.
    events.clear();
    child->SetParentMouseEvent(false);
    child->SetMouseEventTransToParentType(TMouseEventTransToParentType::mettptNotTrans);
    host.MouseDown(45, 25);
    host.MouseUp(45, 25);
    EXPECT_EQ(events, std::vector<std::string>{"child 5,5"});
}

TEST_F(SkinControlTest, ForwardedPointsAddTheChildPosition) {
    TTestSkinControl* panel = AddControl(nullptr, u"Panel", {40, 20, 240, 220});
    TTestSkinControl* child = AddControl(panel, u"Child", {40, 20, 90, 70});
    child->SetParentMouseEvent(true);
    host.MouseDown(85, 45);  // (5, 5) in the child at (40, 20) of the panel
    EXPECT_EQ(panel->GetSkinControlType()->MouseDownPt, (ui::PointF{45, 25}));
    host.MouseUp(85, 45);
}

TEST_F(SkinControlTest, MouseDownFocusNeedsAControlThatCanTakeTheFocus) {
    TTestSkinControl* control = AddControl(nullptr, u"C", {0, 0, 100, 100});
    control->SetMouseDownFocus(true);
    host.MouseDown(10, 10);
    host.MouseUp(10, 10);
    EXPECT_FALSE(control->IsFocused());
    control->SetCanFocus(true);
    host.MouseDown(10, 10);
    host.MouseUp(10, 10);
    EXPECT_TRUE(control->IsFocused());
}

class HostControl : public TTestSkinControl, public IDirectUIParent {
public:
    void InvalidateDirectUIChild(ui::Control* child, IDirectUIControl*) override { asked.push_back(child); }
    std::vector<ui::Control*> asked;
};

TEST_F(SkinControlTest, ChildrenOfAHostRepaintThroughIt) {
    auto* hostControl = form.CreateComponent<HostControl>();
    hostControl->SetParent(&form);
    hostControl->SetBounds(0, 0, 100, 100);
    hostControl->Loaded();
    TTestSkinControl* child = AddControl(hostControl, u"Child", {0, 0, 10, 10});
    host.invalidated.clear();
    child->Invalidate();
    EXPECT_EQ(hostControl->asked, std::vector<ui::Control*>{child});
    EXPECT_TRUE(host.invalidated.empty());
}

TEST_F(SkinControlTest, SizesAndCaption) {
    TTestSkinControl* control = AddControl(nullptr, u"C", {0, 0, 10, 64.2});
    EXPECT_EQ(control->GetHeightInt(), 65);
    EXPECT_EQ(control->GetWidthInt(), 10);
    control->SetCaption(u"Hello");
    control->SetCaption(u"Hello");
    EXPECT_EQ(TestType::Journal(), std::vector<std::string>{"text"});
    control->SetStaticCaption(u"Quiet");
    EXPECT_EQ(control->GetCaption(), u"Quiet");
    EXPECT_EQ(TestType::Journal().size(), 1u);
}

TEST_F(SkinControlTest, AutoSizeWaitsForTheEndOfLoading) {
    TestType::AutoSizeValue() = {80, 24};
    ui::ReadLayout(
        "object F: TForm\n"
        "  object C: TTestSkinControl\n"
        "    Width = 10\n"
        "    Height = 10\n"
        "    Properties.AutoSize = True\n"
        "  end\n"
        "end\n",
        form, testing::TestClassRegistry());
    auto* control = static_cast<TTestSkinControl*>(form.FindComponent(u"C"));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->Width(), 80);
    EXPECT_EQ(control->Height(), 24);
}

TEST_F(SkinControlTest, LanguageTablesRecordOnceAndTranslate) {
    TTestSkinControl* control = AddControl(nullptr, u"Title", {0, 0, 10, 10});
    TLang lang;
    control->SetCaption(u"Install");
    control->RecordControlLangIndex(u"Main.", lang, u"en");
    control->SetCaption(u"Other");
    control->RecordControlLangIndex(u"Main.", lang, u"en");  // the key is there: kept
    EXPECT_EQ(lang.GetValue(u"Main.Title.Caption", u"en"), u"Install");
    lang.SetValue(u"Main.Title.Caption", u"zh", u"安装");
    control->TranslateControlLang(u"Main.", lang, u"zh");
    EXPECT_EQ(control->GetCaption(), u"安装");
    control->TranslateControlLang(u"Main.", lang, u"fr");  // nothing for French: unchanged
    EXPECT_EQ(control->GetCaption(), u"安装");
}

TEST_F(SkinControlTest, ControlsWithoutTheSkinInterfaceAreRefused) {
    ui::Control plain;
    TSkinControlType type;
    try {
        type.Bind(plain);
        FAIL() << "no error";
    } catch (const SkinError& e) {
        EXPECT_EQ(std::string(e.what()), "This Component Do not Support ISkinComponent Interface");
    }
    EXPECT_THROW(TSkinControlProperties{plain}, SkinError);
}

TEST_F(SkinControlTest, DestroyingTheControlBeforeItsReferenceMaterialLeavesNoLink) {
    auto* ref = form.CreateComponent<TestMaterial>();
    TTestSkinControl* control = AddControl(nullptr, u"C", {0, 0, 10, 10});
    control->SetMaterialUseKind(TMaterialUseKind::mukRef);
    control->SetRefMaterial(ref);
    ASSERT_EQ(control->GetCurrentUseMaterial(), ref);
    form.FreeComponent(control);
    EXPECT_EQ(ref->RefControlCount(), 0);
    ref->DrawBackColorParam().SetAlpha(3);  // reports to nobody
}

}  // namespace
}  // namespace skin

namespace skin {
namespace {

TEST_F(SkinControlTest, AMaterialSetBeforeATypeNameThatChangesItsClassKeepsItsValues) {
    ui::ReadLayout(
        "object F: TForm\n"
        "  object C: TTestSkinControl\n"
        "    SelfOwnMaterial.BackColor.Alpha = 99\n"
        "    SelfOwnMaterial.IsTransparent = False\n"
        "    ComponentTypeName = 'Other'\n"
        "  end\n"
        "end\n",
        form, testing::TestClassRegistry());
    auto* control = static_cast<TTestSkinControl*>(form.FindComponent(u"C"));
    ASSERT_NE(control, nullptr);
    TSkinControlMaterial* material = control->GetCurrentUseMaterial();
    ASSERT_NE(material, nullptr);
    EXPECT_EQ(material->ClassName(), u"TOtherMaterial");
    EXPECT_EQ(material->Name(), u"Material");
    EXPECT_EQ(material->DrawBackColorParam().Alpha(), 99);
    EXPECT_FALSE(material->IsTransparent());
    EXPECT_EQ(material->RefControlCount(), 1);
}

TEST_F(SkinControlTest, AStyleFoundUnderAnotherTypeNameReplacesTheTypeSafelyInsideItsOwnCalls) {
    // Nothing is found at first; the style appears later and is found from inside the type's own call, which
    // renames the type and so replaces it while that call still runs.
    for (const bool byPaint : {true, false}) {
        SCOPED_TRACE(byPaint ? "paint" : "press");
        TTestSkinControl* control = AddControl(nullptr, u"C", {0, 0, 50, 20});
        control->SetMaterialUseKind(TMaterialUseKind::mukRefByStyleName);
        control->SetMaterialName(u"Dusk");
        ASSERT_EQ(control->GetCurrentUseMaterial(), nullptr);
        OtherMaterial dusk;
        dusk.SetStyleName(u"Dusk");
        if (byPaint) {
            ui::RecordingCanvas canvas;
            host.Paint(canvas);
        } else {
            host.MouseDown(10, 10);
            host.MouseUp(10, 10);
        }
        EXPECT_EQ(control->GetSkinControlType()->ClassName(), u"TOtherType");
        EXPECT_EQ(control->GetCurrentUseMaterial(), &dusk);
        form.FreeComponent(control);
    }
}

TEST_F(SkinControlTest, APressAtTheLeftEdgeIsAPress) {
    TTestSkinControl* control = AddControl(nullptr, u"C", {0, 0, 100, 100});
    std::vector<std::string> events;
    control->OnClick = [&](ui::Object*) { events.push_back("click"); };
    control->OnStayClick = [&](ui::Object*) { events.push_back("stay"); };
    host.MouseDown(0, 5);
    host.MouseUp(0, 5);
    EXPECT_EQ(events, (std::vector<std::string>{"click", "stay"}));
}

}  // namespace
}  // namespace skin

#include "ui/action.h"
#include "ui/handler_table.h"
#include "ui/popup_menu.h"

namespace skin {
namespace {

// A form whose layout names handlers for the framework events skinned controls publish.
class EventsForm : public ui::Form {
public:
    std::vector<std::string> journal;
    bool allowFocus = true;

    const ui::HandlerTable& PublishedHandlers() const override {
        static const ui::HandlerTable table = ui::HandlerTableBuilder<EventsForm>()
                                                  .Add(u"Notified", &EventsForm::Notified)
                                                  .Add(u"AskFocus", &EventsForm::AskFocus)
                                                  .Add(u"Entered", &EventsForm::Entered)
                                                  .Add(u"Over", &EventsForm::Over)
                                                  .Build();
        return table;
    }
    void Notified(ui::Object* sender) { journal.push_back(Name(sender)); }
    void AskFocus(ui::Object* sender, bool& allow) {
        journal.push_back(Name(sender) + " ask");
        allow = allowFocus;
    }
    void Entered(ui::Object* sender, const ui::DragObject& data, ui::PointF) {
        journal.push_back(Name(sender) + " enter/drop " + Name(data.Source));
    }
    void Over(ui::Object* sender, const ui::DragObject&, ui::PointF, ui::DragOperation& operation) {
        operation = ui::DragOperation::Copy;
    }

private:
    static std::string Name(ui::Object* object) {
        auto* component = dynamic_cast<ui::Component*>(object);
        return component != nullptr ? ui::Utf16ToUtf8(component->Name()) : "?";
    }
};

TEST(SkinControlFrameworkSettingsTest, ALayoutSetsEveryFrameworkSettingAndTheyWork) {
    testing::RegisterTestKinds();
    EventsForm form;
    ui::HeadlessHost host(form);
    ui::ReadLayout(
        "object F: TForm\n"
        "  ClientWidth = 400\n"
        "  ClientHeight = 300\n"
        "  object Act: TAction\n"
        "    Caption = 'Go'\n"
        "    OnExecute = Notified\n"
        "  end\n"
        "  object Menu: TPopupMenu\n"
        "    object Item: TMenuItem\n"
        "      Text = 'Open'\n"
        "      OnClick = Notified\n"
        "    end\n"
        "  end\n"
        "  object Box: TTestSkinControl\n"
        "    Position.X = 200\n"
        "    Position.Y = 100\n"
        "    Size.Width = 150\n"
        "    Size.Height = 150\n"
        "    Size.PlatformDefault = False\n"
        "    CanFocus = True\n"
        "    Anchors = [akLeft, akTop, akRight]\n"
        "    OnCanFocus = AskFocus\n"
        "    OnDragEnter = Entered\n"
        "    OnDragOver = Over\n"
        "    OnDragDrop = Entered\n"
        "    OnDragLeave = Notified\n"
        "    object Inner: TTestSkinControl\n"
        "      Position.X = 10\n"
        "      Position.Y = 10\n"
        "      Width = 30\n"
        "      Height = 30\n"
        "      CanParentFocus = True\n"
        "      ClipParent = True\n"
        "      Locked = True\n"
        "      TabOrder = 3\n"
        "    end\n"
        "  end\n"
        "  object C: TTestSkinControl\n"
        "    Position.X = 20\n"
        "    Position.Y = 20\n"
        "    Width = 100\n"
        "    Height = 20\n"
        "    Action = Act\n"
        "    Cursor = crHandPoint\n"
        "    DragMode = dmAutomatic\n"
        "    PopupMenu = Menu\n"
        "    RotationAngle = 90\n"
        "    RotationCenter.X = 0\n"
        "    RotationCenter.Y = 0\n"
        "    Scale.X = 2\n"
        "    Scale.Y = 1\n"
        "    TouchTargetExpansion.Left = 4\n"
        "    TouchTargetExpansion.Bottom = 6\n"
        "    OnDblClick = Notified\n"
        "    OnDragEnd = Notified\n"
        "  end\n"
        "end\n",
        form, testing::TestClassRegistry());
    auto* c = static_cast<TTestSkinControl*>(form.FindComponent(u"C"));
    auto* box = static_cast<TTestSkinControl*>(form.FindComponent(u"Box"));
    auto* inner = static_cast<TTestSkinControl*>(form.FindComponent(u"Inner"));
    auto* action = dynamic_cast<ui::Action*>(form.FindComponent(u"Act"));
    auto* menu = dynamic_cast<ui::PopupMenu*>(form.FindComponent(u"Menu"));
    ASSERT_TRUE(c != nullptr && box != nullptr && inner != nullptr && action != nullptr && menu != nullptr);

    // Stored as written.
    EXPECT_EQ(c->Action(), action);
    EXPECT_EQ(c->GetCaption(), u"Go");  // a skinned control shows its action's caption
    EXPECT_EQ(c->Cursor(), ui::CursorShape::HandPoint);
    EXPECT_EQ(c->DragMode(), ui::DragMode::Automatic);
    EXPECT_EQ(c->PopupMenu(), menu);
    EXPECT_EQ(c->RotationAngle(), 90);
    EXPECT_EQ(c->RotationCenter().Point(), (ui::PointF{0, 0}));
    EXPECT_EQ(c->Scale().Point(), (ui::PointF{2, 1}));
    EXPECT_EQ(c->TouchTargetExpansion().Rect(), (ui::RectF{4, 0, 0, 6}));
    EXPECT_EQ(box->BoundsRect(), (ui::RectF{200, 100, 350, 250}));
    EXPECT_EQ(box->Anchors(), (ui::Anchors{ui::AnchorKind::Left, ui::AnchorKind::Top, ui::AnchorKind::Right}));
    EXPECT_TRUE(inner->CanParentFocus());
    EXPECT_TRUE(inner->ClipParent());
    EXPECT_TRUE(inner->Locked());
    EXPECT_EQ(inner->TabOrder(), 3);
    ASSERT_EQ(menu->Items().size(), 1u);
    EXPECT_EQ(menu->Items()[0]->Text(), u"Open");

    // C is turned a quarter about its top-left corner and stretched twice along its length: it covers
    // x 0..20, y 20..220 of the form (and 6 more to the left through its expansion's bottom margin).
    EXPECT_EQ(form.ObjectAtPoint({10, 200}), c);
    EXPECT_EQ(form.ObjectAtPoint({-3, 100}), c);  // inside the bottom margin, turned to the left
    EXPECT_EQ(form.ObjectAtPoint({60, 25}), static_cast<ui::Control*>(&form));
    host.MouseMove(10, 100);
    EXPECT_EQ(host.cursor, ui::CursorShape::HandPoint);

    // A click executes the action; a second one soon after is a double click too.
    host.inputTime = 100;
    host.Click(10, 100);
    host.inputTime = 200;
    host.Click(10, 100);
    EXPECT_EQ(form.journal, (std::vector<std::string>{"Act", "C", "Act"}));
    form.journal.clear();
    host.Click(10, 100, ui::MouseButton::Right);
    ASSERT_EQ(host.menusShown.size(), 1u);
    host.menusShown[0].menu->Items()[0]->Click();
    EXPECT_EQ(form.journal, (std::vector<std::string>{"Item"}));

    // Focus: a press on Inner hands the focus to Box, which asks first.
    form.journal.clear();
    form.allowFocus = false;
    host.Click(215, 115);
    EXPECT_EQ(form.Focused(), nullptr);
    form.allowFocus = true;
    host.Click(215, 115);
    EXPECT_EQ(form.Focused(), box);
    EXPECT_EQ(form.journal, (std::vector<std::string>{"Box ask", "Box ask"}));

    // Drag C onto Box: the skinned source is no longer pressed once it is over.
    form.journal.clear();
    host.MouseDown(10, 100);
    EXPECT_TRUE(c->GetIsMouseDown());
    host.MouseMove(300, 200);
    host.MouseUp(300, 200);
    EXPECT_EQ(form.journal, (std::vector<std::string>{"Box enter/drop C", "Box enter/drop C", "C"}));
    EXPECT_FALSE(c->GetIsMouseDown());

    // Anchored to the right: Box widens with the form.
    form.SetSize(450, 300);
    EXPECT_EQ(box->BoundsRect(), (ui::RectF{200, 100, 400, 250}));
}

}  // namespace
}  // namespace skin
