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

// The folder a folder picked with the browse button installs into: the picked folder itself when it is empty or
// already holds an installation of the application (Velnix.exe or Uninstall.exe), otherwise its sub-folder
// "Velnix". So the application's files never mix with a folder's own (Documents, Downloads, a drive root), and
// the uninstaller never removes such a folder's own "wizard" or "driver".
std::u16string BrowsedInstallFolder(std::u16string_view picked, IFileSystem& files);

}  // namespace app
