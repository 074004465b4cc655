// The installer's window as a person sees it after the intro: the skinned buttons and the switch at rest, under
// the pointer and held, pressed with real X input and looked at in screenshots; and at twice the scale, the small
// pictures drawn from artwork of the screen's resolution. A held button is released away from it, so nothing
// installs and the process stays.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "tests/e2e/setup_e2e_fixture.h"

namespace e2e {
namespace {

// How a region's colour is read.
enum class Measure {
    Mean,         // a solid region: its mean colour
    SecondColour  // text over a solid fill: the most frequent colour after the fill's
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

class WindowLookTest : public SetupEndToEndTest {
protected:
    // Captures the screen once the window has stopped changing: two captures a moment apart agree, so that an
    // animation a busy machine draws slowly has come to its end. Its path; empty when the window kept changing.
    static std::string CaptureWhenStill(const SetupWindow& window, const std::string& name) {
        const RECT& r = window.Rect();
        std::string previous = CaptureScreen(name + "-before");
        for (int attempt = 0; attempt < 30; ++attempt) {
            Sleep(200);
            const std::string shot = CaptureScreen(attempt % 2 == 0 ? name : name + "-before");
            if (RegionDifference(shot, r.left, r.top, r.right - r.left, r.bottom - r.top, previous, r.left, r.top) <
                0.0002) {
                return shot;
            }
            previous = shot;
        }
        return {};
    }

    // Checks each sample of the window in screenshots named after the state: a busy machine may take a moment to
    // draw the new state, so the screen is captured again, a few times, until every sample shows its colour.
    void ExpectLook(const SetupWindow& window, const std::string& name, std::initializer_list<Sample> samples) {
        SCOPED_TRACE(name);
        std::vector<std::string> mismatches;
        for (int attempt = 0; attempt < 8; ++attempt) {
            if (attempt > 0) Sleep(250);
            const std::string shot = CaptureScreen("look-" + name);
            ASSERT_FALSE(shot.empty()) << "no screenshot";
            mismatches.clear();
            for (const Sample& s : samples) {
                const int x = window.ScreenX(s.x);
                const int y = window.ScreenY(s.y);
                Rgb measured = MeanColour(shot, x, y, s.width, s.height);
                if (s.measure == Measure::SecondColour) {
                    const std::vector<ColourCount> colours = ColoursByCount(shot, x, y, s.width, s.height);
                    measured = colours.size() >= 2 ? colours[1].colour : Rgb{};
                }
                if (const ::testing::AssertionResult shows = ShowsColour(measured, s.colour); !shows) {
                    mismatches.push_back(std::string(s.what) + ": " + shows.message());
                }
            }
            if (mismatches.empty()) return;
        }
        for (const std::string& mismatch : mismatches) ADD_FAILURE() << mismatch;
    }

    // The close button draws nothing of its own at rest: the background picture shows through around the icon.
    void ExpectBareCloseButton(const SetupWindow& window, const std::string& name) {
        SCOPED_TRACE(name);
        const auto bare = [&](const std::string& shot, const int* region) {
            return RegionDifference(shot, window.ScreenX(region[0]), window.ScreenY(region[1]), region[2], region[3],
                                    expected1x_, region[0], region[1]) < 0.03;
        };
        bool shown = false;
        for (int attempt = 0; attempt < 8 && !shown; ++attempt) {
            if (attempt > 0) Sleep(250);
            const std::string shot = CaptureScreen("look-" + name);
            shown = bare(shot, kCloseLeft) && bare(shot, kCloseTop);
        }
        EXPECT_TRUE(shown) << "a background behind the close button";
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
