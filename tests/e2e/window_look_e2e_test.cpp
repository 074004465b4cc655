// The installer's window as a person sees it after the intro: the skinned buttons and the switch at rest, under
// the pointer and held, pressed with real X input and looked at in screenshots; and at twice the scale, the small
// pictures drawn from artwork of the screen's resolution. A held button is released away from it, so nothing
// installs and the process stays.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "tests/e2e/setup_e2e_fixture.h"

namespace e2e {
namespace {

// How a region's colour is read.
enum class Measure {
    Mean,          // a solid region: its mean colour
    SecondColour,  // text over a solid fill: the most frequent colour after the fill's
    Bare,          // every pixel of the region shows the colour: no text or picture reaches into it
    Ink            // something is drawn over the fill colour: a pixel far from it
};

// What a colour with alpha shows over an opaque one.
Rgb Over(uint32_t top, uint32_t backdrop) {
    const double alpha = (top >> 24) / 255.0;
    const auto channel = [&](int shift) {
        const double over = (top >> shift) & 0xFF;
        const double under = (backdrop >> shift) & 0xFF;
        return static_cast<int>(std::lround(alpha * over + (1 - alpha) * under));
    };
    return {channel(16), channel(8), channel(0)};
}

// The drawing is exact in these solid regions; the tolerance only absorbs rounding.
constexpr int kTolerance = 3;

::testing::AssertionResult ShowsColour(const Rgb& measured, const Rgb& expected) {
    if (std::abs(measured.r - expected.r) <= kTolerance && std::abs(measured.g - expected.g) <= kTolerance &&
        std::abs(measured.b - expected.b) <= kTolerance) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "shows " << measured.r << "," << measured.g << "," << measured.b
                                         << " instead of " << expected.r << "," << expected.g << "," << expected.b;
}

// Places on the background where the pointer goes: away from the window, and onto bare background where a held
// button is released (above the folder chooser, left of the intro text).
constexpr BgPoint kReleasePoint{20, 200};

// Regions of the controls after the intro (the folder chooser's once it has slid up), clear of captions, icons
// and knob. Borders are one pixel wide along the straight edges.
constexpr uint32_t kInstallRest = 0xFF0092CA;
constexpr uint32_t kInstallHeld = 0xFF0077A6;
constexpr int kInstallFill[] = {125, 238, 12, 8};
constexpr int kInstallBorderTop[] = {130, 233, 140, 1};
constexpr int kInstallBorderLeft[] = {120, 240, 1, 36};
constexpr int kInstallCaption[] = {140, 243, 120, 30};
constexpr int kCloseLeft[] = {601, 18, 5, 12};
constexpr int kCloseTop[] = {611, 10, 10, 5};
constexpr int kSwitchTrackRight[] = {432, 266, 14, 9};  // beside the knob when off
constexpr int kSwitchTrackLeft[] = {412, 266, 14, 9};   // beside the knob when on
constexpr int kSwitchBorderTop[] = {421, 258, 22, 1};
constexpr int kSwitchBorderBottom[] = {421, 282, 22, 1};
constexpr int kBrowseFillLeft[] = {579, 318, 3, 20};
constexpr int kBrowseFillTop[] = {585, 313, 16, 3};
constexpr int kBrowseBorderLeft[] = {577, 318, 1, 20};
constexpr int kBrowseBorderTop[] = {583, 311, 20, 1};

// The switch (after the intro) and its knob: 25 pixels square, its picture inset by 15 % of that.
constexpr int kSwitchLeft = 407;
constexpr int kSwitchTop = 258;
constexpr double kKnobSize = 25;
constexpr double kKnobInset = 3.75;
constexpr double kKnobPicture = 17.5;
constexpr double kKnobOff = kSwitchLeft;
constexpr double kKnobOn = kSwitchLeft + 50 - kKnobSize;
// Where the knob stands when dropped with the pointer over the switch's middle: its middle there.
constexpr double kKnobHalfway = kSwitchLeft + 25 - kKnobSize / 2;
constexpr BgPoint kKnobOffMiddle{419, 270};
constexpr BgPoint kKnobOnMiddle{444, 270};
constexpr BgPoint kSwitchMiddle{432, 270};
constexpr int kSwitchTrackBesideHalfway[] = {446, 266, 8, 9};

// The folder chooser's combo box once it has slid up (face at 105, 313, 464 x 30): a region of bare fill right
// of the text and left of the arrow, the arrow's place (8 pixels inside the right, top and bottom edges), and
// columns left of the text's 8-pixel inset and just inside it.
constexpr int kComboFill[] = {470, 317, 60, 22};
constexpr int kComboArrow[] = {547, 321, 14, 14};
constexpr int kComboBeforeInset[] = {107, 318, 6, 20};
constexpr int kComboAfterInset[] = {113, 318, 4, 20};
constexpr BgPoint kComboFace{300, 328};

// The progress bar along the bottom edge (1 pixel inside it, 638 x 4): inside the run of its foreground, the
// run's end before the position it stops at (99 of 100: 632.6), just past that position, and its left end's
// columns that a stretched end would draw differently.
constexpr int kBarLeft = 1;
constexpr int kBarTop = 355;
constexpr int kBarFilled[] = {300, 355, 40, 4};
constexpr int kBarFilledEnd[] = {622, 355, 8, 4};
constexpr int kBarPastPosition[] = {634, 355, 2, 2};
constexpr int kBarLeftEnd[] = {3, 355, 6, 4};

// A region of the window's background (BgImage coordinates) and the colour it should show.
struct Sample {
    const char* what;
    int x, y, width, height;
    Rgb colour;
    Measure measure;
};

// A solid region in an opaque colour (ARGB).
Sample Fill(const char* what, const int (&region)[4], uint32_t colour) {
    return {what, region[0], region[1], region[2], region[3], Over(colour, 0xFF000000), Measure::Mean};
}
// Text over a fill, showing the colour given where its strokes cover whole pixels.
Sample Text(const char* what, const int (&region)[4], Rgb shown) {
    return {what, region[0], region[1], region[2], region[3], shown, Measure::SecondColour};
}
// Only the fill, nothing drawn over it; and something drawn over the fill.
Sample Bare(const char* what, const int (&region)[4], uint32_t fill) {
    return {what, region[0], region[1], region[2], region[3], Over(fill, 0xFF000000), Measure::Bare};
}
Sample Ink(const char* what, const int (&region)[4], uint32_t fill) {
    return {what, region[0], region[1], region[2], region[3], Over(fill, 0xFF000000), Measure::Ink};
}

// The largest channel difference between two colours.
int Distance(const Rgb& a, const Rgb& b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

// How far a drawn pixel is at least from the fill it is drawn on, for Measure::Ink.
constexpr int kInkDistance = 60;

// An opaque colour as ImageMagick reads it ("#RRGGBB").
std::string ColourName(const Rgb& colour) {
    char text[16];
    std::snprintf(text, sizeof(text), "#%02X%02X%02X", colour.r & 0xFF, colour.g & 0xFF, colour.b & 0xFF);
    return text;
}

class WindowLookTest : public SetupEndToEndTest {
protected:
    // Checks each sample of the window in screenshots named after the state: a busy machine may take a moment to
    // draw the new state, so the screen is captured again, a few times, until every sample shows its colour.
    void ExpectLook(const SetupWindow& window, const std::string& name, std::initializer_list<Sample> samples) {
        ExpectLookAt(window.ScreenX(0), window.ScreenY(0), name, samples);
    }

    // The same for samples whose regions are given from a screen point (the top left of a window of their own).
    void ExpectLookAt(int originX, int originY, const std::string& name, std::initializer_list<Sample> samples) {
        SCOPED_TRACE(name);
        std::vector<std::string> mismatches;
        for (int attempt = 0; attempt < 8; ++attempt) {
            if (attempt > 0) Sleep(250);
            const std::string shot = CaptureScreen("look-" + name);
            ASSERT_FALSE(shot.empty()) << "no screenshot";
            mismatches.clear();
            for (const Sample& s : samples) {
                if (const std::string mismatch = Mismatch(shot, originX + s.x, originY + s.y, s); !mismatch.empty()) {
                    mismatches.push_back(std::string(s.what) + ": " + mismatch);
                }
            }
            if (mismatches.empty()) return;
        }
        for (const std::string& mismatch : mismatches) ADD_FAILURE() << mismatch;
    }

    // What the sample's region at the screen point shows instead of what it should; empty when it shows that.
    static std::string Mismatch(const std::string& shot, int x, int y, const Sample& s) {
        if (s.measure == Measure::Mean) {
            const ::testing::AssertionResult shows = ShowsColour(MeanColour(shot, x, y, s.width, s.height), s.colour);
            return shows ? std::string() : shows.message();
        }
        const std::vector<ColourCount> colours = ColoursByCount(shot, x, y, s.width, s.height);
        if (colours.empty()) return "not measured";
        if (s.measure == Measure::SecondColour) {
            const ::testing::AssertionResult shows =
                ShowsColour(colours.size() >= 2 ? colours[1].colour : Rgb{}, s.colour);
            return shows ? std::string() : shows.message();
        }
        // The pixel farthest from the fill.
        const Rgb farthest = std::max_element(colours.begin(), colours.end(), [&](const auto& a, const auto& b) {
                                 return Distance(a.colour, s.colour) < Distance(b.colour, s.colour);
                             })->colour;
        if (s.measure == Measure::Bare) {
            const ::testing::AssertionResult shows = ShowsColour(farthest, s.colour);
            return shows ? std::string() : "a pixel " + std::string(shows.message());
        }
        if (Distance(farthest, s.colour) > kInkDistance) return {};
        return "nothing drawn over the fill";
    }

    // Whether each region shows the window's background picture as it is after the intro: no control over it.
    static bool ShowsBackground(const SetupWindow& window, const std::string& shot,
                                std::initializer_list<const int*> regions) {
        for (const int* region : regions) {
            if (RegionDifference(shot, window.ScreenX(region[0]), window.ScreenY(region[1]), region[2], region[3],
                                 expected1x_, region[0], region[1]) >= 0.03) {
                return false;
            }
        }
        return true;
    }

    // The close button draws nothing of its own at rest: the background picture shows through around the icon.
    void ExpectBareCloseButton(const SetupWindow& window, const std::string& name) {
        SCOPED_TRACE(name);
        bool shown = false;
        for (int attempt = 0; attempt < 8 && !shown; ++attempt) {
            if (attempt > 0) Sleep(250);
            shown = ShowsBackground(window, CaptureScreen("look-" + name), {kCloseLeft, kCloseTop});
        }
        EXPECT_TRUE(shown) << "a background behind the close button";
    }

    // How far (0 to 1) a region of a screenshot (background coordinates) is from a picture drawn there as the
    // window draws it: the picture file scaled to width x height and laid at left, top (fractions of a pixel
    // allowed) over the backdrop, an image of the background's size or a colour ("#2F2F2F").
    static double DifferenceToPicture(const SetupWindow& window, const std::string& shot, const int (&region)[4],
                                      const std::string& backdrop, const std::string& picture, double left,
                                      double top, double width, double height, const std::string& name) {
        char placement[96];
        std::snprintf(placement, sizeof(placement), "%gx%g%+g%+g", width, height, left - region[0], top - region[1]);
        const std::string area = std::to_string(region[2]) + "x" + std::to_string(region[3]) + "+" +
                                 std::to_string(region[0]) + "+" + std::to_string(region[1]);
        const std::string drawn = WorkDirUnix() + "drawn-" + name + ".png";
        if (!RunHost({"picture-on", backdrop, area, picture, placement, drawn}).Ok()) return 1;
        return RegionDifference(shot, window.ScreenX(region[0]), window.ScreenY(region[1]), region[2], region[3],
                                drawn, 0, 0);
    }

    // The switch's knob with its left edge at knobLeft (background coordinates) shows the picture named: of the
    // three knob pictures, drawn over the track's colour beside the knob (measured in the same screenshot), the
    // middle of the knob is nearest to that one. Looked at again, a few times, until it shows it.
    void ExpectKnob(const SetupWindow& window, const std::string& name, double knobLeft, const char* picture,
                    const int (&track)[4]) {
        SCOPED_TRACE(name);
        const std::string art = VELNIX_ARTWORK_DIR "/";
        const int region[4] = {static_cast<int>(std::floor(knobLeft + kKnobSize / 2 - 7)), kSwitchTop + 5, 14, 14};
        std::string report;
        for (int attempt = 0; attempt < 6; ++attempt) {
            if (attempt > 0) Sleep(250);
            const std::string shot = CaptureScreen("knob-" + name);
            ASSERT_FALSE(shot.empty()) << "no screenshot";
            const std::string backdrop = ColourName(
                MeanColour(shot, window.ScreenX(track[0]), window.ScreenY(track[1]), track[2], track[3]));
            std::string nearest;
            double nearestDifference = 1;
            report.clear();
            for (const char* candidate : {"switchon1", "switchon2", "switchon3"}) {
                const double difference = DifferenceToPicture(
                    window, shot, region, backdrop, art + candidate + ".png", knobLeft + kKnobInset,
                    kSwitchTop + kKnobInset, kKnobPicture, kKnobPicture, name + "-" + candidate);
                report += std::string(" ") + candidate + " " + std::to_string(difference);
                if (difference < nearestDifference) {
                    nearest = candidate;
                    nearestDifference = difference;
                }
            }
            if (nearest == picture && nearestDifference < 0.045) return;
        }
        ADD_FAILURE() << "the knob is not " << picture << " over the track's colour:" << report;
    }
};

TEST_F(WindowLookTest, ButtonsAndTheSwitchShowTheirColoursAtRestUnderThePointerAndHeld) {
    const std::u16string installer = Installer(u"VelnixSetup.exe");
    ChildProcess setup(installer);
    const SetupWindow window = WaitForWindow(L"Install Velnix");
    ASSERT_NE(window.Handle(), nullptr);
    Sleep(kIntroMs);
    const auto pointerAway = [&] { return MovePointer(window.Rect().left - 40, window.Rect().top - 40); };
    const auto pointerTo = [&](BgPoint at) { return MovePointer(window.ScreenX(at.x), window.ScreenY(at.y)); };
    const auto pressAt = [&](BgPoint at) { return PressAt(window.ScreenX(at.x), window.ScreenY(at.y)); };
    const auto releaseOutside = [&] {
        return ReleaseAt(window.ScreenX(kReleasePoint.x), window.ScreenY(kReleasePoint.y));
    };
    // Time for the window to draw the new state (several frames of the 10 ms timer) before the first look.
    const auto settle = [] { Sleep(300); };

    ASSERT_TRUE(pointerAway());
    settle();
    ExpectLook(
        window, "rest",
        {Fill("install fill", kInstallFill, 0xFF0092CA), Fill("install border top", kInstallBorderTop, 0xFF0098D4),
         Fill("install border left", kInstallBorderLeft, 0xFF0098D4),
         Text("install caption", kInstallCaption, Over(0xFFFFFFFF, kInstallRest)),
         Fill("switch track", kSwitchTrackRight, 0xFF1D1D1D), Fill("switch border top", kSwitchBorderTop, 0xFF999999),
         Fill("switch border bottom", kSwitchBorderBottom, 0xFF999999)});
    ExpectBareCloseButton(window, "close-rest");

    // The install button under the pointer, then held; released outside it.
    ASSERT_TRUE(pointerTo(kInstallButton));
    settle();
    ExpectLook(
        window, "install-hover",
        {Fill("install fill", kInstallFill, 0xFF0089BF), Fill("install border top", kInstallBorderTop, 0xFF0090C9),
         Fill("install border left", kInstallBorderLeft, 0xFF0090C9),
         Text("install caption", kInstallCaption, Over(0xFFFFFFFF, kInstallRest))});
    ASSERT_TRUE(pressAt(kInstallButton));
    settle();
    ExpectLook(
        window, "install-held",
        {Fill("install fill", kInstallFill, 0xFF0077A6), Fill("install border top", kInstallBorderTop, 0xFF0077A6),
         Fill("install border left", kInstallBorderLeft, 0xFF0077A6),
         Text("install caption", kInstallCaption, Over(0xCEFFFFFF, kInstallHeld))});
    ASSERT_TRUE(releaseOutside());
    ASSERT_TRUE(pointerAway());
    settle();
    ExpectLook(
        window, "install-released",
        {Fill("install fill", kInstallFill, 0xFF0092CA), Fill("install border top", kInstallBorderTop, 0xFF0098D4)});

    // The close button's grey only under the pointer and while held; released outside, the process stays.
    ASSERT_TRUE(pointerTo(kCloseButton));
    settle();
    ExpectLook(window, "close-hover",
               {Fill("close left", kCloseLeft, 0xFFC5C5C5), Fill("close top", kCloseTop, 0xFFC5C5C5)});
    ASSERT_TRUE(pressAt(kCloseButton));
    settle();
    ExpectLook(window, "close-held",
               {Fill("close left", kCloseLeft, 0xFFC0C0C0), Fill("close top", kCloseTop, 0xFFC0C0C0)});
    ASSERT_TRUE(releaseOutside());
    ASSERT_TRUE(pointerAway());
    settle();
    ExpectBareCloseButton(window, "close-released");
    ASSERT_TRUE(setup.Running()) << "the close button acted on a release outside it";

    // The switch: off under the pointer, then on after a click (the pushed colours also while hovered).
    ASSERT_TRUE(pointerTo(kCustomInstallSwitch));
    settle();
    ExpectLook(
        window, "switch-hover",
        {Fill("switch track", kSwitchTrackRight, 0xFF2A2A2A), Fill("switch border top", kSwitchBorderTop, 0xFF9B9B9B),
         Fill("switch border bottom", kSwitchBorderBottom, 0xFF9B9B9B)});
    ASSERT_TRUE(window.Click(kCustomInstallSwitch));
    settle();
    ExpectLook(
        window, "switch-on-hover",
        {Fill("switch track", kSwitchTrackLeft, 0xFF0092CA), Fill("switch border top", kSwitchBorderTop, 0xFF0098D4),
         Fill("switch border bottom", kSwitchBorderBottom, 0xFF0098D4)});
    ASSERT_TRUE(pointerAway());
    Sleep(1000);  // the folder chooser slides up
    ExpectLook(
        window, "switch-on",
        {Fill("switch track", kSwitchTrackLeft, 0xFF0092CA), Fill("switch border top", kSwitchBorderTop, 0xFF0098D4),
         Fill("browse fill left", kBrowseFillLeft, 0xFF2F2F2F), Fill("browse fill top", kBrowseFillTop, 0xFF2F2F2F),
         Fill("browse border left", kBrowseBorderLeft, 0xFF383838),
         Fill("browse border top", kBrowseBorderTop, 0xFF383838)});

    // The browse button under the pointer, then held; released outside, no folder picker opens.
    ASSERT_TRUE(pointerTo(kBrowseButton));
    settle();
    ExpectLook(
        window, "browse-hover",
        {Fill("browse fill left", kBrowseFillLeft, 0xFF353535), Fill("browse fill top", kBrowseFillTop, 0xFF353535),
         Fill("browse border left", kBrowseBorderLeft, 0xFF383838),
         Fill("browse border top", kBrowseBorderTop, 0xFF383838)});
    ASSERT_TRUE(pressAt(kBrowseButton));
    settle();
    ExpectLook(
        window, "browse-held",
        {Fill("browse fill left", kBrowseFillLeft, 0xFF272727), Fill("browse fill top", kBrowseFillTop, 0xFF272727),
         Fill("browse border left", kBrowseBorderLeft, 0xFF303030),
         Fill("browse border top", kBrowseBorderTop, 0xFF303030)});
    ASSERT_TRUE(releaseOutside());
    ASSERT_TRUE(pointerAway());
    settle();
    ExpectLook(window, "browse-released", {Fill("browse fill left", kBrowseFillLeft, 0xFF2F2F2F)});

    // None of the releases outside acted: no folder picker, no installation, the installer still runs.
    Sleep(1000);
    EXPECT_EQ(FindWindowW(nullptr, L"Select Folder of Installtion"), nullptr) << "the browse button acted";
    EXPECT_TRUE(setup.Running());
    EXPECT_FALSE(services().Files.DirectoryExists(DefaultFolder())) << "the install button acted";
    EXPECT_FALSE(services().Registry.OpenKey(app::kUninstallKey, app::KeyAccess::ReadOnly));
}

TEST_F(WindowLookTest, TheSwitchKnobShowsItsPictureForEachStateAndStaysWhereItIsDropped) {
    const std::u16string installer = Installer(u"VelnixSetup.exe");
    ChildProcess setup(installer);
    const SetupWindow window = WaitForWindow(L"Install Velnix");
    ASSERT_NE(window.Handle(), nullptr);
    Sleep(kIntroMs);
    const auto pointerAway = [&] { return MovePointer(window.Rect().left - 40, window.Rect().top - 40); };
    const auto pointerTo = [&](BgPoint at) { return MovePointer(window.ScreenX(at.x), window.ScreenY(at.y)); };
    const auto settle = [] { Sleep(300); };

    // The knob's picture follows the pointer on the knob (not on the rest of the track): at rest, under the
    // pointer, held; a press released outside leaves the switch off; a click turns it on, the knob under the
    // pointer at its new place.
    const struct {
        const char* name;
        std::function<bool()> act;
        double knobLeft;
        const char* picture;
        const int (*track)[4];  // the track beside the knob
        uint32_t trackColour;   // 0: not looked at
    } states[] = {
        {"off", pointerAway, kKnobOff, "switchon1", &kSwitchTrackRight, 0xFF1D1D1D},
        {"off-hovered", [&] { return pointerTo(kKnobOffMiddle); }, kKnobOff, "switchon2", &kSwitchTrackRight,
         0xFF2A2A2A},
        {"off-held", [&] { return PressAt(window.ScreenX(kKnobOffMiddle.x), window.ScreenY(kKnobOffMiddle.y)); },
         kKnobOff, "switchon3", &kSwitchTrackRight, 0},
        {"released-outside",
         [&] {
             return ReleaseAt(window.ScreenX(kReleasePoint.x), window.ScreenY(kReleasePoint.y)) && pointerAway();
         },
         kKnobOff, "switchon1", &kSwitchTrackRight, 0xFF1D1D1D},
        // The knob slides under the pointer; the next move of the pointer finds it there.
        {"on-hovered", [&] { return window.Click(kCustomInstallSwitch) && pointerTo({kSwitchMiddle.x + 4, 272}); },
         kKnobOn, "switchon2", &kSwitchTrackLeft, 0xFF0092CA},
        {"on", pointerAway, kKnobOn, "switchon1", &kSwitchTrackLeft, 0xFF0092CA},
    };
    for (const auto& state : states) {
        SCOPED_TRACE(state.name);
        ASSERT_TRUE(state.act());
        settle();
        if (state.trackColour != 0) {
            ExpectLook(window, std::string("switch-") + state.name, {Fill("track", *state.track, state.trackColour)});
        }
        ExpectKnob(window, state.name, state.knobLeft, state.picture, *state.track);
    }
    Sleep(1000);  // the folder chooser slides up
    {
        const std::string shot = CaptureWhenStill(window, "switch-on-chooser");
        ASSERT_FALSE(shot.empty());
        ASSERT_FALSE(ShowsBackground(window, shot, {kBrowseFillLeft, kComboFill})) << "no folder chooser";
    }

    // The knob dragged from on to the switch's middle and moved back and forth there, held all the while: the
    // switch turned off with the first move and reports a change with every further one. The folder chooser
    // slides down once and is gone a moment later; a slide started again on each change would keep it on view.
    ASSERT_TRUE(PressAt(window.ScreenX(kKnobOnMiddle.x), window.ScreenY(kKnobOnMiddle.y)));
    const auto moveAround = [&](int ms) {
        const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(ms);
        bool moved = true;
        for (int i = 0; GetTickCount64() < end; ++i) moved = pointerTo({428 + 4 * (i % 3), 270}) && moved;
        return pointerTo(kSwitchMiddle) && moved;
    };
    bool chooserGone = false;
    for (int attempt = 0; attempt < 4 && !chooserGone; ++attempt) {
        ASSERT_TRUE(moveAround(attempt == 0 ? 2500 : 1000));
        chooserGone = ShowsBackground(window, CaptureScreen("switch-dragged"), {kBrowseFillLeft, kComboFill});
    }
    EXPECT_TRUE(chooserGone) << "the folder chooser stays on view while the knob is dragged";
    ExpectKnob(window, "dragged-held", kKnobHalfway, "switchon3", kSwitchTrackBesideHalfway);

    // Dropped there, the knob stays in the middle (no snapping to an end), the switch off and the chooser down.
    ASSERT_TRUE(ReleaseAt(window.ScreenX(kSwitchMiddle.x), window.ScreenY(kSwitchMiddle.y)));
    settle();
    ExpectKnob(window, "dropped-hovered", kKnobHalfway, "switchon2", kSwitchTrackBesideHalfway);
    ASSERT_TRUE(pointerAway());
    settle();
    ExpectLook(window, "switch-dropped", {Fill("track", kSwitchTrackBesideHalfway, 0xFF1D1D1D)});
    ExpectKnob(window, "dropped", kKnobHalfway, "switchon1", kSwitchTrackBesideHalfway);
    Sleep(1000);
    EXPECT_TRUE(ShowsBackground(window, CaptureScreen("switch-dropped-chooser"), {kBrowseFillLeft, kComboFill}))
        << "the folder chooser came up after the drop";
    EXPECT_TRUE(setup.Running());
}

TEST_F(WindowLookTest, TheComboBoxFaceAndItsDropDownListInTheDarkStyle) {
    const std::u16string installer = Installer(u"VelnixSetup.exe");
    ChildProcess setup(installer);
    const SetupWindow window = WaitForWindow(L"Install Velnix");
    ASSERT_NE(window.Handle(), nullptr);
    Sleep(kIntroMs);
    const auto pointerAway = [&] { return MovePointer(window.Rect().left - 40, window.Rect().top - 40); };
    const auto pointerTo = [&](BgPoint at) { return MovePointer(window.ScreenX(at.x), window.ScreenY(at.y)); };
    const auto settle = [] { Sleep(300); };
    // The custom installation open: the folder chooser slides up.
    ASSERT_TRUE(window.Click(kCustomInstallSwitch));
    ASSERT_TRUE(pointerAway());
    Sleep(1000);
    ASSERT_FALSE(CaptureWhenStill(window, "combo-up").empty());

    // The face at rest and under the pointer: its fill, the selected folder's text 8 pixels in from the left edge
    // and nothing left of it.
    const struct {
        const char* name;
        std::function<bool()> act;
        uint32_t fill;
    } faces[] = {
        {"combo-rest", pointerAway, 0xFF2F2F2F},
        {"combo-hover", [&] { return pointerTo({490, 328}); }, 0xFF353535},
    };
    for (const auto& face : faces) {
        ASSERT_TRUE(face.act());
        settle();
        ExpectLook(window, face.name,
                   {Fill("fill", kComboFill, face.fill), Bare("left of the text", kComboBeforeInset, face.fill),
                    Ink("the text's first columns", kComboAfterInset, face.fill)});
    }

    // The arrow: the "combodropdown" picture fitted into its place, 8 pixels inside the right, top and bottom
    // edges, over the fill at rest.
    ASSERT_TRUE(pointerAway());
    settle();
    {
        const std::string art = VELNIX_ARTWORK_DIR "/";
        double toArrow = 1;
        double toBareFill = 0;
        for (int attempt = 0; attempt < 6 && !(toArrow < 0.03 && toArrow < toBareFill * 0.5); ++attempt) {
            if (attempt > 0) Sleep(250);
            const std::string shot = CaptureScreen("combo-arrow");
            toArrow = DifferenceToPicture(window, shot, kComboArrow, "#2F2F2F", art + "combodropdown.png",
                                          kComboArrow[0], kComboArrow[1], 14, 14, "combo-arrow");
            // The same place with the picture laid outside it: the fill alone.
            toBareFill = DifferenceToPicture(window, shot, kComboArrow, "#2F2F2F", art + "combodropdown.png",
                                             kComboArrow[0] + 100, kComboArrow[1], 14, 14, "combo-no-arrow");
        }
        EXPECT_LT(toArrow, 0.03);
        EXPECT_LT(toArrow, toBareFill * 0.5) << "no arrow drawn (" << toArrow << " against " << toBareFill << ")";
    }

    // A press on the face opens the drop-down list over it, the selected folder's row on the face; the release
    // that follows chooses nothing. The list in the dark style: its border, the highlighted row under the
    // pointer with its text, any further row on the list's background with its text.
    ASSERT_TRUE(PressAt(window.ScreenX(kComboFace.x), window.ScreenY(kComboFace.y)));
    ASSERT_TRUE(ReleaseAt(window.ScreenX(kComboFace.x), window.ScreenY(kComboFace.y)));
    struct Found {
        DWORD process;
        HWND main;
        HWND list = nullptr;
    } found{setup.Id(), window.Handle()};
    const auto findList = [&found] {
        found.list = nullptr;
        EnumWindows(
            [](HWND candidate, LPARAM data) -> BOOL {
                auto* f = reinterpret_cast<Found*>(data);
                DWORD process = 0;
                GetWindowThreadProcessId(candidate, &process);
                RECT r{};
                if (process == f->process && candidate != f->main && IsWindowVisible(candidate) &&
                    GetWindowRect(candidate, &r) && r.right - r.left == 464) {
                    f->list = candidate;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found.list != nullptr;
    };
    ASSERT_TRUE(WaitUntil(findList, 10000)) << "no drop-down list";
    RECT list{};
    ASSERT_TRUE(GetWindowRect(found.list, &list));
    EXPECT_EQ(list.left, window.ScreenX(105)) << "the list is not aligned with the face";
    EXPECT_EQ(list.top, window.ScreenY(312)) << "the selected row does not lie on the face";
    const int rows = (list.bottom - list.top - 2) / 30;
    ASSERT_GE(rows, 1);
    constexpr int kListBorderTop[] = {100, 0, 300, 1};
    constexpr int kListBorderLeft[] = {0, 8, 1, 16};
    constexpr int kRowFill[] = {400, 6, 50, 20};
    constexpr int kRowText[] = {9, 4, 200, 24};
    constexpr int kSecondRowFill[] = {400, 36, 50, 20};
    constexpr int kSecondRowText[] = {9, 34, 60, 24};
    ExpectLookAt(list.left, list.top, "list",
                 {Fill("border top", kListBorderTop, 0xFF3F3F3F), Fill("border left", kListBorderLeft, 0xFF3F3F3F),
                  Fill("highlighted row", kRowFill, 0xFF0092CA),
                  Text("highlighted row's text", kRowText, Over(0xFFFFFFFF, 0xFF0092CA))});
    if (rows >= 2) {
        ExpectLookAt(list.left, list.top, "list-second-row",
                     {Fill("row", kSecondRowFill, 0xFF2B2B2B),
                      Text("row's text", kSecondRowText, Over(0xFFE8E8E8, 0xFF2B2B2B))});
    }

    // Escape closes the list without a choice: the face shows the same folder, at rest once the pointer leaves.
    ASSERT_TRUE(PressKeys({"Escape"}));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(found.list) || !IsWindowVisible(found.list); }, 10000))
        << "the list stayed open";
    ASSERT_TRUE(pointerAway());
    settle();
    ExpectLook(window, "combo-closed",
               {Fill("fill", kComboFill, 0xFF2F2F2F), Bare("left of the text", kComboBeforeInset, 0xFF2F2F2F),
                Ink("the text's first columns", kComboAfterInset, 0xFF2F2F2F)});
    EXPECT_TRUE(setup.Running());
}

TEST_F(WindowLookTest, TheProgressBarRevealsItsForegroundUpToThePositionWithUnstretchedEnds) {
    // An extractor that takes a minute and extracts nothing: the installation stays at work while the bar is
    // looked at.
    const std::string slowExtractor = ReadFile(WindowsPathOfUnix(VELNIX_SLOW_EXTRACTOR_EXE));
    ASSERT_FALSE(slowExtractor.empty());
    const std::u16string installer = Installer(u"VelnixSetup.slow.exe");
    ASSERT_TRUE(ReplaceResource(installer, L"7za", slowExtractor));
    const std::u16string temp = services().Files.TempFolder();
    ChildProcess setup(installer);
    const SetupWindow window = WaitForWindow(L"Install Velnix");
    ASSERT_NE(window.Handle(), nullptr);
    Sleep(kIntroMs);
    ASSERT_TRUE(window.Click(kInstallButton));
    ASSERT_TRUE(MovePointer(window.Rect().left - 40, window.Rect().top - 40));
    // The bar's animation comes to its last position, 99 of 100, 15 seconds after the click.
    Sleep(16000);

    const std::string art = VELNIX_ARTWORK_DIR "/";
    const std::string foreground = art + "progressbar.png";
    const struct {
        const char* what;
        const int (*region)[4];
        // The picture as the window should draw it there, and as a bar that stretched its ends would; or
        // neither: the background alone.
        double left, width;
        double stretchedWidth;
    } parts[] = {
        // The run between the ends is the same along its length: any stretch of it draws the same columns.
        {"inside the run", &kBarFilled, kBarFilled[0] - 100, 256, 0},
        {"the run's end before the position", &kBarFilledEnd, kBarFilledEnd[0] - 100, 256, 0},
        {"the left end", &kBarLeftEnd, kBarLeft, 256, 638},
        {"past the position", &kBarPastPosition, 0, 0, 0},
    };
    std::vector<std::string> mismatches;
    for (int attempt = 0; attempt < 8; ++attempt) {
        if (attempt > 0) Sleep(250);
        const std::string shot = CaptureScreen("progress");
        ASSERT_FALSE(shot.empty());
        mismatches.clear();
        for (const auto& part : parts) {
            const int(&region)[4] = *part.region;
            if (part.width == 0) {
                if (!ShowsBackground(window, shot, {region})) mismatches.push_back(part.what + std::string(": drawn"));
                continue;
            }
            const double difference = DifferenceToPicture(window, shot, region, expected1x_, foreground, part.left,
                                                          kBarTop, part.width, 4, "progress");
            const double stretched =
                part.stretchedWidth == 0
                    ? 1
                    : DifferenceToPicture(window, shot, region, expected1x_, foreground, part.left, kBarTop,
                                          part.stretchedWidth, 4, "progress-stretched");
            if (difference >= 0.03 || difference >= stretched * 0.5) {
                mismatches.push_back(part.what + std::string(": ") + std::to_string(difference) + " from the picture, " +
                                     std::to_string(stretched) + " from it stretched");
            }
        }
        if (mismatches.empty()) break;
    }
    for (const std::string& mismatch : mismatches) ADD_FAILURE() << mismatch;

    // The installation is ended here; the extractor and its two files in the temporary folder go with it.
    ASSERT_TRUE(setup.Terminate(3));
    ASSERT_TRUE(setup.Wait(10000).has_value());
    services().Processes.RunCommand({.CommandLine = u"taskkill.exe /f /im 7za.exe",
                                     .WorkDir = u"C:\\",
                                     .Encoding = app::OutputEncoding::AnsiCodePage});
    EXPECT_TRUE(WaitUntil([&] { return services().Files.RemoveFile(temp + u"7za.exe"); }, 10000));
    for (const std::u16string& name : TempArchives()) {
        if (!tempArchivesBefore_.count(name)) services().Files.RemoveFile(temp + name);
    }
}

TEST_F(WindowLookTest, AtTwiceTheScaleTheIconsTheKnobAndTheArrowAreSharp) {
    const std::u16string installer = Installer(u"VelnixSetup.exe");
    ChildProcess setup;
    {
        DisplayScale scale(192);
        setup = ChildProcess(installer);
        ASSERT_TRUE(setup.Started());
        ASSERT_NE(WaitForSetupWindow(L"Install Velnix", 30000), nullptr);
    }
    const SetupWindow window = WaitForWindow(L"Install Velnix");
    ASSERT_EQ(window.Rect().right - window.Rect().left, 1312);
    Sleep(kIntroMs);
    // The switch on, the pointer away: the folder chooser with its icon and arrow slides up.
    ASSERT_TRUE(window.Click(kCustomInstallSwitch));
    ASSERT_TRUE(MovePointer(window.Rect().left - 40, window.Rect().top - 40));
    Sleep(1000);
    const std::string shot = CaptureWhenStill(window, "look-200");
    ASSERT_FALSE(shot.empty());

    const std::string art = VELNIX_ARTWORK_DIR "/";
    const struct {
        const char* picture;
        // Where the control draws it, in background coordinates (1 x), and what lies beneath: the background
        // picture (empty) or a fill colour.
        double x, y, size;
        const char* backdrop;
        // Pixels of the 2 x region left out at each side (the switch track's border around the knob).
        int margin;
    } pictures[] = {
        {"close", 599 + 8.25, 8 + 8.25, 16.5, "", 0},                      // 25 % inset of 33 x 33
        {"files", 577 + 6, 311 + 6, 22, "#2F2F2F", 0},                     // 6 pixels inset of 34 x 34
        {"switchon1", 432 + 3.75, 258 + 3.75, 17.5, "#0092CA", 3},         // 15 % inset of the 25 x 25 knob, on
        {"combodropdown", 105 + 464 - 8 - 14, 313 + 8, 14, "#2F2F2F", 0},  // 8 pixels inset, right-aligned
    };
    for (const auto& p : pictures) {
        SCOPED_TRACE(p.picture);
        // The region of whole pixels at 2 x, and where the picture lies in it (a half pixel off for halves at 1 x).
        const int left = static_cast<int>(std::floor(2 * p.x)) + p.margin;
        const int top = static_cast<int>(std::floor(2 * p.y)) + p.margin;
        const int size = static_cast<int>(std::ceil(2 * (p.x + p.size))) - p.margin - left;
        const auto format = [](double value) {
            char text[32];
            std::snprintf(text, sizeof(text), "%+.1f", value);
            return std::string(text);
        };
        const std::string region =
            std::to_string(size) + "x" + std::to_string(size) + "+" + std::to_string(left) + "+" + std::to_string(top);
        const std::string placement = format(2 * p.size).substr(1) + "x" + format(2 * p.size).substr(1) +
                                      format(2 * p.x - left) + format(2 * p.y - top);
        const std::string backdrop = *p.backdrop ? std::string(p.backdrop) : art + "bg@2x.png";
        // The picture rendered at twice its size, as the window should draw it; and the plain one drawn at its
        // size at 1 x and enlarged, as a window that merely enlarged its 1 x drawing would show it.
        const std::string sharp = WorkDirUnix() + "sharp-" + p.picture + ".png";
        const std::string soft = WorkDirUnix() + "soft-" + p.picture + ".png";
        const std::string plainDrawn = WorkDirUnix() + "plain-" + p.picture + ".png";
        const std::string drawnSize = std::to_string(std::lround(p.size));
        ASSERT_TRUE(RunHost({"picture-on", backdrop, region, art + p.picture + "@2x.png", placement, sharp}).Ok());
        ASSERT_TRUE(RunHost({"convert", art + p.picture + ".png", "-resize", drawnSize + "x" + drawnSize + "!",
                             "png32:" + plainDrawn})
                        .Ok());
        ASSERT_TRUE(RunHost({"picture-on", backdrop, region, plainDrawn, placement, soft}).Ok());

        const int screenX = window.Rect().left + 16 + left;
        const int screenY = window.Rect().top + 16 + top;
        const double toSharp = RegionDifference(shot, screenX, screenY, size, size, sharp, 0, 0);
        const double toSoft = RegionDifference(shot, screenX, screenY, size, size, soft, 0, 0);
        EXPECT_LT(toSharp, 0.02);
        EXPECT_LT(toSharp, toSoft * 0.5) << "the picture is not sharp (" << toSharp << " against " << toSoft << ")";
    }
}

}  // namespace
}  // namespace e2e
