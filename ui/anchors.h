#pragma once

#include <initializer_list>
#include <string_view>

#include "ui/enum_set.h"

namespace ui {

// The parent's edges a control keeps its distance to when the parent is resized. Left and top alone (the
// default) keep the control where it is; left and right stretch it; right alone moves it with the right edge;
// neither keeps it centred on that axis.
enum class AnchorKind { Left, Top, Right, Bottom };
using Anchors = EnumSet<AnchorKind>;
inline constexpr Anchors kDefaultAnchors{AnchorKind::Left, AnchorKind::Top};
inline constexpr std::initializer_list<std::u16string_view> kAnchorNames = {u"akLeft", u"akTop", u"akRight",
                                                                            u"akBottom"};

}  // namespace ui
