// The stand-in controls' own rules: what the window relies on before the skinned controls replace them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/window/stand_ins/register_stand_ins.h"
#include "app/window/stand_ins/stand_in_image.h"
#include "app/window/stand_ins/stand_in_label.h"
#include "app/window/stand_ins/stand_in_panel.h"
#include "app/window/stand_ins/stand_in_progress_bar.h"
#include "app/window/stand_ins/stand_in_switch_bar.h"
#include "ui/class_registry.h"
#include "ui/form.h"
#include "ui/property.h"
#include "ui/property_path.h"
#include "ui/testing/recording_canvas.h"

namespace app::stand_ins {
namespace {

TEST(StandInProgressBarTest, KeepsThePositionInsideTheRangeAndReportsOnlyItsChanges) {
    StandInProgressBar bar;
    int changes = 0;
    bar.OnChange = [&](ui::Object*) { ++changes; };
    auto& p = bar.Properties();
    const struct {
        const char* what;
        void (*apply)(StandInProgressBarProperties&);
        int min, max, position, changes;
    } steps[] = {
        {"inside", [](StandInProgressBarProperties& q) { q.SetPosition(40); }, 0, 100, 40, 1},
        {"same again", [](StandInProgressBarProperties& q) { q.SetPosition(40); }, 0, 100, 40, 1},
        {"above Max", [](StandInProgressBarProperties& q) { q.SetPosition(250); }, 0, 100, 100, 2},
        {"below Min", [](StandInProgressBarProperties& q) { q.SetPosition(-3); }, 0, 100, 0, 3},
        {"Min moves the position", [](StandInProgressBarProperties& q) { q.SetMin(10); }, 10, 100, 10, 4},
        {"Max below Min", [](StandInProgressBarProperties& q) { q.SetMax(5); }, 10, 10, 10, 4},
    };
    for (const auto& s : steps) {
        s.apply(p);
        EXPECT_EQ(p.Min(), s.min) << s.what;
        EXPECT_EQ(p.Max(), s.max) << s.what;
        EXPECT_EQ(p.Position(), s.position) << s.what;
        EXPECT_EQ(changes, s.changes) << s.what;
    }
}

TEST(StandInProgressBarTest, ThePositionIsReachedThroughTheAnimationsPathAndFillsItsShare) {
    StandInProgressBar bar;
    bar.SetSize(638, 4);
    const ui::PropertyTarget target =
        ui::ResolvePropertyPath(bar, u"Properties.Position", ui::PathResolution::SkipUnknown);
    ASSERT_TRUE(target);
    target.property->SetInteger(*target.instance, 50);
    EXPECT_EQ(bar.Properties().Position(), 50);
    EXPECT_EQ(bar.FilledRect(), (ui::RectF{0, 0, 319, 4}));
    bar.Properties().SetOrientation(ProgressOrientation::Vertical);
    EXPECT_EQ(bar.FilledRect(), (ui::RectF{0, 2, 638, 4}));
}

class StandInLayoutTest : public ::testing::Test {
protected:
    StandInLayoutTest() {
        ui::RegisterFrameworkClasses(registry);
        RegisterStandIns(registry);
    }
    ui::ClassRegistry registry;
    ui::Form form;
};

TEST_F(StandInLayoutTest, ASwitchCheckedByTheLayoutRaisesNoChangeButAClickDoes) {
    // The form's class name is TForm; OnChange stays unbound so the test counts through its own handler.
    form.LoadLayout(R"(object Main: TForm
  object Toggle: TSkinFMXSwitchBar
    Width = 50
    Height = 25
    KnobSize = 25
    Properties.Checked = True
  end
end
)",
                    registry);
    auto* toggle = dynamic_cast<StandInSwitchBar*>(form.FindComponent(u"Toggle"));
    ASSERT_NE(toggle, nullptr);
    EXPECT_TRUE(toggle->Properties().Checked());
    EXPECT_EQ(toggle->KnobRect(), (ui::RectF{25, 0, 50, 25}));
    std::vector<bool> seen;
    toggle->OnChange = [&](ui::Object* sender) {
        EXPECT_EQ(sender, toggle);
        seen.push_back(toggle->Properties().Checked());
    };
    toggle->Click();
    toggle->Properties().SetChecked(false);  // no change: no event
    toggle->Click();
    EXPECT_EQ(seen, (std::vector<bool>{false, true}));
    toggle->Properties().SetChecked(false);
    EXPECT_EQ(toggle->KnobRect(), (ui::RectF{0, 0, 25, 25}));
}

TEST_F(StandInLayoutTest, PanelsRoundOnlyTheChosenCornersAndLabelsWriteThroughATextLayout) {
    ui::RecordingGraphics graphics;
    ui::SetGraphics(&graphics);
    form.LoadLayout(R"(object Main: TForm
  object Panel: TSkinFMXPanel
    Width = 640
    Height = 65
    FillColor = xC0202020
    BorderColor = xFF373737
    CornerRadius = 4
    Corners = [BottomLeft, BottomRight]
    object Caption: TSkinFMXLabel
      Width = 69
      Height = 33
      Caption = 'Install to'
      WordWrap = True
    end
  end
end
)",
                    registry);
    ui::RecordingCanvas canvas;
    form.PaintTo(canvas);
    ui::SetGraphics(nullptr);
    auto has = [&](const std::string& start) {
        for (const std::string& call : canvas.calls) {
            if (call.rfind(start, 0) == 0) return call;
        }
        return std::string();
    };
    EXPECT_NE(has("FillRect 0,0,640,65 r=4,4 c=12").find("solid:C0202020"), std::string::npos) << has("FillRect");
    EXPECT_NE(has("DrawRect 0.5,0.5,639.5,64.5 r=4,4 c=12").find("FF373737"), std::string::npos) << has("DrawRect");
    const std::string text = has("TextLayout");
    EXPECT_NE(text.find("'Install to' font=Test Sans/14/0 color=FFFFFFFF o=1"), std::string::npos) << text;
    EXPECT_NE(text.find("wrap"), std::string::npos) << text;
}

TEST(StandInImageTest, FitsAndCentresOrStretchesAndDrawsNothingWithoutItsPicture) {
    StandInImage image;
    image.SetSize(100, 158);
    EXPECT_EQ(image.PictureRect(300, 78), (ui::RectF{0, 79 - 13, 100, 79 + 13}));
    EXPECT_EQ(image.PictureRect(50, 79), (ui::RectF{0, 0, 100, 158}));
    image.SetStretch(true);
    EXPECT_EQ(image.PictureRect(300, 78), (ui::RectF{0, 0, 100, 158}));

    ui::RecordingGraphics graphics;
    ui::SetGraphics(&graphics);
    image.Properties().Picture().SetResourceName(u"missing");
    ui::RecordingCanvas canvas;
    image.Paint(canvas);
    EXPECT_TRUE(canvas.calls.empty());
    graphics.resources = {{u"missing", ui::RecordingGraphics::EncodeTestImage(10, 10)},
                          {u"other", ui::RecordingGraphics::EncodeTestImage(10, 10)}};
    image.Paint(canvas);  // a missing picture is not looked up again until the name changes
    EXPECT_TRUE(canvas.calls.empty());
    image.Properties().Picture().SetResourceName(u"other");
    image.Paint(canvas);
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_EQ(canvas.calls[0], "DrawBitmap 10x10 0,0,10,10 -> 0,0,100,158 o=1");
    ui::SetGraphics(nullptr);
}

}  // namespace
}  // namespace app::stand_ins
