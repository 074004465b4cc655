#pragma once

#include <memory>

namespace skin {

class TSkinPicture;

// What draws a picture: the plain engine shows the picture itself.
class TSkinPictureEngine {
public:
    explicit TSkinPictureEngine(TSkinPicture* skinPicture) : skinPicture_(skinPicture) {}
    virtual ~TSkinPictureEngine() = default;

    TSkinPicture* SkinPicture() const { return skinPicture_; }
    virtual bool GetCurrentIsGIF() { return false; }
    virtual void Clear() {}
    // Re-applies the animation settings.
    virtual void SettingsChanged() {}
    virtual bool IsAnimating() { return false; }
    // The frame to draw: the picture itself unless an animation shows another frame.
    virtual TSkinPicture* CurrentAnimateFrame() { return skinPicture_; }
    // Calls the picture's OnAnimateRePaint.
    virtual void RePaint();
    virtual void StartAnimate() {}
    virtual void StopAnimate() {}

private:
    TSkinPicture* skinPicture_;
};

// Settings of an animating engine. Without a GIF decoder it shows the picture itself.
class TSkinBaseGIFPictureEngine : public TSkinPictureEngine {
public:
    using TSkinPictureEngine::TSkinPictureEngine;
    bool GetCurrentIsGIF() override;
    bool Animated() const { return animated_; }
    // Starts or stops the animation.
    void SetAnimated(bool value);
    double AnimateSpeed() const { return animateSpeed_; }
    void SetAnimateSpeed(double value);
    int GIFDelayExp() const { return gifDelayExp_; }
    void SetGIFDelayExp(int value);
    bool IsAnimating() override { return animating_; }
    void StartAnimate() override { animating_ = true; }
    void StopAnimate() override { animating_ = false; }

private:
    bool animated_ = false;
    bool animating_ = false;
    double animateSpeed_ = 10.0;
    int gifDelayExp_ = 12;
};

class TSkinGIFPictureEngine : public TSkinBaseGIFPictureEngine {
public:
    using TSkinBaseGIFPictureEngine::TSkinBaseGIFPictureEngine;
};

// A new engine bound to skinPicture: the GIF engine when isGIF, else the plain one.
std::unique_ptr<TSkinPictureEngine> CreateSkinPictureEngine(TSkinPicture* skinPicture, bool isGIF);

}  // namespace skin
