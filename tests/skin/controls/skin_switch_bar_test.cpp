#include "skin/controls/skin_switch_bar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls_test_support.h"
#include "skin/controls/switch_bar_material.h"
#include "skin/controls/switch_bar_type.h"
#include "skin/core/skin_error.h"

namespace skin::testing {
namespace {

// The installer's switch: 50 x 25 at (20, 20) with a knob 25 long.
class SwitchBarTest : public ControlsTest {
protected:
    SwitchBarTest() {
        bar = Make<TSkinFMXSwitchBar>(20, 20, 50, 25);
        bar->Material()->SetSwitchBtnDrawSize(25);
        bar->OnChange = [this](ui::Object* sender) { senders.push_back(sender); };
    }
    TSkinSwitchBarDefaultType& Type() { return static_cast<TSkinSwitchBarDefaultType&>(*bar->GetSkinControlType()); }
    // The knob's left and right edge.
    std::pair<float, float> Knob(double position) {
        const ui::RectF rect = Type().GetSwitchBtnDrawRect(position);
        return {rect.left, rect.right};
    }

    TSkinFMXSwitchBar* bar = nullptr;
    std::vector<ui::Object*> senders;
};

TEST_F(SwitchBarTest, NewSwitchIsOffAtTheStart) {
    TSkinFMXSwitchBar fresh;
    EXPECT_EQ(fresh.Width(), 44);
    EXPECT_EQ(fresh.Height(), 22);
    EXPECT_EQ(fresh.Prop().Min(), 0);
    EXPECT_EQ(fresh.Prop().Max(), 1);
    EXPECT_EQ(fresh.Prop().Position(), 0);
    EXPECT_FALSE(fresh.Prop().Checked());
    EXPECT_EQ(fresh.Prop().Orientation(), TSwitchBarOrientation::srHorizontal);
    EXPECT_EQ(fresh.GetSkinControlType()->ClassName(), u"TSkinSwitchBarDefaultType");
    EXPECT_EQ(fresh.Material()->ClassName(), u"TSkinSwitchBarDefaultMaterial");
    EXPECT_TRUE(fresh.Material()->IsDrawForeAndBackGround());
}

TEST_F(SwitchBarTest, PositionIsClampedAndEveryChangeReportsFromTheProperties) {
    struct Case {
        double write;
        double stored;
        bool checked;
        size_t reports;
    };
    const Case cases[] = {
        {2, 1, true, 1}, {1, 1, true, 1}, {-1, 0, false, 2}, {0.5, 0.5, false, 3}, {0.5, 0.5, false, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.write);
        bar->Prop().SetPosition(c.write);
        EXPECT_EQ(bar->Prop().Position(), c.stored);
        EXPECT_EQ(bar->Prop().Checked(), c.checked);
        EXPECT_EQ(senders.size(), c.reports);
    }
    EXPECT_EQ(senders.back(), &bar->Prop());
    bar->Prop().SetStaticChecked(true);
    bar->Prop().SetDrawChecked(true);
    EXPECT_EQ(senders.size(), 3u) << "the static writers raise no OnChange";
    EXPECT_TRUE(bar->Prop().Checked());
}

TEST_F(SwitchBarTest, KnobLiesInsideTheTrack) {
    struct Case {
        double min, max, position;
        float left, right;
    };
    const Case cases[] = {
        {0, 1, 0, 0, 25},         {0, 1, 1, 25, 50},   {0, 1, 0.5, 12.5f, 37.5f},
        {0, 1, 0.3, 2.5f, 27.5f}, {10, 20, 10, 0, 25}, {10, 20, 20, 25, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        bar->Prop().SetMax(c.max);
        bar->Prop().SetMin(c.min);
        EXPECT_EQ(Knob(c.position), (std::pair<float, float>{c.left, c.right}));
    }
}

TEST_F(SwitchBarTest, EmptyRangeDrawsTheKnobAtTheEndWithoutDividingByZero) {
    bar->Prop().SetMin(1);
    EXPECT_EQ(bar->Prop().Position(), 1);
    EXPECT_TRUE(bar->Prop().Checked());
    EXPECT_EQ(Knob(1), (std::pair<float, float>{25, 50}));
    GivePixels(bar->Material()->HorzForeGndPicture(), 50, 25);
    const std::vector<std::string> foreground = CallsWith(PaintType(*bar), "DrawBitmap 50x25");
    ASSERT_EQ(foreground.size(), 1u);
    EXPECT_TRUE(Contains(foreground[0], "-> 0,0,50,25")) << foreground[0];
}

TEST_F(SwitchBarTest, ClickWithoutMovingTogglesOnceWithThePropertiesAsSender) {
    host.Click(30, 30);
    EXPECT_TRUE(bar->Prop().Checked());
    ASSERT_EQ(senders.size(), 1u);
    EXPECT_EQ(senders[0], &bar->Prop());
    host.Click(60, 30);
    EXPECT_FALSE(bar->Prop().Checked());
    EXPECT_EQ(senders.size(), 2u);
}

TEST_F(SwitchBarTest, DraggedKnobStaysWhereItIsDropped) {
    host.MouseDown(20 + 12, 30);
    EXPECT_TRUE(bar->Prop().SwitchBtnState().MouseDown);
    host.MouseMove(20 + 30, 30);
    EXPECT_DOUBLE_EQ(bar->Prop().Position(), 0.7);
    host.MouseUp(20 + 30, 30);
    EXPECT_DOUBLE_EQ(bar->Prop().Position(), 0.7);
    EXPECT_FALSE(bar->Prop().Checked());
    EXPECT_FALSE(bar->Prop().SwitchBtnState().MouseDown);
    host.Click(20 + 40, 30);
    EXPECT_EQ(bar->Prop().Position(), 1);
}

TEST_F(SwitchBarTest, PressBesideTheKnobDoesNotHoldIt) {
    host.MouseDown(20 + 40, 30);
    EXPECT_FALSE(bar->Prop().SwitchBtnState().MouseDown);
    host.MouseMove(20 + 45, 30);
    EXPECT_EQ(bar->Prop().Position(), 0);
    host.MouseUp(20 + 45, 30);
}

TEST_F(SwitchBarTest, KnobHeldWhenTheCaptureIsLostIsLetGo) {
    host.MouseDown(20 + 12, 30);
    ASSERT_TRUE(bar->Prop().SwitchBtnState().MouseDown);
    form.StartWindowDrag();
    host.MouseMove(20 + 30, 30);
    EXPECT_EQ(bar->Prop().Position(), 0);
    EXPECT_FALSE(bar->Prop().SwitchBtnState().MouseDown);
}

TEST_F(SwitchBarTest, KnobPictureFollowsThePointerInInteractivePaintsOnly) {
    TSkinSwitchBarDefaultMaterial& m = *bar->Material();
    GivePixels(m.HorzSwitchBtnNormalPicture(), 25, 25);
    GivePixels(m.HorzSwitchBtnHoverPicture(), 26, 26);
    GivePixels(m.HorzSwitchBtnDownPicture(), 27, 27);
    GivePixels(m.HorzSwitchBtnDisabledPicture(), 28, 28);
    struct Case {
        const char* name;
        bool down, hover, interactive, enabled;
        const char* expected;
    };
    const Case cases[] = {
        {"normal", false, false, true, true, "25x25"},
        {"hover", false, true, true, true, "26x26"},
        {"down", true, true, true, true, "27x27"},
        {"down, not interactive", true, true, false, true, "25x25"},
        {"disabled never shows its picture", false, false, true, false, "25x25"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bar->Prop().SwitchBtnState().MouseDown = c.down;
        bar->Prop().SwitchBtnState().MouseHover = c.hover;
        bar->SetEnabled(c.enabled);
        const std::vector<std::string> bitmaps = CallsWith(PaintType(*bar, c.interactive), "DrawBitmap");
        ASSERT_EQ(bitmaps.size(), 1u);
        EXPECT_TRUE(Contains(bitmaps[0], std::string("DrawBitmap ") + c.expected)) << bitmaps[0];
    }
}

TEST_F(SwitchBarTest, BackAndForeGroundPictures) {
    TSkinSwitchBarDefaultMaterial& m = *bar->Material();
    GivePixels(m.HorzBackGndPicture(), 50, 20);
    GivePixels(m.HorzForeGndPicture(), 50, 21);
    GivePixels(m.HorzSwitchBtnNormalPicture(), 25, 25);
    struct Case {
        bool both;
        bool checked;
        std::vector<std::string> kinds;
    };
    const Case cases[] = {
        {true, false, {"DrawBitmap 50x20", "DrawBitmap 25x25"}},  // the foreground up to the knob is empty at 0
        {true, true, {"DrawBitmap 50x20", "DrawBitmap 50x21", "DrawBitmap 25x25"}},
        {false, false, {"DrawBitmap 50x20", "DrawBitmap 25x25"}},
        {false, true, {"DrawBitmap 50x21", "DrawBitmap 25x25"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.both) + std::to_string(c.checked));
        m.SetIsDrawForeAndBackGround(c.both);
        bar->Prop().SetChecked(c.checked);
        EXPECT_EQ(CallKinds(CallsWith(PaintType(*bar), "DrawBitmap")), c.kinds);
    }
}

TEST_F(SwitchBarTest, CheckedSwitchShowsThePushedEffect) {
    TSkinControlType& type = *bar->GetSkinControlType();
    EXPECT_FALSE(type.GetCurrentEffectStates().Contains(TDPEffectState::dpstPushed));
    bar->Prop().SetChecked(true);
    EXPECT_TRUE(type.GetCurrentEffectStates().Contains(TDPEffectState::dpstPushed));
}

TEST_F(SwitchBarTest, OrientationSwapsTheSize) {
    bar->Prop().SetOrientation(TSwitchBarOrientation::srVertical);
    EXPECT_EQ(bar->Width(), 25);
    EXPECT_EQ(bar->Height(), 50);
    EXPECT_EQ(Knob(1), (std::pair<float, float>{0, 25})) << "left and right keep the whole width";
    EXPECT_EQ(Type().GetSwitchBtnDrawRect(1).top, 25);
}

TEST_F(SwitchBarTest, TypeRefusesAControlThatIsNoSwitchBar) {
    TSkinFireMonkeyControl plain;
    TSkinSwitchBarDefaultType type;
    try {
        type.Bind(plain);
        FAIL() << "bound to a control that is no switch bar";
    } catch (const SkinError& e) {
        EXPECT_STREQ(e.what(), "This Component Do not Support ISkinSwitchBar Interface");
    }
}

}  // namespace
}  // namespace skin::testing
