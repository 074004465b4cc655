#include "ui/canvas_state_saver.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ui/testing/recording_canvas.h"

namespace ui {
namespace {

std::vector<std::string> StateCalls(const RecordingCanvas& canvas) {
    std::vector<std::string> states;
    for (const std::string& call : canvas.calls) {
        if (call.starts_with("SaveState") || call.starts_with("RestoreState")) states.push_back(call);
    }
    return states;
}

TEST(CanvasStateSaverTest, NestedSaversRestoreInnerFirstWhenTheirScopesEnd) {
    RecordingCanvas canvas;
    canvas.IntersectClipRect({0, 0, 100, 100});
    {
        const CanvasStateSaver outer(canvas);
        canvas.SetMatrix(Matrix::Translation(10, 10));
        canvas.IntersectClipRect({0, 0, 50, 50});
        {
            const CanvasStateSaver inner(canvas);
            canvas.IntersectClipRect({0, 0, 20, 200});
            EXPECT_EQ(canvas.clip, (RectF{10, 10, 30, 60}));
        }
        EXPECT_EQ(canvas.clip, (RectF{10, 10, 60, 60}));
        EXPECT_EQ(canvas.GetMatrix(), Matrix::Translation(10, 10));
    }
    EXPECT_EQ(canvas.clip, (RectF{0, 0, 100, 100}));
    EXPECT_EQ(canvas.GetMatrix(), Matrix());
    EXPECT_EQ(StateCalls(canvas),
              (std::vector<std::string>{"SaveState 0", "SaveState 1", "RestoreState 1", "RestoreState 0"}));
}

TEST(CanvasStateSaverTest, RestoresWhenThePaintLeavesByAnException) {
    RecordingCanvas canvas;
    EXPECT_THROW(
        {
            const CanvasStateSaver saver(canvas);
            canvas.SetMatrix(Matrix::Scaling(2, 2));
            canvas.IntersectClipRect({0, 0, 5, 5});
            throw std::runtime_error("paint failed");
        },
        std::runtime_error);
    EXPECT_EQ(canvas.GetMatrix(), Matrix());
    EXPECT_GT(canvas.clip.right, 1e8f);
    EXPECT_EQ(StateCalls(canvas), (std::vector<std::string>{"SaveState 0", "RestoreState 0"}));
}

}  // namespace
}  // namespace ui
