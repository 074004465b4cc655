#pragma once

#include "ui/component.h"

namespace app::stand_ins {

// TSkinImageList stand-in: holds the place of the window's image lists; the stand-in controls draw their icons
// themselves, so it holds no pictures.
class StandInImageList : public ui::Component {
public:
    std::u16string_view ClassName() const override { return u"TSkinImageList"; }
};

}  // namespace app::stand_ins
