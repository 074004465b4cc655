#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "skin/controls/register_skin_controls.h"
#include "skin/controls/button_material.h"
#include "skin/controls/button_properties.h"
#include "skin/controls/combo_box_material.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_combo_box.h"
#include "skin/controls/skin_image.h"
#include "skin/controls/skin_label.h"
#include "skin/controls/skin_progress_bar.h"
#include "skin/controls/skin_switch_bar.h"
#include "skin/controls/switch_bar_material.h"
#include "skin/controls/switch_bar_properties.h"
#include "skin/draw/draw_picture_param.h"
#include "skin/draw/draw_rect_param.h"
#include "skin/draw/draw_rect_param_effect.h"
#include "skin/draw/draw_text_param.h"
#include "skin/picture/draw_picture.h"
#include "tests/platform/graphics_test_support.h"
#include "ui/form.h"
#include "ui/stream.h"
#include "ui/testing/headless_host.h"

// Each skinned control of the installer drawn on the Direct2D drawing services in each of its states, at 100 and
// 200 %, read back as pixels. The state pictures are solid colours, so a wrong picture shows as a wrong colour.
namespace {

using namespace graphics_test;

constexpr uint32_t kRed = 0xFFC02020;
constexpr uint32_t kGreen = 0xFF20C020;
constexpr uint32_t kBlue = 0xFF2020C0;
constexpr uint32_t kYellow = 0xFFC0C020;
constexpr uint32_t kGrey = 0xFF808080;
constexpr float kScales[] = {1.0f, 2.0f};

// A picture of one colour.
void Solid(skin::TDrawPicture& picture, int width, int height, uint32_t color) {
    auto bitmap = Graphics().CreateBitmap(width, height, 1);
    const ui::BitmapPixels px = bitmap->Map(ui::MapAccess::ReadWrite);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) px.At(x, y) = color;
    }
    bitmap->Unmap();
    ui::MemoryStream png;
    bitmap->SaveToPng(png);
    png.Seek(0);
    picture.LoadFromStream(png);
}

void Stretch(skin::TDrawPictureParam& param) { param.SetIsStretch(true); }

class SkinControlsPixels : public ::testing::Test {
protected:
    SkinControlsPixels() {
        static const bool registered = (skin::RegisterControlTypes(), true);
        (void)registered;
        ui::SetGraphics(&Graphics());
        form.SetSize(200, 100);
    }
    ~SkinControlsPixels() override { ui::SetGraphics(nullptr); }

    template <class C>
    C* Add(ui::RectF bounds) {
        auto* control = form.CreateComponent<C>();
        control->SetParent(&form);
        control->SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
        control->Loaded();
        return control;
    }

    // The pixel at the logical point after painting the form at the scale.
    uint32_t At(float scale, float x, float y) {
        auto frame = Graphics().CreateFrame(static_cast<int>(200 * scale), static_cast<int>(100 * scale), scale);
        host.Paint(frame->BeginPaint());
        EXPECT_TRUE(frame->EndPaint());
        return graphics_test::At(*frame, static_cast<int>(x * scale), static_cast<int>(y * scale));
    }

    // Checks the pixel at both scales.
    void Expect(const char* state, float x, float y, uint32_t expected) {
        for (const float scale : kScales) {
            EXPECT_EQ(Hex(At(scale, x, y)), Hex(expected)) << state << " at " << scale;
        }
    }

    ui::Form form;
    ui::HeadlessHost host{form};
};

TEST_F(SkinControlsPixels, ButtonShowsTheStatePictureOfEachState) {
    auto* button = Add<skin::TSkinFMXButton>({10, 10, 110, 50});
    auto* material = dynamic_cast<skin::TSkinButtonDefaultMaterial*>(button->GetCurrentUseMaterial());
    ASSERT_NE(material, nullptr);
    Solid(material->NormalPicture(), 8, 8, kRed);
    Solid(material->HoverPicture(), 8, 8, kGreen);
    Solid(material->DownPicture(), 8, 8, kBlue);
    Solid(material->PushedPicture(), 8, 8, kYellow);
    Solid(material->DisabledPicture(), 8, 8, kGrey);
    Stretch(material->DrawPictureParam());
    Expect("normal", 60, 30, kRed);
    host.MouseMove(60, 30);
    Expect("hovered", 60, 30, kGreen);
    host.MouseDown(60, 30);
    Expect("held", 60, 30, kBlue);
    host.MouseMove(150, 80);
    host.MouseUp(150, 80);  // released outside: no click
    host.MouseLeave();
    Expect("released outside", 60, 30, kRed);
    static_cast<skin::TButtonProperties&>(*button->GetProperties()).SetIsPushed(true);
    Expect("pushed", 60, 30, kYellow);
    button->SetEnabled(false);
    Expect("disabled", 60, 30, kGrey);
}

TEST_F(SkinControlsPixels, SwitchTrackAndKnobFollowTheState) {
    auto* bar = Add<skin::TSkinFMXSwitchBar>({10, 10, 74, 42});
    auto* material = dynamic_cast<skin::TSkinSwitchBarDefaultMaterial*>(bar->GetCurrentUseMaterial());
    ASSERT_NE(material, nullptr);
    material->SetIsTransparent(false);
    skin::TDrawRectParam& track = material->DrawBackColorParam();
    track.SetIsFill(true);
    track.FillColor().SetColor(kGrey);
    auto& pushed = track.DrawEffectSetting().PushedEffect();
    pushed.SetEffectTypes({skin::TDRPEffectType::drpetFillColorChange});
    pushed.FillColor().SetColor(kBlue);
    Solid(material->HorzSwitchBtnNormalPicture(), 8, 8, kRed);
    Solid(material->HorzSwitchBtnHoverPicture(), 8, 8, kGreen);
    Stretch(material->SwitchBtnDrawPictureParam());
    material->SetSwitchBtnDrawSize(32);  // the knob is as wide as the bar is high
    auto& properties = static_cast<skin::TSwitchBarProperties&>(*bar->GetProperties());
    // Off: the knob at the left, the track grey beside it.
    Expect("off, knob", 20, 26, kRed);
    Expect("off, track", 70, 26, kGrey);
    properties.SetChecked(true);
    Expect("on, knob", 64, 26, kRed);
    Expect("on, track", 20, 26, kBlue);
    host.MouseMove(64, 26);
    Expect("on, hovered knob", 64, 26, kGreen);
    Expect("on, hovered track", 20, 26, kBlue);
}

TEST_F(SkinControlsPixels, ProgressFillIsRevealedUpToThePosition) {
    auto* bar = Add<skin::TSkinFMXProgressBar>({0, 90, 200, 100});
    skin::TSkinProgressBarDefaultMaterial* material = bar->SelfOwnMaterialToDefault();
    Solid(material->HorzForeGndPicture(), 256, 4, kGreen);
    Stretch(material->ForeGndDrawPictureParam());
    material->SetIsClipPercentRect(true);
    bar->ProgressBarProperties().SetPosition(50);
    Expect("inside the fill", 50, 95, kGreen);
    Expect("past the fill", 150, 95, 0);
}

TEST_F(SkinControlsPixels, ComboBoxFaceFollowsThePointer) {
    auto* combo = Add<skin::TSkinFMXComboBox>({10, 10, 150, 40});
    auto* material = dynamic_cast<skin::TSkinComboBoxDefaultMaterial*>(combo->GetCurrentUseMaterial());
    ASSERT_NE(material, nullptr);
    Solid(material->NormalPicture(), 8, 8, kRed);
    Solid(material->HoverPicture(), 8, 8, kGreen);
    Stretch(material->DrawPictureParam());
    Expect("normal", 40, 25, kRed);
    host.MouseMove(40, 25);
    Expect("hovered", 40, 25, kGreen);
}

TEST_F(SkinControlsPixels, ImageAndLabelDrawTheirContent) {
    auto* image = Add<skin::TSkinFMXImage>({10, 10, 50, 50});
    Solid(image->ImageProperties().Picture(), 40, 40, kYellow);
    auto* label = Add<skin::TSkinFMXLabel>({60, 10, 190, 50});
    skin::TDrawTextParam& caption = label->SelfOwnMaterialToDefault()->DrawCaptionParam();
    caption.SetFontSize(30);
    caption.SetFontColor(0xFFFFFFFF);
    label->SetCaption(u"\u2588\u2588\u2588");  // full blocks: the text's box is painted
    for (const float scale : kScales) {
        EXPECT_EQ(Hex(At(scale, 30, 30)), Hex(kYellow)) << scale;
        auto frame = Graphics().CreateFrame(static_cast<int>(200 * scale), static_cast<int>(100 * scale), scale);
        host.Paint(frame->BeginPaint());
        ASSERT_TRUE(frame->EndPaint());
        const PaintedArea text = Painted(*frame, static_cast<int>(60 * scale), 0, static_cast<int>(200 * scale),
                                         static_cast<int>(100 * scale));
        EXPECT_GT(text.right - text.left, static_cast<int>(20 * scale)) << scale;
    }
}

}  // namespace
