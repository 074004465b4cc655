#include <gtest/gtest.h>

#include "skin/controls/register_skin_controls.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_image.h"
#include "skin/controls/skin_label.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_progress_bar.h"
#include "skin/draw/draw_rect_param.h"
#include "skin/picture/draw_picture.h"
#include "skin/picture/skin_image_list.h"
#include "ui/stream.h"
#include "tests/support/allocation_count.h"
#include "tests/support/null_canvas.h"
#include "ui/form.h"
#include "ui/graphics.h"
#include "ui/testing/recording_canvas.h"

namespace skin {
namespace {

using testing_support::AllocationCount;

template <class C>
C* Add(ui::Form& form, ui::RectF bounds) {
    auto* control = form.CreateComponent<C>();
    control->SetParent(&form);
    control->SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
    control->Loaded();
    return control;
}

TEST(SkinControlAllocationTest, WarmPaintsOfSkinnedControlsAllocateNothing) {
    RegisterControlTypes();
    ui::RecordingGraphics graphics;
    graphics.resources.emplace_back(u"logo", ui::RecordingGraphics::EncodeTestImage(48, 32));
    ui::SetGraphics(&graphics);
    {
        ui::Form form;
        form.SetSize(400, 300);
        auto* panel = Add<TSkinFMXPanel>(form, {0, 200, 400, 250});
        panel->SelfOwnMaterialToDefault()->SetIsTransparent(false);
        panel->SelfOwnMaterialToDefault()->DrawBackColorParam().SetIsFill(true);
        panel->SetCaption(u"A caption longer than any short string");
        auto* label = Add<TSkinFMXLabel>(form, {10, 10, 200, 32});
        label->SetCaption(u"Operate your phone on PC safely and easily.");
        auto* image = Add<TSkinFMXImage>(form, {10, 40, 58, 72});
        image->ImageProperties().Picture().SetResourceName(u"logo");
        auto* bar = Add<TSkinFMXProgressBar>(form, {0, 296, 400, 300});
        bar->SelfOwnMaterialToDefault()->HorzForeGndPicture().SetResourceName(u"logo");
        bar->SelfOwnMaterialToDefault()->SetIsClipPercentRect(true);
        bar->SelfOwnMaterialToDefault()->SetIsDrawPercent(false);
        bar->ProgressBarProperties().SetPosition(40);

        // A button with a long caption and its icon looked up by name in an image list on a 200 % screen.
        SetScreenScale(2.0f);
        auto* icons = form.CreateComponent<TSkinImageList>();
        for (const char16_t* name : {u"close", u"close@2x"}) {
            TDrawPicture* picture = icons->PictureList().Add();
            picture->SetImageName(name);
            ui::MemoryStream stream(ui::RecordingGraphics::EncodeTestImage(24, 24));
            picture->LoadFromStream(stream);
        }
        auto* button = Add<TSkinFMXButton>(form, {200, 10, 360, 60});
        button->SetCaption(u"Install Now, a caption past any short string");
        button->Prop().Icon().SetSkinImageList(icons);
        button->Prop().Icon().SetImageName(u"close");

        testing_support::NullCanvas frame;
        const size_t cold = AllocationCount();
        form.PaintTo(frame);
        EXPECT_GT(AllocationCount() - cold, 0u) << "the first paint decodes and lays out: the counter must see it";
        const int bitmaps = frame.bitmaps;
        const int primitives = frame.primitives;
        EXPECT_GT(bitmaps, 0);
        EXPECT_GT(primitives, 0);
        const size_t before = AllocationCount();
        for (int i = 0; i < 10; ++i) form.PaintTo(frame);
        EXPECT_EQ(AllocationCount() - before, 0u);
        EXPECT_EQ(frame.bitmaps, bitmaps * 11);
        EXPECT_EQ(frame.primitives, primitives * 11);
    }
    SetScreenScale(1.0f);
    ui::SetGraphics(nullptr);
}

}  // namespace
}  // namespace skin
