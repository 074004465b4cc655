#include <gtest/gtest.h>

#include <algorithm>
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
#include "skin/picture/skin_image_list.h"
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
constexpr uint32_t kDark = 0xFF204060;
constexpr uint32_t kNavy = 0xFF202080;
constexpr uint32_t kDimGrey = 0xFF505050;
constexpr float kScales[] = {1.0f, 2.0f};

// A picture whose pixels the function gives.
void Fill(skin::TDrawPicture& picture, int width, int height, const std::function<uint32_t(int, int)>& color) {
    auto bitmap = Graphics().CreateBitmap(width, height, 1);
    const ui::BitmapPixels px = bitmap->Map(ui::MapAccess::ReadWrite);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) px.At(x, y) = color(x, y);
    }
    bitmap->Unmap();
    ui::MemoryStream png;
    bitmap->SaveToPng(png);
    png.Seek(0);
    picture.LoadFromStream(png);
}

// A picture of one colour.
void Solid(skin::TDrawPicture& picture, int width, int height, uint32_t color) {
    Fill(picture, width, height, [color](int, int) { return color; });
}

void FillEffect(skin::TDrawRectParamEffect& effect, uint32_t color) {
    effect.SetEffectTypes({skin::TDRPEffectType::drpetFillColorChange});
    effect.FillColor().SetColor(color);
}

void FontColorEffect(skin::TDrawTextParamEffect& effect, uint32_t color) {
    effect.SetEffectTypes({skin::TDTPEffectType::dtpetFontColorChange});
    effect.FontColor().SetColor(color);
}

void ImageIndexEffect(skin::TDrawPictureParamEffect& effect, int index) {
    effect.SetEffectTypes({skin::TDPPEffectType::dppetImageIndexChange});
    effect.SetImageIndex(index);
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

    // The form painted at the scale.
    std::unique_ptr<platform::win32::D2DFrame> Frame(float scale) {
        auto frame = Graphics().CreateFrame(static_cast<int>(200 * scale), static_cast<int>(100 * scale), scale);
        host.Paint(frame->BeginPaint());
        EXPECT_TRUE(frame->EndPaint());
        return frame;
    }

    // The pixel at the logical point after painting the form at the scale.
    uint32_t At(float scale, float x, float y) {
        return graphics_test::At(*Frame(scale), static_cast<int>(x * scale), static_cast<int>(y * scale));
    }

    // What is painted inside a logical rectangle at the scale: where, the pixel in its middle and the most opaque
    // pixel.
    struct Ink {
        PaintedArea area;
        uint32_t middle = 0;
        int alpha = 0;
    };
    Ink InkIn(float scale, ui::RectF box) {
        const auto frame = Frame(scale);
        Ink ink;
        ink.area = Painted(*frame, static_cast<int>(box.left * scale), static_cast<int>(box.top * scale),
                           static_cast<int>(box.right * scale), static_cast<int>(box.bottom * scale));
        if (ink.area.count == 0) return ink;
        ink.middle =
            graphics_test::At(*frame, (ink.area.left + ink.area.right) / 2, (ink.area.top + ink.area.bottom) / 2);
        for (int y = ink.area.top; y < ink.area.bottom; ++y) {
            for (int x = ink.area.left; x < ink.area.right; ++x) {
                ink.alpha = std::max(ink.alpha, A(graphics_test::At(*frame, x, y)));
            }
        }
        return ink;
    }

    // A label with a 30-point caption in red.
    skin::TSkinFMXLabel* AddLabel(ui::RectF bounds, std::u16string_view caption) {
        auto* label = Add<skin::TSkinFMXLabel>(bounds);
        skin::TDrawTextParam& param = label->SelfOwnMaterialToDefault()->DrawCaptionParam();
        param.SetFontSize(30);
        param.SetFontColor(kRed);
        label->SetCaption(caption);
        return label;
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

TEST_F(SkinControlsPixels, ComboBoxFaceWhenHeldFocusedOrDisabled) {
    // The state picture covers the left 60 pixels of the face, the background shows right of it.
    auto* combo = Add<skin::TSkinFMXComboBox>({10, 10, 150, 40});
    combo->SetItems({u"C:\\Velnix", u"Z:\\Velnix"});
    auto* material = dynamic_cast<skin::TSkinComboBoxDefaultMaterial*>(combo->GetCurrentUseMaterial());
    ASSERT_NE(material, nullptr);
    material->SetIsTransparent(false);
    skin::TDrawRectParam& back = material->DrawBackColorParam();
    back.SetIsFill(true);
    back.FillColor().SetColor(kDark);
    auto& backEffects = back.DrawEffectSetting();
    FillEffect(backEffects.MouseDownEffect(), kBlue);
    FillEffect(backEffects.FocusedEffect(), kNavy);
    FillEffect(backEffects.DisabledEffect(), kDimGrey);
    Solid(material->NormalPicture(), 8, 8, kRed);
    Solid(material->HoverPicture(), 8, 8, kGreen);
    Solid(material->FocusedPicture(), 8, 8, kYellow);
    Solid(material->DisabledPicture(), 8, 8, kGrey);
    skin::TDrawPictureParam& face = material->DrawPictureParam();
    Stretch(face);
    face.DrawRectSetting().SetSizeType(skin::TDPSizeType::dpstPixel);
    face.DrawRectSetting().SetWidth(60);
    face.DrawRectSetting().SetEnabled(true);
    const auto expect = [&](const char* state, uint32_t picture, uint32_t background) {
        Expect(state, 40, 25, picture);
        Expect(state, 120, 25, background);
    };
    expect("normal", kRed, kDark);
    host.MouseMove(40, 25);
    host.MouseDown(40, 25, ui::MouseButton::Right);  // opens no list: the face stays held
    ASSERT_FALSE(combo->IsDroppedDown());
    expect("held", kGreen, kBlue);
    host.MouseUp(40, 25, ui::MouseButton::Right);
    expect("released", kGreen, kDark);
    ASSERT_TRUE(combo->SetFocus());
    expect("focused and hovered", kYellow, kNavy);
    host.MouseDown(40, 25);
    ASSERT_TRUE(combo->IsDroppedDown());
    expect("list open", kYellow, kNavy);  // the list took the press: the face is released
    combo->CloseDropDown();
    combo->SetEnabled(false);
    expect("disabled", kGrey, kDimGrey);
}

TEST_F(SkinControlsPixels, LabelCaptionTakesTheEffectOfEachState) {
    auto* label = AddLabel({10, 10, 190, 90}, u"\u2588\u2588\u2588");  // full blocks: solid colour inside
    label->SetCanFocus(true);
    auto& effects = label->SelfOwnMaterialToDefault()->DrawCaptionParam().DrawEffectSetting();
    FontColorEffect(effects.MouseOverEffect(), kGreen);
    FontColorEffect(effects.MouseDownEffect(), kBlue);
    FontColorEffect(effects.FocusedEffect(), kYellow);
    FontColorEffect(effects.DisabledEffect(), kGrey);
    const auto expect = [&](const char* state, uint32_t color) {
        for (const float scale : kScales) {
            const Ink ink = InkIn(scale, {10, 10, 190, 90});
            EXPECT_GT(ink.area.count, 0) << state << " at " << scale;
            EXPECT_EQ(Hex(ink.middle), Hex(color)) << state << " at " << scale;
        }
    };
    expect("normal", kRed);
    host.MouseMove(20, 20);
    expect("hovered", kGreen);
    host.MouseDown(20, 20);
    expect("held", kBlue);
    host.MouseUp(20, 20);
    expect("released", kGreen);
    host.MouseLeave();
    ASSERT_TRUE(label->SetFocus());
    expect("focused", kYellow);
    label->SetEnabled(false);
    expect("disabled", kGrey);
}

TEST_F(SkinControlsPixels, LabelCaptionEffectsChangeSizeStyleOpacityAndPlace) {
    // Each effect applies while the mouse is over the label; the caption's ink is compared with its look before.
    struct Case {
        const char* name;
        std::function<void(skin::TDrawTextParamEffect&)> effect;
        double minInk, maxInk;  // painted pixels, as a share of those before
        float shift;            // logical pixels the ink moved right
        int alpha;              // of the most opaque pixel
    };
    const Case cases[] = {
        {"bigger font",
         [](skin::TDrawTextParamEffect& e) {
             e.SetEffectTypes({skin::TDTPEffectType::dtpetFontSizeChange});
             e.SetFontSize(45);
         },
         1.8, 2.8, 0, 255},
        {"bold",
         [](skin::TDrawTextParamEffect& e) {
             e.SetEffectTypes({skin::TDTPEffectType::dtpetFontStyleChange});
             e.SetFontStyle({skin::TFontStyle::fsBold});
         },
         1.2, 2.5, 0, 255},
        {"alpha",
         [](skin::TDrawTextParamEffect& e) {
             e.SetCommonEffectTypes({skin::TDPCommonEffectType::dpcetAlphaChange});
             e.SetAlpha(128);
         },
         0.9, 1.1, 0, 128},
        {"offset",
         [](skin::TDrawTextParamEffect& e) {
             e.SetCommonEffectTypes({skin::TDPCommonEffectType::dpcetOffsetChange});
             e.SetOffset(10);
         },
         0.9, 1.1, 10, 255},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* label = AddLabel({10, 10, 190, 90}, u"lll");
        c.effect(label->SelfOwnMaterialToDefault()->DrawCaptionParam().DrawEffectSetting().MouseOverEffect());
        for (const float scale : kScales) {
            SCOPED_TRACE(scale);
            const Ink before = InkIn(scale, {10, 10, 190, 90});
            ASSERT_GT(before.area.count, 0);
            host.MouseMove(20, 20);
            const Ink after = InkIn(scale, {10, 10, 190, 90});
            host.MouseLeave();
            const double share = static_cast<double>(after.area.count) / before.area.count;
            EXPECT_GE(share, c.minInk);
            EXPECT_LE(share, c.maxInk);
            // The letters' side bearing grows with the font: up to two pixels.
            EXPECT_NEAR(after.area.left - before.area.left, c.shift * scale, 2 * scale);
            EXPECT_NEAR(after.alpha, c.alpha, 1);
        }
        form.FreeComponent(label);
    }
}

TEST_F(SkinControlsPixels, ImagePictureAndCaptionTakeTheEffectOfEachState) {
    // Image-list entries 0 to 4 in five colours; each state's effect shows another entry. The picture covers the
    // left 40 pixels; the caption, one full block, stands at the right in the colour of the shown entry.
    auto* list = form.CreateComponent<skin::TSkinImageList>();
    for (const uint32_t color : {kRed, kGreen, kBlue, kYellow, kGrey}) {
        Solid(*list->PictureList().Add(), 8, 8, color);
    }
    auto* image = Add<skin::TSkinFMXImage>({10, 10, 110, 60});
    image->SetCanFocus(true);
    image->ImageProperties().Picture().SetSkinImageList(list);
    image->ImageProperties().Picture().SetImageIndex(0);
    skin::TSkinImageDefaultMaterial* material = image->SelfOwnMaterialToDefault();
    skin::TDrawPictureParam& picture = material->DrawPictureParam();
    Stretch(picture);
    picture.DrawRectSetting().SetSizeType(skin::TDPSizeType::dpstPixel);
    picture.DrawRectSetting().SetWidth(40);
    picture.DrawRectSetting().SetEnabled(true);
    auto& pictureEffects = picture.DrawEffectSetting();
    ImageIndexEffect(pictureEffects.MouseOverEffect(), 1);
    ImageIndexEffect(pictureEffects.MouseDownEffect(), 2);
    ImageIndexEffect(pictureEffects.FocusedEffect(), 3);
    ImageIndexEffect(pictureEffects.DisabledEffect(), 4);
    skin::TDrawTextParam& caption = material->DrawCaptionParam();
    caption.SetFontSize(30);
    caption.SetFontColor(kRed);
    caption.SetFontHorzAlign(skin::TFontHorzAlign::fhaRight);
    auto& captionEffects = caption.DrawEffectSetting();
    FontColorEffect(captionEffects.MouseOverEffect(), kGreen);
    FontColorEffect(captionEffects.MouseDownEffect(), kBlue);
    FontColorEffect(captionEffects.FocusedEffect(), kYellow);
    FontColorEffect(captionEffects.DisabledEffect(), kGrey);
    image->SetCaption(u"\u2588");
    const auto expect = [&](const char* state, uint32_t color) {
        Expect(state, 30, 35, color);
        for (const float scale : kScales) {
            const Ink ink = InkIn(scale, {60, 10, 110, 60});
            EXPECT_GT(ink.area.count, 0) << state << " at " << scale;
            EXPECT_EQ(Hex(ink.middle), Hex(color)) << state << " caption at " << scale;
        }
    };
    expect("normal", kRed);
    host.MouseMove(30, 35);
    expect("hovered", kGreen);
    host.MouseDown(30, 35);
    expect("held", kBlue);
    host.MouseUp(30, 35);
    expect("released", kGreen);
    host.MouseLeave();
    ASSERT_TRUE(image->SetFocus());
    expect("focused", kYellow);
    image->SetEnabled(false);
    expect("disabled", kGrey);
}

TEST_F(SkinControlsPixels, ImageEffectsAddToItsOwnTurnAndOpacity) {
    // Quadrants red (top left), green (top right), blue (bottom right), yellow (bottom left). Turned a quarter
    // clockwise by the image's own angle, the top left shows yellow; the hover effect turns it half a turn more.
    auto* image = Add<skin::TSkinFMXImage>({10, 10, 90, 90});
    Fill(image->ImageProperties().Picture(), 40, 40, [](int x, int y) {
        if (y < 20) return x < 20 ? kRed : kGreen;
        return x < 20 ? kYellow : kBlue;
    });
    skin::TDrawPictureParam& param = image->SelfOwnMaterialToDefault()->DrawPictureParam();
    Stretch(param);
    auto& over = param.DrawEffectSetting().MouseOverEffect();
    over.SetEffectTypes({skin::TDPPEffectType::dppetRotateAngleChange});
    over.SetRotateAngle(180);
    auto& down = param.DrawEffectSetting().MouseDownEffect();
    down.SetCommonEffectTypes({skin::TDPCommonEffectType::dpcetAlphaChange});
    down.SetAlpha(128);
    image->ImageProperties().SetCurrentRotateAngle(90);
    Expect("own turn", 20, 20, kYellow);
    host.MouseMove(20, 20);
    Expect("own turn and the effect's", 20, 20, kGreen);
    // Pressed at half opacity: the effect's alpha 128 times 0.5.
    image->SetOpacity(0.5f);
    image->ImageProperties().SetCurrentRotateAngle(0);
    host.MouseDown(20, 20);
    for (const float scale : kScales) {
        const uint32_t pixel = At(scale, 20, 20);
        EXPECT_NEAR(A(pixel), 64, 1) << Hex(pixel) << " at " << scale;
        EXPECT_NEAR(R(pixel), 0xC0 * 64 / 255, 2) << Hex(pixel) << " at " << scale;
    }
}

}  // namespace
