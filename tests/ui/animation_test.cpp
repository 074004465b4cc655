#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/ui/sample_components.h"
#include "ui/animation_timer.h"
#include "ui/easing.h"
#include "ui/float_animation.h"
#include "ui/int_animation.h"
#include "ui/layout_reader.h"
#include "ui/testing/manual_animation_clock.h"

namespace ui {
namespace {

TEST(EasingTest, MatchesTheFormulasAndEndsAtZeroAndOne) {
    using I = Interpolation;
    using T = AnimationType;
    const struct {
        I interpolation;
        T type;
        double (*formula)(double);
    } curves[] = {
        {I::Linear, T::In, [](double p) { return p; }},
        {I::Linear, T::InOut, [](double p) { return p; }},
        {I::Cubic, T::In, [](double p) { return p * p * p; }},
        {I::Cubic, T::Out, [](double p) { return std::pow(p - 1, 3) + 1; }},
        {I::Cubic, T::InOut,
         [](double p) {
             const double q = 2 * p;
             return q < 1 ? q * q * q / 2 : (std::pow(q - 2, 3) + 2) / 2;
         }},
        {I::Exponential, T::In, [](double p) { return p == 0 ? 0 : std::pow(2, 10 * (p - 1)); }},
        {I::Exponential, T::Out, [](double p) { return p == 1 ? 1 : 1 - std::pow(2, -10 * p); }},
        {I::Exponential, T::InOut,
         [](double p) {
             if (p == 0 || p == 1) return p;
             const double q = 2 * p;
             return q < 1 ? std::pow(2, 10 * (q - 1)) / 2 : (2 - std::pow(2, -10 * (q - 1))) / 2;
         }},
    };
    for (const auto& curve : curves) {
        for (float p : {0.0f, 0.1f, 0.25f, 0.5f, 0.6f, 0.9f, 1.0f}) {
            EXPECT_NEAR(Ease(curve.interpolation, curve.type, p), curve.formula(p), 2e-6)
                << static_cast<int>(curve.interpolation) << "/" << static_cast<int>(curve.type) << " at " << p;
        }
        EXPECT_EQ(Ease(curve.interpolation, curve.type, 0), 0);
        EXPECT_EQ(Ease(curve.interpolation, curve.type, 1), 1);
    }
}

TEST(EasingTest, RoundsHalvesToTheEvenNeighbour) {
    const struct {
        float value;
        int expected;
    } cases[] = {{0.5f, 0},    {1.5f, 2},    {2.5f, 2},    {-0.5f, 0},    {-1.5f, -2}, {-2.5f, -2},
                 {2.4999f, 2}, {2.5001f, 3}, {74.25f, 74}, {86.625f, 87}, {-3.7f, -4}};
    for (const auto& c : cases) EXPECT_EQ(RoundHalfToEven(c.value), c.expected) << c.value;
}

// A progress bar stand-in: its position sits in a nested object, as Properties.Position of the skin's bar.
class BarProperties : public Persistent {
public:
    static const PropertyTable& StaticProperties() {
        static const PropertyTable table =
            PropertyTableBuilder<BarProperties>().Integer(u"Position", &BarProperties::position).Build();
        return table;
    }
    const PropertyTable& PublishedProperties() const override { return StaticProperties(); }
    int position = 10;
};

class Bar : public Control {
public:
    static const PropertyTable& StaticProperties() {
        static const PropertyTable table =
            PropertyTableBuilder<Bar>(&Control::StaticProperties()).Object(u"Properties", &Bar::properties).Build();
        return table;
    }
    const PropertyTable& PublishedProperties() const override { return StaticProperties(); }
    BarProperties properties;
};

class AnimationTest : public ::testing::Test {
protected:
    AnimationTest() { SharedAnimationTimer().SetClock(&clock); }
    ~AnimationTest() override {
        form.DestroyComponents();
        SharedAnimationTimer().SetClock(nullptr);
    }

    template <class A>
    A* Animate(Component* parent, std::u16string_view path, float from, float to, double duration,
               Interpolation interpolation = Interpolation::Linear, AnimationType type = AnimationType::In) {
        auto* animation = form.CreateComponent<A>();
        animation->SetParent(parent);
        animation->SetPropertyName(path);
        animation->SetStartValue(static_cast<decltype(animation->StartValue())>(from));
        animation->SetStopValue(static_cast<decltype(animation->StopValue())>(to));
        animation->SetDuration(duration);
        animation->SetInterpolation(interpolation);
        animation->SetAnimationType(type);
        animation->OnProcess = [this, animation](Object*) {
            journal.push_back("process " + Utf16ToUtf8(animation->Name()));
        };
        animation->OnFinish = [this, animation](Object*) {
            journal.push_back("finish " + Utf16ToUtf8(animation->Name()));
        };
        return animation;
    }

    Control* AddControl(std::u16string_view name, float x, float y) {
        auto* control = form.CreateComponent<Control>();
        control->SetName(name);
        control->SetBounds(x, y, 100, 100);
        control->SetParent(&form);
        return control;
    }

    ManualAnimationClock clock;
    Form form;
    std::vector<std::string> journal;
};

TEST_F(AnimationTest, ProgressFollowsTheExponentialEaseOut) {
    auto* bar = form.CreateComponent<Bar>();
    bar->SetParent(&form);
    auto* progress =
        Animate<IntAnimation>(bar, u"Properties.Position", 0, 99, 15, Interpolation::Exponential, AnimationType::Out);
    progress->OnProcess = nullptr;
    progress->Start();
    EXPECT_EQ(bar->properties.position, 0);  // no delay: the start value at once
    EXPECT_TRUE(clock.Ticking());

    double t = 0;
    auto runTo = [&](double until) {
        clock.Run(until - t);
        t = until;
    };
    // round(99 (1 - 2^(-10 t / 15))) at 10-millisecond ticks.
    for (double sample : {0.5, 3.0, 4.5, 7.0, 10.0}) {
        runTo(sample);
        const int expected = static_cast<int>(std::lround(99 * (1 - std::pow(2, -10 * sample / 15))));
        EXPECT_EQ(bar->properties.position, expected) << sample;
    }
    EXPECT_EQ(bar->properties.position, 98);
    runTo(15);
    EXPECT_EQ(bar->properties.position, 99);
    runTo(15.05);
    EXPECT_FALSE(progress->Running());
    EXPECT_FALSE(clock.Ticking());
    EXPECT_EQ(journal, std::vector<std::string>{"finish "});
    runTo(20);
    EXPECT_EQ(bar->properties.position, 99);

    // The values of the window's progress bar: about 50 after 1.5 s (49.5 exactly), 74 after 3 s, 87 after 4.5 s.
    bar->properties.position = 10;
    progress->Start();
    t = 0;
    runTo(1.5);
    EXPECT_TRUE(bar->properties.position == 49 || bar->properties.position == 50) << bar->properties.position;
    runTo(3);
    EXPECT_EQ(bar->properties.position, 74);
    runTo(4.5);
    EXPECT_EQ(bar->properties.position, 87);
}

TEST_F(AnimationTest, DelayLeavesThePropertyUntilItRunsOut) {
    Control* logo = AddControl(u"Logo", 270, 77);
    auto* rise = Animate<FloatAnimation>(logo, u"Position.Y", 100, 50, 3, Interpolation::Cubic, AnimationType::InOut);
    rise->SetName(u"Rise");
    rise->SetDelay(1);
    rise->Start();
    EXPECT_TRUE(rise->Running());
    clock.Advance(0.5);
    EXPECT_EQ(logo->Y(), 77);
    EXPECT_TRUE(journal.empty());
    clock.Advance(0.5);  // the delay runs out exactly: the start value, at run time 0
    EXPECT_EQ(logo->Y(), 100);
    EXPECT_EQ(rise->CurrentTime(), 0);
    EXPECT_EQ(journal, std::vector<std::string>{"process Rise"});
    clock.Advance(1.5);  // half-way: cubic in-out gives 0.5
    EXPECT_EQ(logo->Y(), 75);
    clock.Advance(2);
    EXPECT_EQ(logo->Y(), 50);
    EXPECT_FALSE(rise->Running());
    EXPECT_EQ(journal, (std::vector<std::string>{"process Rise", "process Rise", "process Rise", "finish Rise"}));
}

TEST_F(AnimationTest, ATickPastTheEndOfTheDelayCarriesTheRestIntoTheRun) {
    const struct {
        const char* what;
        bool inverse;
        double tick;         // one tick after the start, the delay being 1 s
        double runTime;      // the run time it leaves
        bool running;
    } cases[] = {
        {"just past", false, 1.25, 0.25, true},
        {"past half the run", false, 2.5, 1.5, true},
        {"past the end", false, 5, 3, false},
        {"inverted, just past", true, 1.25, 2.75, true},
        {"inverted, past the end", true, 5, 0, false},
    };
    char16_t suffix = u'A';
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Control* logo = AddControl(std::u16string(u"Logo") + suffix++, 270, 77);
        auto* rise = Animate<FloatAnimation>(logo, u"Position.Y", 100, 50, 3, Interpolation::Linear, AnimationType::In);
        rise->SetInverse(c.inverse);
        rise->SetDelay(1);
        rise->Start();
        clock.Advance(c.tick);
        EXPECT_DOUBLE_EQ(rise->CurrentTime(), c.runTime);
        EXPECT_FLOAT_EQ(logo->Y(), static_cast<float>(100 - 50 * c.runTime / 3));
        EXPECT_EQ(rise->Running(), c.running);
        rise->Stop();
    }
}

TEST_F(AnimationTest, InverseRunsFromTheStopValueBackAlongTheCurve) {
    Control* panel = AddControl(u"Panel", 0, 295);
    auto* slide = Animate<FloatAnimation>(panel, u"Position.Y", 368, 295, 1, Interpolation::Cubic, AnimationType::In);
    slide->SetInverse(true);
    slide->Start();
    EXPECT_EQ(panel->Y(), 295);
    clock.Advance(0.5);
    EXPECT_EQ(panel->Y(), 358.875f);  // 368 - 73 x 0.5^3: fast at first
    clock.Advance(0.5);
    EXPECT_EQ(panel->Y(), 368);
    EXPECT_FALSE(slide->Running());
}

TEST_F(AnimationTest, StopJumpsToTheFinalValueSoTheNextRunStartsFromThere) {
    // The custom-install switch turned on and off within the slide's second.
    Control* panel = AddControl(u"Panel", 0, 368);
    auto* slide = Animate<FloatAnimation>(panel, u"Position.Y", 368, 295, 1, Interpolation::Cubic, AnimationType::Out);
    slide->SetName(u"AniY");
    slide->Start();
    clock.Advance(0.3);
    EXPECT_GT(panel->Y(), 295);
    journal.clear();
    slide->Stop();
    EXPECT_EQ(panel->Y(), 295);
    EXPECT_EQ(journal, (std::vector<std::string>{"process AniY", "finish AniY"}));
    slide->Stop();  // not running: nothing
    EXPECT_EQ(journal.size(), 2u);

    slide->SetAnimationType(AnimationType::In);
    slide->SetInverse(true);
    slide->Start();
    EXPECT_EQ(panel->Y(), 295);
    clock.Advance(0.25);
    slide->Stop();  // inverted: the final value is the start value
    EXPECT_EQ(panel->Y(), 368);

    // Stopping during the delay also jumps to the end.
    slide->SetInverse(false);
    slide->SetDelay(5);
    slide->Start();
    slide->Stop();
    EXPECT_EQ(panel->Y(), 295);
}

TEST_F(AnimationTest, EnablingStartsDisablingStopsAndToggledRestarts) {
    Control* brand = AddControl(u"Brand", 170, 223);
    auto* fade = Animate<FloatAnimation>(brand, u"Opacity", 0, 1, 1);
    fade->SetDelay(3);
    fade->SetEnabled(true);
    EXPECT_TRUE(fade->Running());
    clock.Advance(3);
    clock.Advance(0.5);
    EXPECT_FLOAT_EQ(brand->Opacity(), 0.5f);

    // What update mode does: disable (jumps to the end), shorten, enable (starts again at once).
    fade->SetEnabled(false);
    EXPECT_FALSE(fade->Running());
    EXPECT_EQ(brand->Opacity(), 1);
    fade->SetDelay(0);
    fade->SetDuration(2);
    fade->SetEnabled(true);
    EXPECT_EQ(brand->Opacity(), 0);
    clock.Advance(2);
    EXPECT_EQ(brand->Opacity(), 1);
    EXPECT_FALSE(fade->Running());
    EXPECT_TRUE(fade->Enabled());
    fade->SetEnabled(true);  // still enabled after finishing: no restart
    EXPECT_EQ(brand->Opacity(), 1);
}

TEST_F(AnimationTest, TheAnimationAttachedFirstDecidesASharedProperty) {
    // Update mode starts the logo's rise before its slide's vertical part; both drive Position.Y.
    Control* logo = AddControl(u"Logo", 270, 100);
    auto* rise = Animate<FloatAnimation>(logo, u"Position.Y", 100, 50, 2, Interpolation::Cubic, AnimationType::InOut);
    auto* drop = Animate<FloatAnimation>(logo, u"Position.Y", 50, 90, 2, Interpolation::Cubic, AnimationType::InOut);
    auto* right = Animate<FloatAnimation>(logo, u"Position.X", 270, 450, 2, Interpolation::Cubic, AnimationType::InOut);
    rise->Start();
    drop->Start();
    right->Start();
    clock.Advance(0.5);
    EXPECT_EQ(logo->Y(), 100 - 50 * Ease(Interpolation::Cubic, AnimationType::InOut, 0.25f));
    clock.Advance(1.5);
    EXPECT_EQ(logo->Position().Point(), (PointF{450, 50}));
    EXPECT_EQ(SharedAnimationTimer().Count(), 0u);

    // Started the other way round, the other one decides.
    drop->Start();
    rise->Start();
    clock.Advance(0.5);
    EXPECT_EQ(logo->Y(), 50 + 40 * Ease(Interpolation::Cubic, AnimationType::InOut, 0.25f));
    clock.Advance(1.5);
    EXPECT_EQ(logo->Y(), 90);
}

TEST_F(AnimationTest, InvisibleParentsKeepAnimationsFromRunning) {
    Control* label = AddControl(u"Label", 0, 0);
    auto* fade = Animate<FloatAnimation>(label, u"Opacity", 0, 1, 1);
    fade->SetName(u"Fade");
    label->SetVisible(false);
    label->SetOpacity(0.3f);
    fade->Start();
    EXPECT_FALSE(fade->Running());
    EXPECT_FLOAT_EQ(label->Opacity(), 0.3f);

    label->SetVisible(true);
    fade->Start();
    clock.Advance(0.25);
    label->SetVisible(false);
    clock.Advance(0.01);  // stopped on the next tick: the final value
    EXPECT_FALSE(fade->Running());
    EXPECT_EQ(label->Opacity(), 1);
    EXPECT_EQ(journal.back(), "finish Fade");
}

TEST_F(AnimationTest, ATooShortDurationAppliesTheFinalValueAtOnce) {
    Control* panel = AddControl(u"Panel", 0, 0);
    auto* jump = Animate<FloatAnimation>(panel, u"Position.X", 10, 20, 0.0005);
    jump->SetName(u"Jump");
    jump->SetDelay(1);
    jump->Start();
    EXPECT_EQ(panel->X(), 20);
    EXPECT_FALSE(jump->Running());
    EXPECT_FALSE(clock.Ticking());
    EXPECT_EQ(jump->Duration(), 0.0005);
    EXPECT_EQ(journal, (std::vector<std::string>{"process Jump", "finish Jump"}));
    jump->SetInverse(true);
    jump->Start();
    EXPECT_EQ(panel->X(), 10);
}

TEST_F(AnimationTest, FailuresOfOneAnimationLeaveTheOthersRunning) {
    Control* a = AddControl(u"A", 0, 0);
    auto* broken = Animate<FloatAnimation>(a, u"Position.Nowhere", 0, 1, 1);
    auto* throwing = Animate<FloatAnimation>(a, u"Opacity", 0, 1, 1);
    throwing->OnProcess = [](Object*) { throw std::runtime_error("handler failed"); };
    auto* healthy = Animate<FloatAnimation>(a, u"Position.X", 0, 100, 1);
    auto* wrongKind = Animate<FloatAnimation>(a, u"Name", 0, 1, 1);
    broken->Start();
    EXPECT_THROW(throwing->Start(), std::runtime_error);  // a handler's failure reaches whoever started it
    EXPECT_TRUE(throwing->Running());
    healthy->Start();
    wrongKind->Start();
    clock.Advance(0.5);  // on the timer, the failure is logged and the others go on
    EXPECT_EQ(a->X(), 50);
    EXPECT_EQ(a->Opacity(), 0.5f);
    clock.Advance(0.5);
    EXPECT_EQ(a->X(), 100);
    EXPECT_EQ(a->Opacity(), 1);
    EXPECT_FALSE(broken->Running());
    EXPECT_FALSE(clock.Ticking());

    // An animation freed while running leaves the timer.
    healthy->Start();
    form.FreeComponent(healthy);
    EXPECT_EQ(SharedAnimationTimer().Count(), 0u);
    EXPECT_FALSE(clock.Ticking());
}

// The installer's intro timeline on stand-in controls, as a stored layout would give it.
constexpr const char* kIntroLayout = R"(object Main: TSampleForm
  ClientWidth = 656
  ClientHeight = 376
  object BgImage: TControl
    Position.X = 8
    Position.Y = 8
    Width = 640
    Height = 360
    ClipChildren = True
    object BrandImage: TControl
      Position.X = 170
      Position.Y = 223
      Opacity = 0
      HitTest = False
      object Ani1O: TFloatAnimation
        Duration = 1
        Delay = 3
        Enabled = True
        PropertyName = 'Opacity'
        StopValue = 1
      end
      object Ani2X: TFloatAnimation
        Duration = 2
        Delay = 4.5
        Enabled = True
        PropertyName = 'Position.X'
        StartValue = 170
        StopValue = 50
        Interpolation = Cubic
        AnimationType = InOut
      end
      object Ani2Y: TFloatAnimation
        Duration = 2
        Delay = 4.5
        Enabled = True
        PropertyName = 'Position.Y'
        StartValue = 223
        StopValue = 70
        Interpolation = Cubic
        AnimationType = InOut
      end
    end
    object IconImage: TControl
      Position.X = 270
      Position.Y = 100
      object Ani1Y: TFloatAnimation
        Duration = 3
        Delay = 1
        Enabled = True
        PropertyName = 'Position.Y'
        StartValue = 100
        StopValue = 50
        Interpolation = Cubic
        AnimationType = InOut
        OnProcess = ItemChange
      end
      object Ani3X: TFloatAnimation
        Duration = 2
        Delay = 4.5
        Enabled = True
        PropertyName = 'Position.X'
        StartValue = 270
        StopValue = 450
        Interpolation = Cubic
        AnimationType = InOut
      end
      object Ani3Y: TFloatAnimation
        Duration = 2
        Delay = 4.5
        Enabled = True
        PropertyName = 'Position.Y'
        StartValue = 50
        StopValue = 90
        Interpolation = Cubic
        AnimationType = InOut
      end
    end
    object MainPanel: TControl
      Position.Y = 368
      object AniY: TFloatAnimation
        Duration = 1
        PropertyName = 'Miscellaneous.Position.Y'
        StartValue = 368
        StopValue = 295
        Interpolation = Cubic
        AnimationType = Out
      end
    end
    object ControlPanel: TControl
      Position.Y = 20
      Opacity = 0
      object Ani4Y: TFloatAnimation
        Duration = 1
        Delay = 6
        Enabled = True
        PropertyName = 'Position.Y'
        StartValue = 20
        Interpolation = Cubic
        AnimationType = Out
      end
      object Ani4O: TFloatAnimation
        Duration = 1
        Delay = 6
        Enabled = True
        PropertyName = 'Opacity'
        StopValue = 1
      end
    end
  end
end
)";

TEST_F(AnimationTest, IntroTimelineFromALayoutEndsWhereTheWindowExpects) {
    const ClassRegistry registry = testing::SampleRegistry();
    testing::SampleForm main;
    ReadLayout(kIntroLayout, main, registry);
    auto control = [&](const char16_t* name) { return static_cast<Control*>(main.FindComponent(name)); };
    auto animation = [&](const char16_t* name) { return static_cast<Animation*>(main.FindComponent(name)); };
    EXPECT_EQ(SharedAnimationTimer().Count(), 8u);  // every enabled one started once loaded
    EXPECT_FALSE(animation(u"AniY")->Running());

    clock.Run(0.9);
    EXPECT_TRUE(main.calls.empty());  // the rise's per-frame handler waits for its delay
    clock.Run(1.6);                   // the logo is rising, nothing else moves yet
    EXPECT_LT(control(u"IconImage")->Y(), 100);
    EXPECT_GT(control(u"IconImage")->Y(), 50);
    EXPECT_EQ(control(u"BrandImage")->Opacity(), 0);
    ASSERT_GT(main.calls.size(), 100u);
    EXPECT_EQ(main.calls.back(), u"ItemChange Ani1Y");
    clock.Run(5);
    EXPECT_EQ(control(u"IconImage")->Position().Point(), (PointF{450, 90}));
    EXPECT_EQ(control(u"BrandImage")->Position().Point(), (PointF{50, 70}));
    EXPECT_EQ(control(u"BrandImage")->Opacity(), 1);
    EXPECT_EQ(control(u"ControlPanel")->Position().Point(), (PointF{0, 0}));
    EXPECT_EQ(control(u"ControlPanel")->Opacity(), 1);
    EXPECT_EQ(SharedAnimationTimer().Count(), 0u);

    // The switch's slide acts on MainPanel through the path "Miscellaneous.Position.Y".
    animation(u"AniY")->Start();
    clock.Run(1.05);
    EXPECT_EQ(control(u"MainPanel")->Y(), 295);

    // Update mode: each intro animation disabled, given no delay and 2 seconds, enabled again.
    for (const char16_t* name : {u"Ani1O", u"Ani2X", u"Ani2Y", u"Ani1Y", u"Ani3X", u"Ani3Y", u"Ani4O", u"Ani4Y"}) {
        Animation* a = animation(name);
        a->SetEnabled(false);
        a->SetDelay(0);
        a->SetDuration(2);
        a->SetEnabled(true);
    }
    clock.Run(2.05);
    EXPECT_EQ(control(u"IconImage")->Position().Point(), (PointF{450, 50}));
    EXPECT_EQ(control(u"BrandImage")->Position().Point(), (PointF{50, 70}));
    EXPECT_EQ(SharedAnimationTimer().Count(), 0u);
    main.DestroyComponents();
}

// The window's first frame can take seconds on a busy machine, and the animations wait for it: the first tick then
// reports all that time at once. The intro still ends as its timeline says, the logo at 450, 90 (the rise, whose
// delay ran out long before that tick, must not end after the move that follows it).
TEST_F(AnimationTest, AFirstTickSecondsLateLeavesTheIntroWhereItsTimelineEnds) {
    const ClassRegistry registry = testing::SampleRegistry();
    for (double firstTick : {0.5, 2.0, 3.6, 4.4}) {
        SCOPED_TRACE(firstTick);
        testing::SampleForm main;
        ReadLayout(kIntroLayout, main, registry);
        auto control = [&](const char16_t* name) { return static_cast<Control*>(main.FindComponent(name)); };
        clock.Advance(firstTick);
        clock.Run(7.5 - firstTick);
        EXPECT_EQ(control(u"IconImage")->Position().Point(), (PointF{450, 90}));
        EXPECT_EQ(control(u"BrandImage")->Position().Point(), (PointF{50, 70}));
        EXPECT_EQ(control(u"ControlPanel")->Position().Point(), (PointF{0, 0}));
        EXPECT_EQ(SharedAnimationTimer().Count(), 0u);
        main.DestroyComponents();
    }
}

}  // namespace
}  // namespace ui
