#pragma once

#include <cstdint>

#include "skin/core/skin_enum.h"
#include "ui/enum_set.h"

namespace skin {

SKIN_ENUM(TPictureHorzAlign, phaLeft, phaCenter, phaRight);

SKIN_ENUM(TPictureVertAlign, pvaTop, pvaCenter, pvaBottom);

// How a stretched picture is cut: whole, nine-patch, three-part horizontal or vertical (the Pro forms size the
// destination's corners and ends by their own margins), or cropped about its centre to fill.
SKIN_ENUM(TPictureStretchStyle, issTensile, issSquare, issSquarePro, issThreePartHorz, issThreePartVert,
          issThreePartHorzPro, issThreePartVertPro, issAutoFitFillMax);

// What a nine-patch or three-part draw does with a picture its margins cannot cut.
SKIN_ENUM(TPictureTooSmallProcessType, itsptNone, itsptTensile, itsptPart);

// Stored with the parameter; drawing does not use it.
SKIN_ENUM(TPictureTooLargeProcessType, itlptNone, itlptNormal, itlptPart);

// The changes a picture parameter's effect can make besides the common ones.
SKIN_ENUM(TDPPEffectType, dppetImageIndexChange, dppetImageIndexInc1, dppetImageNameChange, dppetRotateAngleChange);
using TDPPEffectTypes = ui::EnumSet<TDPPEffectType>;

}  // namespace skin
