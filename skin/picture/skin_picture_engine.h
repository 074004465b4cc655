#pragma once

#include <memory>

#include "ui/geometry.h"

namespace skin {

class ISkinPictureCanvas;
class TBaseDrawPictureParam;
class TSkinGIFFramePlayer;
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
    // Draws CurrentAnimateFrame by the parameter inside drawRect with the canvas's DrawSkinPicture (placed by
    // the parameter). Nothing for an empty frame.
    virtual void DrawToCanvas(ISkinPictureCanvas& canvas, const TBaseDrawPictureParam& drawPictureParam,
                              const ui::RectF& drawRect);

private:
    TSkinPicture* skinPicture_;
};

// An engine that plays the picture's GIF data: its frames are decoded when the animation first starts and
// played on the shared animation timer (TSkinGIFFramePlayer: AnimateSpeed and GIFDelayExp set the timing);
// every new frame raises the picture's OnAnimateRePaint. GIF data of one frame, or data that cannot be
// decoded, does not animate: the picture itself is shown.
class TSkinBaseGIFPictureEngine : public TSkinPictureEngine {
public:
    explicit TSkinBaseGIFPictureEngine(TSkinPicture* skinPicture);
    ~TSkinBaseGIFPictureEngine() override;

    // The picture holds GIF data.
    bool GetCurrentIsGIF() override;
    bool Animated() const { return animated_; }
    // Starts or stops the animation.
    void SetAnimated(bool value);
    double AnimateSpeed() const { return animateSpeed_; }
    void SetAnimateSpeed(double value);
    int GIFDelayExp() const { return gifDelayExp_; }
    void SetGIFDelayExp(int value);

    // Stops the animation and forgets the decoded frames.
    void Clear() override;
    void SettingsChanged() override;
    bool IsAnimating() override;
    // While animating, the active frame; otherwise the picture itself. Asked while Animated is set and nothing
    // runs, it starts the animation first.
    TSkinPicture* CurrentAnimateFrame() override;
    // Decodes the frames on first use and plays them.
    void StartAnimate() override;
    void StopAnimate() override;
    // An animation in progress is drawn by its player.
    void DrawToCanvas(ISkinPictureCanvas& canvas, const TBaseDrawPictureParam& drawPictureParam,
                      const ui::RectF& drawRect) override;

    // The player of the decoded frames (nullptr before the first start or without frames to play).
    TSkinGIFFramePlayer* Player() const { return player_.get(); }

private:
    bool animated_ = false;
    double animateSpeed_ = 10.0;
    int gifDelayExp_ = 12;
    bool framesDecoded_ = false;
    std::unique_ptr<TSkinGIFFramePlayer> player_;
};

class TSkinGIFPictureEngine : public TSkinBaseGIFPictureEngine {
public:
    using TSkinBaseGIFPictureEngine::TSkinBaseGIFPictureEngine;
};

// A new engine bound to skinPicture: the GIF engine when isGIF, else the plain one.
std::unique_ptr<TSkinPictureEngine> CreateSkinPictureEngine(TSkinPicture* skinPicture, bool isGIF);

}  // namespace skin
