#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/system_services.h"

namespace app {

// The target folders offered in install mode: one entry per fixed drive, in the order the drives are listed.
// A drive whose root begins the default folder (case-sensitive) offers the default folder itself; any other
// fixed drive offers its root followed by "Velnix".
std::vector<std::u16string> BuildFolderList(std::u16string_view defaultFolder, const std::vector<DriveRoot>& drives);

}  // namespace app
