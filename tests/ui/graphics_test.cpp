#include <gtest/gtest.h>

#include <vector>

#include "ui/graphics.h"
#include "ui/testing/recording_canvas.h"

namespace ui {
namespace {

std::vector<Graphics*> seen;

void NoteGraphics() { seen.push_back(GetGraphics()); }

TEST(GraphicsTest, ResetHooksRunOnceBeforeEveryChangeOfTheDrawingServices) {
    RecordingGraphics first;
    RecordingGraphics second;
    AddGraphicsResetHook(&NoteGraphics);
    AddGraphicsResetHook(&NoteGraphics);
    SetGraphics(&first);
    SetGraphics(&first);  // no change
    SetGraphics(&second);
    SetGraphics(nullptr);
    // Each hook saw the services it must let go of.
    EXPECT_EQ(seen, (std::vector<Graphics*>{nullptr, &first, &second}));
}

}  // namespace
}  // namespace ui
