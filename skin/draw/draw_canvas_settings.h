#pragma once

#include <string>

namespace skin {

// The drawing settings of the whole process, read by every draw canvas.
struct TDrawCanvasSettings {
    // DrawText uses DefaultFontFamily instead of the parameter's family (measurements do not).
    bool IsUseDefaultFontFamily = false;
    std::u16string DefaultFontFamily;
    // Whether the design-time outline and name are drawn.
    bool IsDrawDesigningRect = true;
    bool IsDrawDesigningName = false;
    // The stroke of rectangles drawn as lines, and the default pen width of line parameters.
    double DefaultLineWidth = 1.0;
    // Lines one pixel wide are moved onto pixel centres.
    bool IsSnapLineToPixel = true;
    // Bitmaps are drawn with nearest-neighbour sampling instead of linear.
    bool IsHighSpeedDrawBitmap = false;
};

// The process-wide settings, with their start values until someone changes them.
TDrawCanvasSettings& DrawCanvasSettings();

}  // namespace skin
