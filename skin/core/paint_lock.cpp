#include "skin/core/paint_lock.h"

namespace skin {

int PaintLockCount = 0;

}  // namespace skin
