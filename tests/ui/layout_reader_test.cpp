#include "ui/layout_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/sample_components.h"
#include "ui/glow_effect.h"
#include "ui/layout_error.h"

namespace ui {
namespace {

using testing::SampleControl;
using testing::SampleForm;
using testing::Shape;
using testing::Side;
using testing::Sides;

class LayoutReaderTest : public ::testing::Test {
protected:
    void SetUp() override { SampleControl::loadedCalls.clear(); }

    ClassRegistry registry = testing::SampleRegistry();
    SampleForm form;
};

constexpr const char* kGoodLayout = R"(object Main: TSampleForm
  Caption = 'Install Velnix'
  ClientWidth = 656
  ClientHeight = 376
  OnCreate = FormCreate
  object Panel: TSampleControl
    Position.X = 8
    Position.Y = 8.5
    Width = 640
    Height = 360
    Flag = True
    Count = -12
    Big = $7FFFFFFFFF
    Ratio = 1.5E-1
    Precise = -2.25
    Caption = 'It''s'#13#10'two'#$4E2D +
      ' lines'
    Shape = diamond
    Sides = [Left, bottom]
    Tint = xC0202020
    SelfOwnMaterial.BackColor.FillColor.Color = xFF2F2F2F
    SelfOwnMaterial.BackColor.Corners = []
    SelfOwnMaterial.IsTransparent = False
    Buddy = Other
    OnChange = ItemChange
    OnMouseDown = PanelMouseDown
    Data = {
      0102
      ff}
    object Glow: TGlowEffect
      GlowColor = xFF000000
      Softness = 0.4
      Opacity = 0.5
    end
    object Bar: TControl
      Align = Bottom
      Margins.Left = 1
      Margins.Right = 1
      Margins.Bottom = 1
      Height = 4
    end
  end
  object Other: TSampleControl
    Caption = '无效版本号'
    Buddy = Panel
    Tag = 2
  end
end
)";

TEST_F(LayoutReaderTest, BuildsTheTreeAndSetsEveryKindOfProperty) {
    form.LoadLayout(kGoodLayout, registry);

    EXPECT_EQ(form.Name(), u"Main");
    EXPECT_EQ(form.Caption(), u"Install Velnix");
    EXPECT_EQ(form.ClientWidth(), 656);
    EXPECT_EQ(form.ClientHeight(), 376);
    ASSERT_EQ(form.ComponentCount(), 4);  // Panel, Glow, Bar, Other: all owned by the form

    auto* panel = dynamic_cast<SampleControl*>(form.FindComponent(u"Panel"));
    auto* other = dynamic_cast<SampleControl*>(form.FindComponent(u"Other"));
    auto* glow = dynamic_cast<GlowEffect*>(form.FindComponent(u"Glow"));
    auto* bar = dynamic_cast<Control*>(form.FindComponent(u"Bar"));
    ASSERT_TRUE(panel && other && glow && bar);
    EXPECT_EQ(panel->ParentControl(), &form);
    EXPECT_EQ(glow->Parent(), panel);
    EXPECT_EQ(bar->ParentControl(), panel);
    EXPECT_EQ(other->ParentControl(), &form);
    EXPECT_EQ(form.Controls().size(), 2u);

    EXPECT_EQ(panel->Position().Point(), (PointF{8, 8.5f}));
    EXPECT_EQ(panel->Width(), 640);
    EXPECT_TRUE(panel->flag);
    EXPECT_EQ(panel->Count(), -12);
    EXPECT_EQ(panel->big, 0x7FFFFFFFFF);
    EXPECT_EQ(panel->ratio, 0.15f);
    EXPECT_EQ(panel->precise, -2.25);
    EXPECT_EQ(panel->caption, u"It's\r\ntwo\u4E2D lines");
    EXPECT_EQ(panel->shape, Shape::Diamond);
    EXPECT_EQ(panel->sides, (Sides{Side::Left, Side::Bottom}));
    EXPECT_EQ(panel->tint, 0xC0202020u);
    EXPECT_EQ(panel->Material()->backColor.fillColor.color, 0xFF2F2F2Fu);
    EXPECT_TRUE(panel->Material()->backColor.corners.Empty());
    EXPECT_FALSE(panel->Material()->isTransparent);
    EXPECT_EQ(panel->data, (std::vector<std::byte>{std::byte{1}, std::byte{2}, std::byte{0xFF}}));
    EXPECT_EQ(glow->GlowColor(), 0xFF000000u);
    EXPECT_FLOAT_EQ(glow->Softness(), 0.4f);
    EXPECT_FLOAT_EQ(glow->Opacity(), 0.5f);
    EXPECT_EQ(other->caption, u"无效版本号");
    EXPECT_EQ(other->Tag(), 2);

    // References resolve after the whole text, forwards too.
    EXPECT_EQ(panel->Buddy(), other);
    EXPECT_EQ(other->Buddy(), panel);

    // Events call the form's handlers; OnCreate ran once after loading.
    ASSERT_TRUE(panel->OnChange);
    panel->OnChange(panel);
    ASSERT_TRUE(panel->OnMouseDown);
    panel->OnMouseDown(panel, MouseButton::Left, {}, 0, 0);
    EXPECT_EQ(form.calls, (std::vector<std::u16string>{u"FormCreate", u"ItemChange Panel", u"PanelMouseDown"}));

    // The bottom-aligned bar was placed when its parent had loaded.
    EXPECT_EQ(bar->BoundsRect(), (RectF{1, 355, 639, 359}));
}

TEST_F(LayoutReaderTest, LoadedRunsAfterTheWholeTreeInReadOrder) {
    ReadLayout(kGoodLayout, form, registry);
    auto* panel = dynamic_cast<SampleControl*>(form.FindComponent(u"Panel"));
    EXPECT_EQ(SampleControl::loadedCalls, (std::vector<std::u16string>{u"Panel", u"Other"}));
    // When Panel's Loaded ran, reading had ended and its forward reference was set.
    EXPECT_FALSE(panel->loadedWhileReading);
    EXPECT_EQ(panel->loadedBuddy, form.FindComponent(u"Other"));
    for (int i = 0; i < form.ComponentCount(); ++i) {
        EXPECT_FALSE(form.Components(i)->IsReading());
        EXPECT_FALSE(form.Components(i)->IsLoading());
    }
    EXPECT_FALSE(form.IsLoading());
    EXPECT_TRUE(form.calls.empty());  // ReadLayout alone does not run the creation handler
}

TEST_F(LayoutReaderTest, MalformedLayoutsFailNamingTheLineAndLeaveNothingBehind) {
    const struct {
        const char* text;
        int line;
        const char* problem;
    } cases[] = {
        {"object Main: TForm\nend\n", 1, "The layout describes a TForm, not a TSampleForm"},
        {"objekt Main: TSampleForm\nend\n", 1, "Expected \"object\""},
        {"object Main: TSampleForm\n  object A: TSampleControl\n    object B: TButton\n    end\n  end\nend\n", 3,
         "Unknown class \"TButton\""},
        {"object Main: TSampleForm\n  object A: TSampleControl\n    Flag = True\n    Colour = xFF000000\n  end\nend\n",
         4, "Unknown property \"Colour\" of TSampleControl"},
        {"object Main: TSampleForm\n  object A: TSampleControl\n    SelfOwnMaterial.BackColor.Fill.Color = x1\n"
         "  end\nend\n",
         3, "Unknown property \"Fill\" of TSampleRectParam"},
        {"object Main: TSampleForm\n  object A: TSampleControl\n    Count = 'x'\n  end\nend\n", 3,
         "Expected an integer for \"Count\""},
        {"object Main: TSampleForm\n  object A: TSampleControl\n    Count = 1.5\n  end\nend\n", 3,
         "Expected an integer for \"Count\""},
        {"object Main: TSampleForm\n  object A: TSampleControl\n    Flag = Yes\n  end\nend\n", 3,
         "Expected True or False for \"Flag\""},
        {"object Main: TSampleForm\n  object A: TSampleControl\n    Shape = Oval\n  end\nend\n", 3,
         "Cannot set \"Shape\": Unknown value \"Oval\" for the property \"Shape\""},
        {"object Main: TSampleForm\n  object A: TSampleControl\n    Sides = [Left, Middle]\n  end\nend\n", 3,
         "Cannot set \"Sides\": Unknown value \"Middle\" for the property \"Sides\""},
        {"object Main: TSampleForm\n  object A: TSampleControl\n    Tint = xFF00FF00FF\n  end\nend\n", 3,
         "Expected a colour (xAARRGGBB) for \"Tint\""},
        {"object Main: TSampleForm\n  object A: TSampleControl\n    Small = 300\n  end\nend\n", 3,
         "Cannot set \"Small\": The value is out of range for the property \"Small\""},
        {"object Main: TSampleForm\n  object A: TSampleControl\n    Caption = 'open\n  end\nend\n", 3,
         "Unterminated text"},
        {"object Main: TSampleForm\n  object A: TSampleControl\n    Data = {\n      0102\n      0G}\n  end\nend\n", 5,
         "Invalid character 'G' in binary data"},
        {"object Main: TSampleForm\n  object A: TSampleControl\n    Data = {\n      010\n      }\n  end\nend\n", 5,
         "Binary data with an odd number of hexadecimal digits"},
        {"object Main: TSampleForm\n  object A: TSampleControl\n    Data = {0102\n", 3,
         "Binary data without a closing '}'"},
        {"object Main: TSampleForm\n  object A: TSampleControl\n    SelfOwnMaterial = x1\n  end\nend\n", 3,
         "\"SelfOwnMaterial\" is an object; set its properties (SelfOwnMaterial.Name = ...)"},
        {"object Main: TSampleForm\n  object A: TSampleControl\n    Count 3\n  end\nend\n", 3,
         "Expected '=' after \"Count\""},
        {"object Main: TSampleForm\n  object A: TSampleControl\n    Caption = ('a' 'b')\n  end\nend\n", 3,
         "Lists of texts are not supported"},
        {"object Main: TSampleForm\n  object A: TSampleControl\n    Count = @\n  end\nend\n", 3,
         "Unexpected character '@'"},
        {"object Main: TSampleForm\n  object A: TSampleControl\n  end\n  object a: TSampleControl\n  end\nend\n", 4,
         "A component named a already exists"},
        {"object Main: TSampleForm\n  object A: TSampleControl\n  end\n", 4, "Missing \"end\""},
        {"object Main: TSampleForm\nend\nend\n", 3, "Text after the end of the layout"},
        {"object Main: TSampleForm\n  object A: TSampleControl\n    Buddy = Nobody\n    Count = 1\n  end\nend\n", 3,
         "Unknown component \"Nobody\""},
        {"object Main: TSampleForm\n  object A: TSampleControl\n    OnChange = Missing\n  end\nend\n", 3,
         "Unknown handler \"Missing\" (TSampleForm publishes no such method)"},
        {"object Main: TSampleForm\n  object A: TSampleControl\n    OnChange = PanelMouseDown\n  end\nend\n", 3,
         "Cannot set \"OnChange\": The handler \"PanelMouseDown\" does not fit the event \"OnChange\""},
        {"object Main: TSampleForm\n  object G: TGlowEffect\n    Buddy = G\n  end\nend\n", 3,
         "Unknown property \"Buddy\" of TGlowEffect"},
    };
    for (const auto& test : cases) {
        SampleForm target;
        try {
            ReadLayout(test.text, target, registry);
            ADD_FAILURE() << "no error for:\n" << test.text;
        } catch (const LayoutError& e) {
            EXPECT_EQ(e.Line(), test.line) << test.text;
            EXPECT_EQ(e.Problem(), test.problem) << test.text;
            EXPECT_EQ(std::string(e.what()), "Layout line " + std::to_string(test.line) + ": " + test.problem);
        }
        EXPECT_EQ(target.ComponentCount(), 0) << test.text;
        EXPECT_FALSE(target.IsReading());
        EXPECT_FALSE(target.IsLoading());
        EXPECT_TRUE(SampleControl::loadedCalls.empty());
    }
}

TEST_F(LayoutReaderTest, ComponentReferencesMayNameTheRootAndNil) {
    // Buddy accepts only TSampleControl, so naming the form is refused at the line of the reference.
    try {
        ReadLayout("object Main: TSampleForm\n  object A: TSampleControl\n\n    Buddy = Main\n  end\nend\n", form,
                   registry);
        FAIL();
    } catch (const LayoutError& e) {
        EXPECT_EQ(e.Line(), 4);
        EXPECT_EQ(e.Problem(), "Cannot set \"Buddy\": The component is of the wrong class for the property \"Buddy\"");
    }
    ReadLayout("object Main: TSampleForm\n  object A: TSampleControl\n    Buddy = nil\n  end\nend\n", form, registry);
    EXPECT_EQ(dynamic_cast<SampleControl*>(form.FindComponent(u"A"))->Buddy(), nullptr);
}

}  // namespace
}  // namespace ui
