#pragma once

#include <cstdint>
#include <memory>

#include "skin/controls/image_material.h"
#include "skin/core/skin_control.h"

namespace ui {
class Timer;
}

namespace skin {

class TDrawPicture;
class TImageProperties;

// What an image offers its properties object and control type.
class ISkinImage {
public:
    virtual ~ISkinImage() = default;
    virtual TImageProperties& ImageProperties() const = 0;
};

// The image's picture and its animation: GIF playing, turning on a timer or stepping through an image list.
// Kind "SkinImage"; a new image is 120 x 100.
class TImageProperties : public TSkinControlProperties {
public:
    // Throws SkinError "This Component Do not Support ISkinImage Interface" for a control that is no image.
    explicit TImageProperties(ui::Component& skinControl);
    ~TImageProperties() override;
    std::u16string_view ClassName() const override { return u"TImageProperties"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }
    std::u16string_view GetComponentClassify() const override { return u"SkinImage"; }

    bool IsToolBar() const { return isToolBar_; }
    void SetIsToolBar(bool value) { isToolBar_ = value; }
    TDrawPicture& Picture() const { return *picture_; }
    // Copies value into the owned picture.
    void SetPicture(const TDrawPicture& value);
    bool Animated() const { return animated_; }
    void SetAnimated(bool value);
    double AnimateSpeed() const { return animateSpeed_; }
    void SetAnimateSpeed(double value);
    int GIFDelayExp() const { return gifDelayExp_; }
    // Values below 1 are stored as 1.
    void SetGIFDelayExp(int value);
    int CurrentRotateAngle() const { return currentRotateAngle_; }
    void SetCurrentRotateAngle(int value);
    bool Rotated() const { return rotated_; }
    void SetRotated(bool value);
    double RotateSpeed() const { return rotateSpeed_; }
    void SetRotateSpeed(double value);
    int RotateIncrement() const { return rotateIncrement_; }
    void SetRotateIncrement(int value) { rotateIncrement_ = value; }
    // The rotation timer, nullptr before the first Rotated := True.
    ui::Timer* RotateTimer() const { return rotateTimer_.get(); }
    uint32_t AnimateTicket() const { return animateTicket_; }
    // One tick of the rotation timer: the next angle, or the next image of the picture's image list.
    void RotateTimerTick();

    // The picture changed: the automatic size, then a repaint.
    void PropertiesChanged(ui::Object* sender) override;
    void AssignProperties(const TSkinControlProperties& source) override;

private:
    // Hands the GIF settings to the picture's engine when it is a GIF engine.
    void UpdateEngine();
    void RepaintControl();
    // The timer's interval for RotateSpeed: ceil(RotateSpeed * 10) milliseconds.
    int RotateInterval() const;

    bool isToolBar_ = false;
    TDrawPicture* picture_;
    bool animated_ = false;
    double animateSpeed_ = 10;
    int gifDelayExp_ = 12;
    int currentRotateAngle_ = 0;
    bool rotated_ = false;
    double rotateSpeed_ = 5;
    int rotateIncrement_ = 20;
    std::unique_ptr<ui::Timer> rotateTimer_;
    uint32_t animateTicket_ = 0;  // counts the timer's ticks; wraps around
};

// Draws the picture (or the GIF frame) with the picture parameter, then the caption.
class TSkinImageType : public TSkinControlType {
public:
    std::u16string_view ClassName() const override { return u"TSkinImageType"; }
    // The picture's drawn size; none while the control is read, without a parent or without a picture.
    bool CalcAutoSize(double& width, double& height) override;

protected:
    bool CustomBind(ui::Component& skinControl) override;
    void CustomUnBind() override;
    bool CustomPaint(TDrawCanvas& canvas, TSkinControlMaterial* material, const ui::RectF& drawRect,
                     const TPaintData& paintData) override;

private:
    ISkinImage* skinImageIntf_ = nullptr;
};

// The skinned image.
class TSkinImage : public TSkinFireMonkeyControl, public ISkinImage {
public:
    TSkinImage();
    std::u16string_view ClassName() const override { return u"TSkinImage"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    TImageProperties& ImageProperties() const override;
    TSkinImageDefaultMaterial* SelfOwnMaterialToDefault();
    TSkinImageDefaultMaterial* CurrentUseMaterialToDefault();

    // Starts an animated GIF at the end of loading.
    void Loaded() override;

protected:
    void MaterialChanged(ui::Object* sender) override;
};

// The name stored layouts give the image.
class TSkinFMXImage : public TSkinImage {
public:
    std::u16string_view ClassName() const override { return u"TSkinFMXImage"; }
};

}  // namespace skin
