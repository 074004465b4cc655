#include <gtest/gtest.h>

#include <vector>

#include "skin/draw/draw_picture_param.h"
#include "skin/picture/gif_frame_player.h"
#include "skin/picture/gif_frames.h"
#include "skin/picture/skin_picture.h"
#include "skin/picture/skin_picture_canvas.h"
#include "skin/picture/skin_picture_engine.h"
#include "tests/skin/picture/picture_test_support.h"
#include "ui/animation_timer.h"
#include "ui/stream.h"
#include "ui/testing/manual_animation_clock.h"

namespace skin {
namespace {

using Frame = ui::RecordingGraphics::TestFrame;
using ui::FrameDisposal;

constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

uint32_t PixelAt(TSkinPicture& picture, int x, int y) {
    ui::Bitmap* bitmap = picture.Bitmap();
    if (bitmap == nullptr) return 0xDEADBEEF;
    const uint32_t value = bitmap->Map(ui::MapAccess::Read).At(x, y);
    bitmap->Unmap();
    return value;
}

// Records what an engine draws.
class RecordingPictureCanvas : public ISkinPictureCanvas {
public:
    bool DrawSkinPicture(const TBaseDrawPictureParam&, const ui::Bitmap* bitmap, const ui::RectF& drawRect,
                         const PicturePlacement* placement) override {
        drawn.push_back(bitmap);
        rects.push_back(drawRect);
        placed = placement != nullptr;
        return true;
    }
    std::vector<const ui::Bitmap*> drawn;
    std::vector<ui::RectF> rects;
    bool placed = false;
};

class GIFEngineTest : public testing::GraphicsTest {
protected:
    void SetUp() override {
        GraphicsTest::SetUp();
        ui::SharedAnimationTimer().SetClock(&clock);
    }
    void TearDown() override {
        ui::SharedAnimationTimer().SetClock(nullptr);
        GraphicsTest::TearDown();
    }
    // A picture loaded from three frames of 2 x 1: red 100 ms, green 0 ms (the fallback delay), blue 50 ms.
    void LoadThreeFrames(TSkinPicture& picture) {
        const std::vector<Frame> frames = {{0, 0, 2, 1, 100, FrameDisposal::Keep, kRed},
                                           {0, 0, 2, 1, 0, FrameDisposal::Keep, kGreen},
                                           {0, 0, 2, 1, 50, FrameDisposal::Keep, kBlue}};
        ui::MemoryStream stream(ui::RecordingGraphics::EncodeTestFrames(2, 1, frames));
        picture.LoadFromStream(stream);
        picture.SetGIFSupport(true);
    }
    TSkinBaseGIFPictureEngine& Engine(TSkinPicture& picture) {
        auto* engine = dynamic_cast<TSkinBaseGIFPictureEngine*>(picture.SkinPictureEngine());
        EXPECT_NE(engine, nullptr);
        return *engine;
    }
    ui::ManualAnimationClock clock;
};

TEST_F(GIFEngineTest, FramesAreComposedOverWhatTheEarlierOnesLeftAfterTheirDisposal) {
    // 4 x 2: red everywhere; green on the right half, then cleared; blue at the origin, then undone; white at
    // (3, 1).
    const std::vector<Frame> stored = {{0, 0, 4, 2, 10, FrameDisposal::Keep, kRed},
                                       {2, 0, 2, 2, 10, FrameDisposal::Background, kGreen},
                                       {0, 0, 1, 1, 10, FrameDisposal::Previous, kBlue},
                                       {3, 1, 1, 1, 10, FrameDisposal::Keep, kWhite},
                                       // Partly outside the canvas: only its part on the canvas is drawn.
                                       {3, 0, 4, 1, 70, FrameDisposal::Keep, 0x80008000}};
    std::vector<TGIFFrame> frames = DecodeGIFFrames(ui::RecordingGraphics::EncodeTestFrames(4, 2, stored));
    ASSERT_EQ(frames.size(), 5u);
    struct Expect {
        size_t frame;
        int x, y;
        uint32_t color;
    };
    const Expect cases[] = {
        {0, 0, 0, kRed},
        {0, 3, 1, kRed},
        {1, 1, 0, kRed},
        {1, 2, 0, kGreen},
        {1, 3, 1, kGreen},
        {2, 0, 0, kBlue},
        {2, 1, 0, kRed},
        {2, 2, 0, 0u},
        {2, 3, 1, 0u},
        {3, 0, 0, kRed},
        {3, 3, 1, kWhite},
        {3, 2, 1, 0u},
        {4, 2, 0, 0u},
        {4, 3, 1, kWhite},
        // Half-transparent green over transparent stays as it is.
        {4, 3, 0, 0x80008000},
    };
    for (const Expect& c : cases) {
        ASSERT_EQ(frames[c.frame].Picture->Width(), 4);
        EXPECT_EQ(PixelAt(*frames[c.frame].Picture, c.x, c.y), c.color)
            << "frame " << c.frame << " at " << c.x << "," << c.y;
    }
    EXPECT_EQ(frames[4].DelayMs, 70);
}

TEST_F(GIFEngineTest, DataThatIsNotAGIFOrNoDrawingServicesGiveNoFrames) {
    EXPECT_TRUE(DecodeGIFFrames(OpaqueImage(2, 2)).empty());
    EXPECT_TRUE(DecodeGIFFrames({}).empty());
    const auto data = ui::RecordingGraphics::EncodeTestFrames(2, 1, {{0, 0, 2, 1, 10, FrameDisposal::Keep, kRed}});
    ui::SetGraphics(nullptr);
    EXPECT_TRUE(DecodeGIFFrames(data).empty());
}

TEST_F(GIFEngineTest, AnimatedEnginePlaysTheFramesInTurnAndAsksForARepaintOnEach) {
    TSkinPicture picture;
    LoadThreeFrames(picture);
    int repaints = 0;
    picture.OnAnimateRePaint = [&](ui::Object* sender) {
        EXPECT_EQ(sender, &picture);
        ++repaints;
    };
    TSkinBaseGIFPictureEngine& engine = Engine(picture);
    EXPECT_TRUE(engine.GetCurrentIsGIF());
    EXPECT_EQ(engine.CurrentAnimateFrame(), &picture);
    engine.SetAnimated(true);
    ASSERT_TRUE(engine.IsAnimating());
    EXPECT_EQ(PixelAt(*engine.CurrentAnimateFrame(), 0, 0), kRed);

    // red 100 ms, green 120 ms (GIFDelayExp 12 for a delay of 0), blue 50 ms, then red again.
    struct Step {
        double seconds;
        uint32_t color;
        int repaints;
    };
    const Step steps[] = {{0.09, kRed, 0},  {0.02, kGreen, 1}, {0.10, kGreen, 1},
                          {0.02, kBlue, 2}, {0.05, kRed, 3},   {0.10, kGreen, 4}};
    for (const Step& s : steps) {
        clock.Advance(s.seconds);
        EXPECT_EQ(PixelAt(*engine.CurrentAnimateFrame(), 1, 0), s.color) << s.seconds;
        EXPECT_EQ(repaints, s.repaints);
    }

    engine.SetAnimated(false);
    EXPECT_FALSE(engine.IsAnimating());
    EXPECT_EQ(engine.CurrentAnimateFrame(), &picture);
    EXPECT_EQ(ui::SharedAnimationTimer().Count(), 0u);
}

TEST_F(GIFEngineTest, SpeedAndDelayExponentSetTheFrameTimes) {
    TSkinPicture picture;
    LoadThreeFrames(picture);
    TSkinBaseGIFPictureEngine& engine = Engine(picture);
    engine.StartAnimate();
    ASSERT_NE(engine.Player(), nullptr);
    struct Case {
        double speed;
        int delayExp;
        double red, green, blue;
    };
    const Case cases[] = {{10, 12, 100, 120, 50}, {20, 12, 50, 60, 25}, {10, 3, 100, 30, 50}, {0, 12, 0, 0, 0}};
    for (const Case& c : cases) {
        engine.SetAnimateSpeed(c.speed);
        engine.SetGIFDelayExp(c.delayExp);
        EXPECT_DOUBLE_EQ(engine.Player()->FrameDuration(0), c.red);
        EXPECT_DOUBLE_EQ(engine.Player()->FrameDuration(1), c.green);
        EXPECT_DOUBLE_EQ(engine.Player()->FrameDuration(2), c.blue);
    }
    // A speed of 0 holds the active frame.
    clock.Advance(5);
    EXPECT_EQ(engine.Player()->ActiveIndex(), 0u);
}

TEST_F(GIFEngineTest, AskedForAFrameWhileAnimatedAndStoppedTheEngineStartsAgain) {
    TSkinPicture picture;
    LoadThreeFrames(picture);
    TSkinBaseGIFPictureEngine& engine = Engine(picture);
    engine.SetAnimated(true);
    engine.StopAnimate();
    EXPECT_FALSE(engine.IsAnimating());
    engine.CurrentAnimateFrame();
    EXPECT_TRUE(engine.IsAnimating());
}

TEST_F(GIFEngineTest, OneFrameOrNoGIFDataDoesNotAnimate) {
    TSkinPicture oneFrame;
    ui::MemoryStream stream(
        ui::RecordingGraphics::EncodeTestFrames(2, 1, {{0, 0, 2, 1, 10, FrameDisposal::Keep, kRed}}));
    oneFrame.LoadFromStream(stream);
    oneFrame.SetGIFSupport(true);
    TSkinBaseGIFPictureEngine& engine = Engine(oneFrame);
    engine.SetAnimated(true);
    EXPECT_FALSE(engine.IsAnimating());
    EXPECT_EQ(engine.CurrentAnimateFrame(), &oneFrame);

    TSkinPicture plain;
    ui::MemoryStream png(OpaqueImage(2, 2));
    plain.LoadFromStream(png);
    EXPECT_FALSE(plain.SkinPictureEngine()->GetCurrentIsGIF());
    plain.SetGIFSupport(true);
    Engine(plain).SetAnimated(true);
    EXPECT_FALSE(plain.SkinPictureEngine()->IsAnimating());
    EXPECT_EQ(ui::SharedAnimationTimer().Count(), 0u);
}

TEST_F(GIFEngineTest, DrawToCanvasDrawsTheActiveFramePlacedByTheParameter) {
    TSkinPicture picture;
    LoadThreeFrames(picture);
    RecordingPictureCanvas canvas;
    const TDrawPictureParam param(u"p", u"");
    const ui::RectF rect{0, 0, 20, 10};
    TSkinBaseGIFPictureEngine& engine = Engine(picture);
    engine.DrawToCanvas(canvas, param, rect);
    engine.SetAnimated(true);
    clock.Advance(0.15);
    engine.DrawToCanvas(canvas, param, rect);
    ASSERT_EQ(canvas.drawn.size(), 2u);
    EXPECT_EQ(canvas.drawn[0], picture.Bitmap());
    EXPECT_EQ(canvas.drawn[1], engine.Player()->ActiveFrame()->Bitmap());
    EXPECT_EQ(engine.Player()->ActiveIndex(), 1u);
    EXPECT_EQ(canvas.rects[1], rect);
    EXPECT_FALSE(canvas.placed);

    // The plain engine draws the picture itself.
    TSkinPictureEngine plain(&picture);
    plain.DrawToCanvas(canvas, param, rect);
    EXPECT_EQ(canvas.drawn.back(), picture.Bitmap());
}

TEST_F(GIFEngineTest, AnAnimationGoesOnWithNewDrawingServices) {
    TSkinPicture picture;
    LoadThreeFrames(picture);
    TSkinBaseGIFPictureEngine& engine = Engine(picture);
    engine.SetAnimated(true);
    clock.Advance(0.15);
    ui::RecordingGraphics next;
    ui::SetGraphics(&next);
    EXPECT_EQ(picture.SkinPictureEngine(), &engine);
    EXPECT_TRUE(engine.IsAnimating());
    EXPECT_EQ(PixelAt(*engine.CurrentAnimateFrame(), 0, 0), kGreen);
    clock.Advance(0.1);
    EXPECT_EQ(PixelAt(*engine.CurrentAnimateFrame(), 0, 0), kBlue);
    ui::SetGraphics(&graphics);
}

TEST_F(GIFEngineTest, AContentChangeFreesTheEngineAndStopsItsAnimation) {
    TSkinPicture picture;
    LoadThreeFrames(picture);
    Engine(picture).SetAnimated(true);
    EXPECT_EQ(ui::SharedAnimationTimer().Count(), 1u);
    ui::MemoryStream png(OpaqueImage(2, 2));
    picture.DirectLoadFromStream(png);
    EXPECT_EQ(ui::SharedAnimationTimer().Count(), 0u);
    // The GIF data stays (only GIF detection replaces it), so a new engine still plays it.
    EXPECT_TRUE(picture.SkinPictureEngine()->GetCurrentIsGIF());
}

}  // namespace
}  // namespace skin
