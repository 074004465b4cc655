#pragma once

#include <initializer_list>
#include <string_view>

namespace ui {

// The pointer shape a control asks for while the pointer is over it. Default takes the shape of the nearest
// ancestor that names one, else the arrow.
enum class CursorShape {
    Default,
    Arrow,
    IBeam,
    HourGlass,
    Cross,
    SizeAll,
    SizeNESW,
    SizeNS,
    SizeNWSE,
    SizeWE,
    UpArrow,
    No,
    HandPoint,
    AppStart,
    Help,
    Drag,
    NoDrop,
    HSplit,
    VSplit,
    MultiDrag,
    SQLWait,
};

// The names stored layouts give the shapes, in the enumeration's order.
inline constexpr std::initializer_list<std::u16string_view> kCursorShapeNames = {
    u"crDefault", u"crArrow",   u"crIBeam",  u"crHourGlass", u"crCross", u"crSizeAll",  u"crSizeNESW",
    u"crSizeNS",  u"crSizeNWSE", u"crSizeWE", u"crUpArrow",   u"crNo",    u"crHandPoint", u"crAppStart",
    u"crHelp",    u"crDrag",    u"crNoDrop", u"crHSplit",    u"crVSplit", u"crMultiDrag", u"crSQLWait",
};

}  // namespace ui
