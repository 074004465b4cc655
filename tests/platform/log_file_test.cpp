// Failures of the window host and the drawing services reach the skin library's log file once it is switched
// on: they write to the program's one log, whose sink the skin log is.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/graphics/d2d_graphics.h"
#include "platform/win32/graphics/hresult_log.h"
#include "platform/win32/window/layered_surface.h"
#include "tests/skin/core/global_log_file.h"

namespace platform::win32 {
namespace {

TEST(LogFileTest, WindowAndGraphicsFailuresReachTheFile) {
    D2DGraphics graphics;
    const skin::GlobalLogFile file("velnix-window-log");

    EXPECT_EQ(graphics.LoadBitmapFromResource(u"no-such-picture"), nullptr);
    LogIfFailed(E_FAIL, u"ID2D1RenderTarget::EndDraw");
    LayeredSurface surface(graphics);
    surface.Resize(4, 4, 1);
    surface.Present(nullptr);  // no layered window to put the frame on

    EXPECT_EQ(file.Lines(), (std::vector<std::string>{"Graphics: no picture resource named no-such-picture",
                                                      "Graphics: ID2D1RenderTarget::EndDraw failed (0x80004005)",
                                                      "Window: UpdateLayeredWindow failed"}));
}

}  // namespace
}  // namespace platform::win32
