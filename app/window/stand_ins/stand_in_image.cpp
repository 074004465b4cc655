#include "app/window/stand_ins/stand_in_image.h"

#include <algorithm>

#include "platform/log.h"
#include "ui/canvas.h"
#include "ui/graphics.h"
#include "ui/property_table.h"

namespace app::stand_ins {

namespace {

// Above this display scale the double-size pictures look sharper than the plain ones.
constexpr float kHighResolutionScale = 1.25f;

}  // namespace

const ui::PropertyTable& StandInPicture::StaticProperties() {
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<StandInPicture>()
            .Text(u"ResourceName", &StandInPicture::ResourceName, &StandInPicture::SetResourceName)
            .Build();
    return table;
}

void StandInPicture::SetResourceName(std::u16string_view name) {
    if (name == resourceName_) return;
    resourceName_ = name;
    if (OnChange) OnChange(this);
}

const ui::PropertyTable& StandInImageProperties::StaticProperties() {
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<StandInImageProperties>()
            .Object(u"Picture", [](StandInImageProperties& p) -> StandInPicture& { return p.picture_; })
            .Build();
    return table;
}

StandInImage::StandInImage() {
    SetSize(120, 100);
    properties_.Picture().OnChange = [this](ui::Object*) {
        bitmap_.reset();
        loaded_ = false;
        Repaint();
    };
}

const ui::PropertyTable& StandInImage::StaticProperties() {
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<StandInImage>(&ui::Control::StaticProperties())
            .Text(u"Caption", &StandInImage::Caption, &StandInImage::SetCaption)
            .Object(u"Properties", [](StandInImage& c) -> StandInImageProperties& { return c.properties_; })
            .Bool(u"Stretch", &StandInImage::Stretch, &StandInImage::SetStretch)
            .Build();
    return table;
}

void StandInImage::SetCaption(std::u16string_view caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Repaint();
}

void StandInImage::SetStretch(bool stretch) {
    if (stretch == stretch_) return;
    stretch_ = stretch;
    Repaint();
}

ui::RectF StandInImage::PictureRect(float pictureWidth, float pictureHeight) const {
    const ui::RectF area = LocalRect();
    if (stretch_ || pictureWidth <= 0 || pictureHeight <= 0) return area;
    const float factor = std::min(area.Width() / pictureWidth, area.Height() / pictureHeight);
    const float width = pictureWidth * factor;
    const float height = pictureHeight * factor;
    const float left = (area.Width() - width) / 2;
    const float top = (area.Height() - height) / 2;
    return {left, top, left + width, top + height};
}

const ui::Bitmap* StandInImage::CurrentBitmap(float canvasScale, float& density) {
    const bool highResolution = canvasScale > kHighResolutionScale;
    if (loaded_ && highResolution == loadedHighResolution_) {
        density = bitmapDensity_;
        return bitmap_.get();
    }
    ui::Graphics* graphics = ui::GetGraphics();
    const std::u16string& name = properties_.Picture().ResourceName();
    if (graphics == nullptr || name.empty()) return nullptr;
    loaded_ = true;
    loadedHighResolution_ = highResolution;
    bitmap_.reset();
    bitmapDensity_ = 1;
    if (highResolution) {
        bitmap_ = graphics->LoadBitmapFromResource(name + u"_2x");
        if (bitmap_) bitmapDensity_ = 2;
    }
    if (!bitmap_) bitmap_ = graphics->LoadBitmapFromResource(name);
    if (!bitmap_) platform::Log(u"Image", u"no picture resource " + name + u" for " + Name());
    density = bitmapDensity_;
    return bitmap_.get();
}

void StandInImage::Paint(ui::Canvas& canvas) {
    const float opacity = AbsoluteOpacity();
    if (opacity <= 0) return;
    float density = 1;
    if (const ui::Bitmap* bitmap = CurrentBitmap(canvas.Scale(), density)) {
        const float width = static_cast<float>(bitmap->Width());
        const float height = static_cast<float>(bitmap->Height());
        canvas.DrawBitmap(*bitmap, {0, 0, width, height}, PictureRect(width / density, height / density), opacity,
                          ui::BitmapSampling::Linear);
    }
    if (!caption_.empty()) {
        canvas.Fill() = {ui::BrushKind::Solid, 0xFFFFFFFF, {}};
        canvas.FillText(LocalRect(), caption_, ui::TextWrap::Word, opacity, ui::TextAlign::Center,
                        ui::TextAlign::Center);
    }
}

}  // namespace app::stand_ins
