#pragma once

#include <functional>
#include <string>
#include <vector>

#include "skin/picture/gif_frames.h"
#include "ui/tick_client.h"

namespace skin {

// Plays the frames of GIF data on the shared animation timer: the active frame moves on when its time is up,
// from the last frame back to the first, and every move asks for a repaint.
//
// A frame shows for its stored delay, scaled by the speed: AnimateSpeed 10 is the speed the data gives, 20
// twice as fast, 0 or less holds the active frame. Frames stored with a delay below 20 ms (GIF writers use 0
// and 10 ms for "as fast as possible") show for GIFDelayExp hundredths of a second instead, as browsers do.
class TSkinGIFFramePlayer final : public ui::TickClient {
public:
    explicit TSkinGIFFramePlayer(std::vector<TGIFFrame> frames);
    TSkinGIFFramePlayer(const TSkinGIFFramePlayer&) = delete;
    TSkinGIFFramePlayer& operator=(const TSkinGIFFramePlayer&) = delete;
    // Leaves the timer.
    ~TSkinGIFFramePlayer();

    size_t FrameCount() const { return frames_.size(); }
    size_t ActiveIndex() const { return active_; }
    // The active frame's picture; nullptr without frames.
    TSkinPicture* ActiveFrame() const;
    // How long frame index shows with the current settings, in milliseconds (0 when the speed holds it).
    double FrameDuration(size_t index) const;

    void SetTiming(double animateSpeed, int gifDelayExp);
    // Starts ticking; nothing with fewer than two frames.
    void Start();
    void Stop();
    bool IsPlaying() const { return playing_; }

    // Called when the active frame changed.
    std::function<void()> OnFrameChange;

    void ProcessTick(double elapsed) override;
    std::u16string TickClientName() const override { return u"TSkinGIFFramePlayer"; }

private:
    std::vector<TGIFFrame> frames_;
    size_t active_ = 0;
    // Milliseconds the active frame has shown so far.
    double shown_ = 0;
    double animateSpeed_ = 10.0;
    int gifDelayExp_ = 12;
    bool playing_ = false;
};

}  // namespace skin
