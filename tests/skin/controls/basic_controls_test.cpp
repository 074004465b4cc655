// The label, panel, image and progress bar on a form without a window, painted onto a recording canvas.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/register_skin_controls.h"
#include "skin/controls/skin_image.h"
#include "skin/controls/skin_label.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_progress_bar.h"
#include "skin/core/skin_error.h"
#include "skin/draw/draw_picture_param.h"
#include "skin/draw/draw_rect_param.h"
#include "skin/draw/draw_text_param.h"
#include "skin/picture/draw_picture.h"
#include "skin/core/control_type_registry.h"
#include "ui/class_registry.h"
#include "ui/form.h"
#include "ui/layout_reader.h"
#include "ui/text.h"
#include "ui/graphics.h"
#include "ui/testing/headless_host.h"
#include "ui/testing/manual_animation_clock.h"
#include "ui/testing/recording_canvas.h"
#include "ui/timer.h"

namespace skin {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::Not;

class BasicControlsTest : public ::testing::Test {
protected:
    BasicControlsTest() {
        static const bool registered = (RegisterControlTypes(), true);
        (void)registered;
        ui::SetGraphics(&graphics);
        ui::SharedAnimationTimer().SetClock(&clock);
        form.SetSize(700, 400);
    }
    ~BasicControlsTest() override {
        ui::SharedAnimationTimer().SetClock(nullptr);
        ui::SetGraphics(nullptr);
    }

    template <class C>
    C* Add(std::u16string_view name, ui::RectF bounds) {
        auto* control = form.CreateComponent<C>();
        control->SetName(name);
        control->SetParent(&form);
        control->SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
        control->Loaded();
        return control;
    }

    std::vector<std::string> Paint() {
        ui::RecordingCanvas canvas;
        host.Paint(canvas);
        return canvas.calls;
    }

    // The calls that start with prefix.
    static std::vector<std::string> Only(const std::vector<std::string>& calls, const std::string& prefix) {
        std::vector<std::string> found;
        for (const std::string& call : calls) {
            if (call.rfind(prefix, 0) == 0) found.push_back(call);
        }
        return found;
    }

    ui::RecordingGraphics graphics;
    ui::ManualAnimationClock clock;
    ui::Form form;
    ui::HeadlessHost host{form};
};

// --- label

TEST_F(BasicControlsTest, LabelStartsAt120By22AndPaintsItsCaption) {
    auto* label = form.CreateComponent<TSkinFMXLabel>();
    EXPECT_EQ(label->Width(), 120);
    EXPECT_EQ(label->Height(), 22);
    label->SetParent(&form);
    label->Loaded();
    EXPECT_THAT(Only(Paint(), "TextLayout"), ::testing::IsEmpty());  // an empty caption draws nothing
    label->SetCaption(u"Install to");
    EXPECT_THAT(Paint(), Contains(HasSubstr("'Install to'")));
}

TEST_F(BasicControlsTest, LabelAutoSizeFollowsTheCaption) {
    auto* label = Add<TSkinFMXLabel>(u"L", {10, 20, 60, 42});
    label->SelfOwnMaterialToDefault()->DrawCaptionParam().SetFontSize(10);
    label->LabelProperties().SetAutoSize(true);
    label->SetCaption(u"abcd");  // the recording layout measures 0.5 x font size per character
    EXPECT_EQ(label->Width(), 20);
    EXPECT_EQ(label->Height(), 22);  // no word wrap: the height stays
    EXPECT_EQ(label->X(), 10);
    EXPECT_EQ(label->Y(), 20);

    // Without a material the size stays.
    label->SetMaterialUseKind(TMaterialUseKind::mukDefault);
    label->SetCaption(u"abcdefgh");
    EXPECT_EQ(label->Width(), 20);
}

TEST_F(BasicControlsTest, LabelTypeNeedsALabel) {
    auto* panel = Add<TSkinFMXPanel>(u"P", {0, 0, 10, 10});
    TSkinLabelType type;
    try {
        type.Bind(*panel);
        FAIL() << "no error";
    } catch (const SkinError& e) {
        EXPECT_STREQ(e.what(), "This Component Do not Support ISkinLabel Interface");
    }
}

// --- panel

TEST_F(BasicControlsTest, ToolBarPanelsKeepTheirCaptionBelowTheTopPadding) {
    const struct {
        const char16_t* name;
        bool isToolBar;
        const char* captionTop;
    } cases[] = {{u"Plain", false, "0"}, {u"pnlToolBar", false, "20"}, {u"Bar", true, "20"}};
    for (const auto& c : cases) {
        auto* panel = Add<TSkinFMXPanel>(c.name, {0, 0, 200, 50});
        panel->Padding().SetTop(20);
        panel->PanelProperties().SetIsToolBar(c.isToolBar);
        panel->SetCaption(u"Caption");
        const std::vector<std::string> texts = Only(Paint(), "TextLayout");
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_THAT(texts[0], HasSubstr("TextLayout 0," + std::string(c.captionTop) + " ")) << texts[0];
        form.FreeComponent(panel);
    }
}

TEST_F(BasicControlsTest, PanelDrawsNothingOfItsOwnWhenTransparentWithoutPictureOrCaption) {
    auto* panel = Add<TSkinFMXPanel>(u"P", {0, 0, 200, 50});
    EXPECT_EQ(panel->Width(), 200);
    const std::vector<std::string> calls = Paint();
    EXPECT_THAT(Only(calls, "FillRect"), ::testing::IsEmpty());
    EXPECT_THAT(Only(calls, "DrawRect"), ::testing::IsEmpty());
    EXPECT_THAT(Only(calls, "TextLayout"), ::testing::IsEmpty());
    TSkinPanelDefaultMaterial* material = panel->SelfOwnMaterialToDefault();
    material->CreateBackgroundPicture();
    material->CreateBackgroundPicture();
    EXPECT_EQ(material->DrawParamCount(), 3);    // background, caption, picture parameter
    EXPECT_EQ(material->DrawPictureCount(), 0);  // the background picture is not one of the listed pictures
}

// --- image

TEST_F(BasicControlsTest, ImageSettingsKeepTheirRules) {
    auto* image = Add<TSkinFMXImage>(u"I", {0, 0, 120, 100});
    TImageProperties& p = image->ImageProperties();
    EXPECT_EQ(p.Picture().Name, u"Image.Picture");
    EXPECT_TRUE(p.Picture().GIFSupport());
    for (const int delay : {0, -3}) {
        p.SetGIFDelayExp(delay);
        EXPECT_EQ(p.GIFDelayExp(), 1);
    }
    p.SetRotated(true);
    ASSERT_NE(p.RotateTimer(), nullptr);
    EXPECT_EQ(p.RotateTimer()->Interval(), 50);
    p.SetRotateSpeed(0.01);
    EXPECT_EQ(p.RotateTimer()->Interval(), 1);
    EXPECT_TRUE(p.RotateTimer()->Enabled());
    p.SetRotated(false);
    EXPECT_FALSE(p.RotateTimer()->Enabled());
}

TEST_F(BasicControlsTest, RotationRunsUpToAFullTurnAndStartsAgain) {
    auto* image = Add<TSkinFMXImage>(u"I", {0, 0, 120, 100});
    TImageProperties& p = image->ImageProperties();
    p.SetCurrentRotateAngle(350);
    std::vector<int> angles;
    for (int i = 0; i < 3; ++i) {
        p.RotateTimerTick();
        angles.push_back(p.CurrentRotateAngle());
    }
    EXPECT_EQ(angles, (std::vector<int>{360, 20, 40}));
    EXPECT_EQ(p.AnimateTicket(), 3u);

    // The timer drives the same steps.
    p.SetRotated(true);
    clock.Run(0.1);
    EXPECT_EQ(p.CurrentRotateAngle(), 80);
}

TEST_F(BasicControlsTest, ImageAutoSizeTakesThePictureSize) {
    graphics.resources.emplace_back(u"logo", ui::RecordingGraphics::EncodeTestImage(48, 32));
    auto* image = Add<TSkinFMXImage>(u"I", {30, 40, 150, 140});
    image->ImageProperties().SetAutoSize(true);
    EXPECT_EQ(image->Width(), 120);  // an empty picture keeps the size
    image->ImageProperties().Picture().SetResourceName(u"logo");
    EXPECT_EQ(image->Width(), 48);
    EXPECT_EQ(image->Height(), 32);
    EXPECT_EQ(image->X(), 30);
    EXPECT_EQ(image->Y(), 40);
}

TEST_F(BasicControlsTest, AnAnimatedImageThatIsNoGifIsDrawnThroughItsParameter) {
    graphics.resources.emplace_back(u"logo", ui::RecordingGraphics::EncodeTestImage(48, 32));
    auto* image = Add<TSkinFMXImage>(u"I", {0, 0, 48, 32});
    image->ImageProperties().Picture().SetResourceName(u"logo");
    image->ImageProperties().SetAnimated(true);
    image->ImageProperties().SetCurrentRotateAngle(180);
    EXPECT_EQ(Only(Paint(), "DrawBitmap 48x32").size(), 1u);
    EXPECT_EQ(image->SelfOwnMaterialToDefault()->DrawPictureParam().RotateAngle(), 180);
}

TEST_F(BasicControlsTest, ImageDrawsThePictureTurnedAndTheCaptionOverIt) {
    graphics.resources.emplace_back(u"logo", ui::RecordingGraphics::EncodeTestImage(48, 32));
    auto* image = Add<TSkinFMXImage>(u"I", {0, 0, 48, 32});
    image->ImageProperties().Picture().SetResourceName(u"logo");
    image->ImageProperties().SetCurrentRotateAngle(90);
    image->SetCaption(u"Logo");
    const std::vector<std::string> calls = Paint();
    EXPECT_EQ(image->SelfOwnMaterialToDefault()->DrawPictureParam().RotateAngle(), 90);
    ASSERT_EQ(Only(calls, "DrawBitmap 48x32").size(), 1u);
    const std::vector<std::string> texts = Only(calls, "TextLayout");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_THAT(texts[0], HasSubstr("'Logo'"));
    // The text comes after the picture.
    EXPECT_GT(std::find(calls.begin(), calls.end(), texts[0]) - calls.begin(),
              std::find(calls.begin(), calls.end(), Only(calls, "DrawBitmap")[0]) - calls.begin());
}

// --- progress bar

TEST_F(BasicControlsTest, ProgressBarClampsThePositionAndReportsChangesOnly) {
    auto* bar = form.CreateComponent<TSkinFMXProgressBar>();
    TProgressBarProperties& p = bar->ProgressBarProperties();
    EXPECT_EQ(bar->Width(), 120);
    EXPECT_EQ(bar->Height(), 22);
    EXPECT_EQ(p.Min(), 0);
    EXPECT_EQ(p.Max(), 100);
    EXPECT_EQ(p.Orientation(), TProgressBarOrientation::prHorizontal);
    std::vector<ui::Object*> senders;
    bar->OnChange = [&](ui::Object* sender) { senders.push_back(sender); };
    const struct {
        int32_t written;
        int32_t stored;
        size_t reports;
    } cases[] = {{150, 100, 1}, {-5, 0, 2}, {0, 0, 2}, {40, 40, 3}};
    for (const auto& c : cases) {
        p.SetPosition(c.written);
        EXPECT_EQ(p.Position(), c.stored) << c.written;
        EXPECT_EQ(senders.size(), c.reports) << c.written;
    }
    EXPECT_EQ(senders.front(), &p);  // the properties object reports, not the control
    p.SetStaticPosition(500);
    EXPECT_EQ(p.Position(), 500);
    EXPECT_EQ(senders.size(), 3u);
}

struct FillCase {
    const char* name;
    int32_t min, max, position;
    TProgressBarOrientation orientation;
    bool reversed;
    ui::RectF expected;
};

TEST_F(BasicControlsTest, ProgressBarFillGeometry) {
    const ui::RectF track{0, 0, 638, 4};
    const ui::RectF tall{0, 0, 4, 200};
    const FillCase cases[] = {
        {"window bar at 10", 0, 100, 10, TProgressBarOrientation::prHorizontal, false, {0, 0, 63.8f, 4}},
        {"reversed", 0, 100, 10, TProgressBarOrientation::prHorizontal, true, {574.2f, 0, 638, 4}},
        {"vertical fills down", 0, 100, 25, TProgressBarOrientation::prVertical, false, {0, 0, 4, 50}},
        {"vertical reversed fills up", 0, 100, 25, TProgressBarOrientation::prVertical, true, {0, 150, 4, 200}},
        {"range from 10 measured from Min", 10, 20, 15, TProgressBarOrientation::prHorizontal, false, {0, 0, 319, 4}},
        {"empty range fills nothing", 5, 5, 5, TProgressBarOrientation::prHorizontal, false, {0, 0, 0, 4}},
    };
    auto* bar = Add<TSkinFMXProgressBar>(u"Bar", {0, 0, 638, 4});
    TProgressBarProperties& p = bar->ProgressBarProperties();
    auto* type = static_cast<TSkinProgressBarType*>(bar->GetSkinControlType());
    for (const FillCase& c : cases) {
        SCOPED_TRACE(c.name);
        p.SetMin(-1000);
        p.SetMax(1000);
        p.SetPosition(c.position);
        p.SetMin(c.min);
        p.SetMax(c.max);
        p.SetOrientation(c.orientation);
        const ui::RectF fill =
            type->CalcFillRect(c.orientation == TProgressBarOrientation::prHorizontal ? track : tall, c.reversed);
        EXPECT_NEAR(fill.left, c.expected.left, 0.01);
        EXPECT_NEAR(fill.top, c.expected.top, 0.01);
        EXPECT_NEAR(fill.right, c.expected.right, 0.01);
        EXPECT_NEAR(fill.bottom, c.expected.bottom, 0.01);
    }
}

TEST_F(BasicControlsTest, ProgressBarPercentText) {
    auto* bar = Add<TSkinFMXProgressBar>(u"Bar", {0, 0, 200, 20});
    bar->SelfOwnMaterialToDefault()->SetIsDrawPercent(true);
    const struct {
        int32_t max, position;
        const char* text;
    } cases[] = {{100, 33, "'33%'"}, {3, 2, "'66%'"}, {100, 100, "'100%'"}};
    for (const auto& c : cases) {
        bar->ProgressBarProperties().SetMax(c.max);
        bar->ProgressBarProperties().SetPosition(c.position);
        EXPECT_THAT(Paint(), Contains(HasSubstr(c.text)));
    }
    bar->ProgressBarProperties().SetMax(0);  // an empty range shows no percentage and does not divide by zero
    EXPECT_THAT(Paint(), Not(Contains(HasSubstr("%'"))));
}

TEST_F(BasicControlsTest, PictureBarRevealsTheFullLengthFillUpToThePosition) {
    graphics.resources.emplace_back(u"fill", ui::RecordingGraphics::EncodeTestImage(256, 4));
    auto* bar = Add<TSkinFMXProgressBar>(u"Bar", {0, 0, 638, 4});
    TSkinProgressBarDefaultMaterial* material = bar->SelfOwnMaterialToDefault();
    material->HorzForeGndPicture().SetResourceName(u"fill");
    material->ForeGndDrawPictureParam().SetIsStretch(true);
    material->ForeGndDrawPictureParam().SetStretchStyle(TPictureStretchStyle::issTensile);
    bar->ProgressBarProperties().SetPosition(10);
    for (const bool clip : {true, false}) {
        SCOPED_TRACE(clip ? "clipped" : "squeezed");
        material->SetIsClipPercentRect(clip);
        const std::vector<std::string> calls = Paint();
        EXPECT_EQ(material->ForeGndDrawPictureParam().StretchStyle(), TPictureStretchStyle::issThreePartHorz);
        const std::vector<std::string> clips = Only(calls, "Clip");
        const std::vector<std::string> bitmaps = Only(calls, "DrawBitmap 256x4");
        ASSERT_FALSE(bitmaps.empty());
        // Three parts with fixed ends; the middle one runs to the track's far end less an end piece when clipped,
        // to the fill's end less an end piece when squeezed.
        EXPECT_THAT(bitmaps.back(), HasSubstr(clip ? "-> 8,0,630,4 " : "-> 8,0,55.8,4 ")) << bitmaps.back();
        EXPECT_EQ(clips.empty(), !clip);
        if (clip) {
            EXPECT_THAT(clips[0], HasSubstr("63.8"));
        }
    }
}

TEST_F(BasicControlsTest, OrientationSwapsTheSize) {
    auto* bar = Add<TSkinFMXProgressBar>(u"Bar", {5, 6, 125, 28});
    bar->ProgressBarProperties().SetOrientation(TProgressBarOrientation::prVertical);
    EXPECT_EQ(bar->Width(), 22);
    EXPECT_EQ(bar->Height(), 120);
    EXPECT_EQ(bar->X(), 5);
}

TEST_F(BasicControlsTest, ColourBarIsRegisteredUnderItsTypeName) {
    auto* bar = Add<TSkinFMXProgressBar>(u"Bar", {0, 0, 100, 10});
    bar->SetComponentTypeName(u"Color");
    EXPECT_EQ(bar->GetSkinControlType()->ClassName(), u"TSkinProgressBarColorType");
    // The own material of the default type is not of the colour type's class: a new one is made.
    auto* material = dynamic_cast<TSkinProgressBarColorMaterial*>(bar->GetCurrentUseMaterial());
    ASSERT_NE(material, nullptr);
    material->ForeColor().SetIsFill(true);
    material->ForeColor().FillColor().SetColor(0xFF0000FF);
    material->SetIsReverse(true);
    bar->ProgressBarProperties().SetPosition(25);
    EXPECT_THAT(Only(Paint(), "FillRect"), Contains(HasSubstr("FillRect 75,0,100,10")));
}

TEST_F(BasicControlsTest, ValueBindingStoresTheNumberSilently) {
    auto* bar = Add<TSkinFMXProgressBar>(u"Bar", {0, 0, 100, 10});
    int reports = 0;
    bar->OnChange = [&](ui::Object*) { ++reports; };
    const struct {
        const char16_t* text;
        int32_t stored;
    } cases[] = {{u"42", 42}, {u"250", 250}, {u"x1", 0}, {u"", 0}};
    for (const auto& c : cases) {
        bar->SetControlValue(c.text);
        EXPECT_EQ(bar->ProgressBarProperties().Position(), c.stored);
    }
    EXPECT_EQ(reports, 0);
}

}  // namespace
}  // namespace skin

namespace skin {
namespace {

TEST_F(BasicControlsTest, TheRegistryHoldsEveryKindOfTheLibrary) {
    const TControlTypeRegManager& manager = ControlTypeRegManager();
    int entries = 0;
    for (int i = 0; i < manager.ControlClassifyRegList.Count(); ++i) {
        entries += manager.ControlClassifyRegList.Items(i)->ControlTypeRegList.Count();
    }
    EXPECT_EQ(manager.ControlClassifyRegList.Count(), 45);
    EXPECT_EQ(entries, 59);
    const struct {
        const char16_t* classify;
        const char16_t* type;
        const char16_t* typeClass;
        const char16_t* materialClass;
    } cases[] = {
        {u"SkinLabel", u"Default", u"TSkinLabelType", u"TSkinLabelDefaultMaterial"},
        {u"SkinButton", u"NormalPushed", u"TSkinButtonDefaultType", u"TSkinButtonDefaultMaterial"},
        {u"SkinSwitchBar", u"Default", u"TSkinSwitchBarDefaultType", u"TSkinSwitchBarDefaultMaterial"},
        {u"SkinProgressBar", u"Color", u"TSkinProgressBarColorType", u"TSkinProgressBarColorMaterial"},
        {u"SkinComboBox", u"Default", u"TSkinComboBoxDefaultType", u"TSkinComboBoxDefaultMaterial"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ui::Utf16ToUtf8(c.classify));
        const TControlTypeReg* reg = manager.FindControlTypeClassRegByControlTypeName(c.classify, c.type);
        ASSERT_NE(reg, nullptr);
        EXPECT_EQ(reg->ControlTypeClass->Create()->ClassName(), c.typeClass);
        EXPECT_EQ(reg->MaterialClass->Create()->ClassName(), c.materialClass);
    }
}

TEST_F(BasicControlsTest, StoredLayoutsCreateTheRealControls) {
    ui::ClassRegistry registry;
    RegisterSkinControlClasses(registry);
    ui::ReadLayout(
        "object F: TForm\n"
        "  object Panel: TSkinFMXPanel\n"
        "    Width = 300\n"
        "    Height = 100\n"
        "    SelfOwnMaterial.BackColor.FillColor.Color = xC0202020\n"
        "    SelfOwnMaterial.IsTransparent = False\n"
        "    object Title: TSkinFMXLabel\n"
        "      Caption = 'Install to'\n"
        "      Text = 'Install to'\n"
        "      SelfOwnMaterial.DrawCaptionParam.FontSize = 14\n"
        "      Properties.AutoSize = False\n"
        "      ParentMouseEvent = False\n"
        "      DirectUIVisible = False\n"
        "      MouseDownFocus = False\n"
        "    end\n"
        "    object Install: TSkinFMXButton\n"
        "      Caption = 'Install Now'\n"
        "      SelfOwnMaterial.DrawCaptionParam.FontSize = 20\n"
        "    end\n"
        "    object Custom: TSkinFMXSwitchBar\n"
        "      Properties.Checked = True\n"
        "    end\n"
        "    object Drive: TSkinFMXComboBox\n"
        "    end\n"
        "  end\n"
        "  object Logo: TSkinFMXImage\n"
        "    Properties.Picture.ResourceName = 'logo'\n"
        "  end\n"
        "  object Bar: TSkinFMXProgressBar\n"
        "    Properties.Min = 0\n"
        "    Properties.Max = 100\n"
        "    Properties.Position = 0\n"
        "    Properties.Orientation = prHorizontal\n"
        "    SelfOwnMaterial.IsClipPercentRect = True\n"
        // A 3 x 1 PNG kept in the material, and GIF data beside it.
        "    SelfOwnMaterial.HorzForeGndPicture.PNG = {\n"
        "      89504E470D0A1A0A0000000D49484452000000030000000108060000001BE014B40000000F49444154789C\n"
        "      63609874EA3F0C0300292C0712DD46648A0000000049454E44AE426082}\n"
        "    SelfOwnMaterial.HorzForeGndPicture.GIFFileData = {47494638}\n"
        "    SelfOwnMaterial.VertForeGndPicture.PNG = {}\n"
        "  end\n"
        "end\n",
        form, registry);
    auto* panel = dynamic_cast<TSkinFMXPanel*>(form.FindComponent(u"Panel"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->SelfOwnMaterialToDefault()->DrawBackColorParam().FillColor().Color(), 0xC0202020u);
    EXPECT_FALSE(panel->SelfOwnMaterialToDefault()->IsTransparent());
    auto* title = dynamic_cast<TSkinFMXLabel*>(form.FindComponent(u"Title"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->GetCaption(), u"Install to");
    EXPECT_EQ(title->SelfOwnMaterialToDefault()->DrawCaptionParam().FontSize(), 14);
    EXPECT_EQ(title->GetCurrentUseMaterial()->RefControlCount(), 1);
    EXPECT_NE(dynamic_cast<ISkinControl*>(form.FindComponent(u"Install")), nullptr);
    EXPECT_NE(dynamic_cast<ISkinControl*>(form.FindComponent(u"Custom")), nullptr);
    EXPECT_NE(dynamic_cast<ISkinControl*>(form.FindComponent(u"Drive")), nullptr);
    auto* bar = dynamic_cast<TSkinFMXProgressBar*>(form.FindComponent(u"Bar"));
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->SelfOwnMaterialToDefault()->IsClipPercentRect());
    const TDrawPicture& fill = bar->SelfOwnMaterialToDefault()->HorzForeGndPicture();
    EXPECT_FALSE(fill.IsEmpty());
    EXPECT_EQ(fill.Width(), 3);
    EXPECT_EQ(fill.Height(), 1);
    EXPECT_EQ(fill.GIFStream().size(), 4u);
    EXPECT_TRUE(bar->SelfOwnMaterialToDefault()->VertForeGndPicture().IsEmpty());
    auto* logo = dynamic_cast<TSkinFMXImage*>(form.FindComponent(u"Logo"));
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->ImageProperties().Picture().ResourceName(), u"logo");
    // Every control painted once: each has its type and material.
    Paint();
    for (const char16_t* name : {u"Panel", u"Title", u"Install", u"Custom", u"Drive", u"Logo", u"Bar"}) {
        auto* control = dynamic_cast<ISkinControl*>(form.FindComponent(name));
        EXPECT_NE(control->GetSkinControlType(), nullptr) << ui::Utf16ToUtf8(name);
        EXPECT_NE(control->GetCurrentUseMaterial(), nullptr) << ui::Utf16ToUtf8(name);
    }
}

}  // namespace
}  // namespace skin
