#pragma once

#include <string>

#include "ui/component.h"
#include "ui/easing.h"
#include "ui/property.h"
#include "ui/property_path.h"
#include "ui/tick_client.h"

namespace ui {

class AnimationTimer;

// A property animation: while running it sets the property that PropertyName names on its parent (resolved
// with PathResolution::SkipUnknown, each time a value is set) from its start to its stop value along the
// easing curve of Interpolation and AnimationType. It runs on the shared animation timer:
// - Start: the remaining delay is set to Delay, the run time to 0 (to Duration when Inverse), the animation
//   is marked running and attached to the timer. With no delay the start value is set at once. A Duration
//   below 0.001 s sets the final value at once and ends the animation (OnProcess, OnFinish).
// - Each tick: while the delay runs, nothing is set; the tick on which it runs out sets the start value
//   without advancing the run time. Otherwise the run time moves by the elapsed time (backwards when
//   Inverse), clamped to 0..Duration; reaching the end finishes the animation. The property is set to
//   start + (stop - start) x e(run time / Duration), then OnProcess runs. A finished animation is detached,
//   then OnFinish runs.
// - Stop: a running animation jumps to its final value (the stop value; the start value when Inverse), runs
//   OnProcess once, is detached and runs OnFinish.
// - Enabled: set in a layout, the animation starts when the layout has been applied (Loaded); set later,
//   True starts it and False stops it. Start sets Enabled.
// - An animation whose parent control is invisible does not start, and a running one is stopped on the next
//   tick after its parent control became invisible.
class Animation : public Component, public TickClient {
public:
    Animation() = default;
    // Leaves the timer (without running handlers) and the parent.
    ~Animation() override;
    std::u16string_view ClassName() const override { return u"TAnimation"; }
    static const PropertyTable& StaticProperties();
    const PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    ui::AnimationType AnimationType() const { return type_; }
    void SetAnimationType(ui::AnimationType type) { type_ = type; }
    ui::Interpolation Interpolation() const { return interpolation_; }
    void SetInterpolation(ui::Interpolation interpolation) { interpolation_ = interpolation; }
    // Seconds.
    double Delay() const { return delay_; }
    void SetDelay(double delay) { delay_ = delay; }
    double Duration() const { return duration_; }
    void SetDuration(double duration) { duration_ = duration; }
    bool Inverse() const { return inverse_; }
    void SetInverse(bool inverse) { inverse_ = inverse; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // The dotted path of the animated property, starting at the parent.
    const std::u16string& PropertyName() const { return propertyName_; }
    void SetPropertyName(std::u16string_view name) { propertyName_ = name; }

    // Runs after each value the animation sets (the per-frame handler).
    NotifyEvent OnProcess;
    NotifyEvent OnFinish;

    void Start();
    void Stop();
    bool Running() const { return running_; }
    // The run time in seconds.
    double CurrentTime() const { return time_; }
    double RemainingDelay() const { return delayRemaining_; }

    // Advances the animation by elapsed seconds (called by the animation timer).
    void ProcessTick(double elapsed) override;
    // The class and component name.
    std::u16string TickClientName() const override;

    // Starts the animation when Enabled.
    void Loaded() override;

protected:
    // Whether the animation can drive a property of the kind.
    virtual bool Accepts(PropertyKind kind) const = 0;
    // Sets the target property to the value at the eased progress (0 = start value, 1 = stop value).
    virtual void ApplyValue(const PropertyTarget& target, float eased) = 0;

private:
    AnimationTimer& Timer() const;
    bool ParentHidden() const;
    // Sets the property for the current run time.
    void ProcessAnimation(float progress);
    void ProcessAnimation();
    void DoProcess();
    void DoFinish();
    // Writes a diagnostic line once per start.
    void Report(const std::u16string& problem);

    ui::AnimationType type_ = ui::AnimationType::In;
    ui::Interpolation interpolation_ = ui::Interpolation::Linear;
    double delay_ = 0;
    double duration_ = 0.2;
    bool inverse_ = false;
    bool enabled_ = false;
    std::u16string propertyName_;

    bool running_ = false;
    bool reported_ = false;
    double time_ = 0;
    double delayRemaining_ = 0;
};

}  // namespace ui
