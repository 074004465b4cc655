#include "app/folder_list.h"

#include "app/path_text.h"

namespace app {

std::vector<std::u16string> BuildFolderList(std::u16string_view defaultFolder, const std::vector<DriveRoot>& drives) {
    std::vector<std::u16string> folders;
    for (const DriveRoot& drive : drives) {
        if (drive.Type != DriveType::Fixed) continue;
        if (!drive.Root.empty() && defaultFolder.starts_with(drive.Root)) {
            folders.emplace_back(defaultFolder);
        } else {
            folders.push_back(drive.Root + u"Velnix");
        }
    }
    return folders;
}

std::u16string BrowsedInstallFolder(std::u16string_view picked, IFileSystem& files) {
    const std::u16string prefix = WithTrailingBackslash(picked);
    if (files.IsDirectoryEmpty(picked) || files.FileExists(prefix + u"Velnix.exe") ||
        files.FileExists(prefix + u"Uninstall.exe")) {
        return std::u16string(picked);
    }
    return prefix + u"Velnix";
}

}  // namespace app
