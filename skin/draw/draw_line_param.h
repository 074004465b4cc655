#pragma once

#include "skin/draw/draw_param.h"

namespace skin {

// The drawing parameter of a line. Only the controls of other programs draw lines; here it exists so that
// materials can create one by name, with the change binding every parameter has.
class TDrawLineParam : public TDrawParam {
public:
    using TDrawParam::TDrawParam;
    std::u16string_view ClassName() const override { return u"TDrawLineParam"; }
};

// The drawing parameter of a path; like the line parameter, a named parameter without drawing of its own.
class TDrawPathParam : public TDrawParam {
public:
    using TDrawParam::TDrawParam;
    std::u16string_view ClassName() const override { return u"TDrawPathParam"; }
};

}  // namespace skin
