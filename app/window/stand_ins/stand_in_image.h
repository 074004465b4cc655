#pragma once

#include <memory>
#include <string>

#include "ui/bitmap.h"
#include "ui/control.h"
#include "ui/persistent.h"

// Stand-ins for the skinned controls of the main window: plain framework controls, registered under the class
// names the window layout uses, that keep the components' names and settings and draw simply through the
// canvas. The skinned controls replace them class by class; until then their look only approximates the
// window's skin settings.
namespace app::stand_ins {

// Where a picture comes from: a raw-data program resource, by name (Properties.Picture.ResourceName).
class StandInPicture : public ui::Persistent {
public:
    std::u16string_view ClassName() const override { return u"TDrawPicture"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    const std::u16string& ResourceName() const { return resourceName_; }
    void SetResourceName(std::u16string_view name);

    ui::NotifyEvent OnChange;

private:
    std::u16string resourceName_;
};

class StandInImageProperties : public ui::Persistent {
public:
    std::u16string_view ClassName() const override { return u"TImageProperties"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    StandInPicture& Picture() { return picture_; }
    const StandInPicture& Picture() const { return picture_; }

private:
    StandInPicture picture_;
};

// TSkinFMXImage stand-in: draws its picture fitted and centred, or stretched over the whole control. At a
// display scale above 1.25 it prefers the picture's double-size resource ("<name>_2x").
class StandInImage : public ui::Control {
public:
    StandInImage();
    std::u16string_view ClassName() const override { return u"TSkinFMXImage"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    StandInImageProperties& Properties() { return properties_; }
    const std::u16string& Caption() const { return caption_; }
    void SetCaption(std::u16string_view caption);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);

    // Where the picture goes inside the control, for a picture of the given logical size.
    ui::RectF PictureRect(float pictureWidth, float pictureHeight) const;

    void Paint(ui::Canvas& canvas) override;

private:
    // The bitmap for the canvas scale, loaded once per resource name and resolution.
    const ui::Bitmap* CurrentBitmap(float canvasScale, float& density);

    StandInImageProperties properties_;
    std::u16string caption_;
    bool stretch_ = false;
    std::unique_ptr<ui::Bitmap> bitmap_;
    float bitmapDensity_ = 1;
    bool loaded_ = false;
    bool loadedHighResolution_ = false;
};

}  // namespace app::stand_ins
