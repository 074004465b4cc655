#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "skin/controls/register_skin_controls.h"
#include "skin/controls/skin_panel.h"
#include "skin/draw/draw_rect_param.h"
#include "skin/draw/draw_rect_param_effect.h"
#include "tests/platform/graphics_test_support.h"
#include "ui/form.h"
#include "ui/testing/headless_host.h"

// A skinned control painted through its control type, material and draw canvas on the Direct2D drawing services,
// in each interactive state, read back as pixels.
namespace {

using namespace graphics_test;

constexpr uint32_t kNormal = 0xFF204060;
constexpr uint32_t kOver = 0xFF30A030;
constexpr uint32_t kDown = 0xFFA03030;
constexpr uint32_t kFocused = 0xFF3030A0;
constexpr uint32_t kDisabled = 0xFF808080;

void SetFillEffect(skin::TDrawRectParamEffect& effect, uint32_t color) {
    effect.SetEffectTypes({skin::TDRPEffectType::drpetFillColorChange});
    effect.FillColor().SetColor(color);
}

class SkinControlPixels : public ::testing::Test {
protected:
    SkinControlPixels() {
        static const bool registered = (skin::RegisterControlTypes(), true);
        (void)registered;
        ui::SetGraphics(&Graphics());
        form.SetSize(200, 100);
        panel = form.CreateComponent<skin::TSkinFMXPanel>();
        panel->SetParent(&form);
        panel->SetBounds(10, 10, 100, 40);
        panel->SetCanFocus(true);
        panel->Loaded();
        skin::TSkinPanelDefaultMaterial* material = panel->SelfOwnMaterialToDefault();
        material->SetIsTransparent(false);
        skin::TDrawRectParam& back = material->DrawBackColorParam();
        back.SetIsFill(true);
        back.FillColor().SetColor(kNormal);
        auto& effects = back.DrawEffectSetting();
        SetFillEffect(effects.MouseOverEffect(), kOver);
        SetFillEffect(effects.MouseDownEffect(), kDown);
        SetFillEffect(effects.FocusedEffect(), kFocused);
        SetFillEffect(effects.DisabledEffect(), kDisabled);
    }
    ~SkinControlPixels() override { ui::SetGraphics(nullptr); }

    // The pixel in the middle of the panel after painting the form at the scale.
    uint32_t Middle(float scale) {
        auto frame = Graphics().CreateFrame(static_cast<int>(200 * scale), static_cast<int>(100 * scale), scale);
        host.Paint(frame->BeginPaint());
        EXPECT_TRUE(frame->EndPaint());
        return At(*frame, static_cast<int>(60 * scale), static_cast<int>(30 * scale));
    }

    ui::Form form;
    ui::HeadlessHost host{form};
    skin::TSkinFMXPanel* panel = nullptr;
};

TEST_F(SkinControlPixels, EachStatePaintsItsEffect) {
    for (const float scale : {1.0f, 1.5f, 2.0f}) {
        SCOPED_TRACE(scale);
        EXPECT_EQ(Hex(Middle(scale)), Hex(kNormal));
    }
    host.MouseMove(60, 30);
    EXPECT_EQ(Hex(Middle(1)), Hex(kOver));
    host.MouseDown(60, 30);
    EXPECT_EQ(Hex(Middle(1)), Hex(kDown));
    host.MouseUp(60, 30);
    EXPECT_EQ(Hex(Middle(1)), Hex(kOver));
    host.MouseLeave();
    EXPECT_EQ(Hex(Middle(1)), Hex(kNormal));
    panel->SetFocus();
    EXPECT_EQ(Hex(Middle(1)), Hex(kFocused));
    panel->SetEnabled(false);
    EXPECT_EQ(Hex(Middle(1)), Hex(kDisabled));
}

TEST_F(SkinControlPixels, OpacityFadesEveryPart) {
    panel->SetOpacity(0.5f);
    const uint32_t pixel = Middle(1);
    // Premultiplied: half the alpha and half of each channel (the draw alpha is 128 of 255).
    EXPECT_NEAR(A(pixel), 128, 1) << Hex(pixel);
    EXPECT_NEAR(G(pixel), 0x40 * 128 / 255, 2) << Hex(pixel);
}

}  // namespace
