#pragma once

#include <string>

#include "skin/draw/draw_font.h"

namespace skin {

// One run of a multi-colour text: its text and font, whether it takes the text parameter's font or font
// colour instead, and where DrawText put it (relative to the drawn rectangle).
class TBaseColorTextItem {
public:
    virtual ~TBaseColorTextItem() = default;

    std::u16string Text;
    TDrawFont DrawFont;
    bool IsUseDefaultDrawFont = false;
    bool IsUseDefaultDrawFontColor = false;

    double DrawTop = 0;
    double DrawWidth = 0;
    double DrawHeight = 0;
};

// The runs of a multi-colour text, drawn one after the other on one line.
class IColorTextList {
public:
    virtual ~IColorTextList() = default;
    virtual int GetColorTextCount() const = 0;
    virtual TBaseColorTextItem& GetColorTextItem(int index) = 0;
};

}  // namespace skin
